#include "ui/desktop/single_instance.h"

#include "settings/player_files.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

namespace {

// What the first copy answers once it has come forward.
const QByteArray kAnswer = "forward\n";
// A copy that has just taken the lock opens its socket at once; one that
// does not answer within this is stuck, and the second copy gives up on it.
constexpr int kAnswerWaitMs = 5000;
constexpr int kConnectTries = 50;
constexpr int kConnectPauseMs = 100;
// A lock is written the moment it is made; one still without a process id
// after this was cut short by a crash or a power cut.
constexpr qint64 kUnwrittenLockMs = 10000;

QString LockFileBeside(const QString& settingsFile)
{
    return PlayerFileName(settingsFile, QStringLiteral(".lock"), PerUserFolder(),
        FolderWritable(QFileInfo(settingsFile).absolutePath()), /*takeOver=*/false);
}

// The same for every path that reaches the same file, and never a file
// itself: a name in the abstract socket space leaves nothing behind a crash.
QString ServerName(const QString& lockFile)
{
    const QFileInfo lock(lockFile);
    QString folder = QFileInfo(lock.absolutePath()).canonicalFilePath();
    if (folder.isEmpty()) folder = lock.absolutePath();
    const QByteArray hash = QCryptographicHash::hash(
        QDir(folder).filePath(lock.fileName()).toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("zaviko-") + QString::fromLatin1(hash.toHex().left(32));
}

} // namespace

TSingleInstance::TSingleInstance(const QString& settingsFile)
    : FLockFileName(LockFileBeside(settingsFile))
    , FServerName(ServerName(FLockFileName))
    , FLock(FLockFileName)
{
    // Only a lock whose process is gone is stale: the first copy holds it
    // for as long as it runs, however long that is.
    FLock.setStaleLockTime(0);
}

bool TSingleInstance::Acquire()
{
    if (FLock.tryLock(0) || (LeftUnwritten() && FLock.removeStaleLockFile() && FLock.tryLock(0))) {
        Listen();
        return true;
    }
    return FLock.error() != QLockFile::LockFailedError;
}

bool TSingleInstance::LeftUnwritten() const
{
    qint64 pid = 0;
    QString host, application;
    if (FLock.getLockInfo(&pid, &host, &application)) return false;
    const QFileInfo lock(FLockFileName);
    return lock.isFile()
        && lock.lastModified().msecsTo(QDateTime::currentDateTime()) > kUnwrittenLockMs;
}

void TSingleInstance::Listen()
{
    FServer.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    QObject::connect(&FServer, &QLocalServer::newConnection, &FServer, [this] {
        while (QLocalSocket* socket = FServer.nextPendingConnection())
            Answer(socket);
    });
    FServer.listen(FServerName);
}

void TSingleInstance::Answer(QLocalSocket* socket)
{
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QLocalSocket::deleteLater);
    // The request is one line (a link, or nothing); the answer goes once the
    // window is in front.
    const auto serve = [this, socket] {
        if (!socket->canReadLine() || socket->property("served").toBool()) return;
        socket->setProperty("served", true);
        const QString link = QString::fromUtf8(socket->readLine()).trimmed();
        if (OnComeForward) OnComeForward(link);
        socket->write(kAnswer);
        socket->disconnectFromServer();
    };
    QObject::connect(socket, &QLocalSocket::readyRead, socket, serve);
    serve();
}

bool TSingleInstance::AskToComeForward(const QString& link) const
{
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    // The holder may have taken the lock a moment ago and not be listening yet.
    for (int tries = 0; tries < kConnectTries; ++tries) {
        socket.connectToServer(FServerName);
        if (socket.waitForConnected(kAnswerWaitMs)) break;
        QThread::msleep(kConnectPauseMs);
    }
    if (socket.state() != QLocalSocket::ConnectedState) return false;
    // One line: a link holds no line break (QUrl encodes one).
    socket.write(link.simplified().toUtf8() + '\n');
    socket.flush();
    while (socket.bytesAvailable() < kAnswer.size() && socket.waitForReadyRead(kAnswerWaitMs)) { }
    return socket.read(kAnswer.size()) == kAnswer;
}

void BringForward(QWidget* window)
{
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    QWidget* front = QApplication::activeModalWidget();
    if (!front) front = window;
    front->raise();
    front->activateWindow();
}
