#include "settings/write_journal.h"

#include "settings/atomic_file.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The journal's first line; the second is the target's path, percent-encoded
// so no name can break the line; the third the length of what follows.
const QByteArray kMagic("zaviko-journal 1");
constexpr qint64 kMaxJournal = 16 * 1024 * 1024;

QByteArray JournalText(const QString& target, const QByteArray& data)
{
    return kMagic + '\n' + QFile::encodeName(target).toPercentEncoding() + '\n'
        + QByteArray::number(data.size()) + '\n' + data;
}

// The contents the journal records for `target`, or nothing.
bool ParseJournal(const QByteArray& text, const QString& target, QByteArray& data)
{
    const qsizetype first = text.indexOf('\n');
    const qsizetype second = first < 0 ? -1 : text.indexOf('\n', first + 1);
    const qsizetype third = second < 0 ? -1 : text.indexOf('\n', second + 1);
    if (third < 0 || text.left(first) != kMagic) return false;
    const QByteArray path
        = QByteArray::fromPercentEncoding(text.mid(first + 1, second - first - 1));
    bool ok = false;
    const qint64 size = text.mid(second + 1, third - second - 1).toLongLong(&ok);
    if (!ok || path != QFile::encodeName(target) || size != text.size() - third - 1) return false;
    data = text.mid(third + 1);
    return true;
}

bool RewriteInPlace(const QString& target, const QByteArray& data)
{
    const int fd = ::open(QFile::encodeName(target).constData(),
        O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st { };
    const bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::ftruncate(fd, 0) == 0
        && WriteAllSynced(fd, data);
    ::close(fd);
    return ok;
}

// The journal's removal must reach the disk too, or a power cut could bring
// back a journal older than a later rewrite.
void RemoveSynced(const QString& journal)
{
    QFile::remove(journal);
    const int fd = ::open(QFile::encodeName(QFileInfo(journal).absolutePath()).constData(),
        O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

QString JournalName(const QString& target, const QString& journalFolder)
{
    const QString absolute = QFileInfo(target).absoluteFilePath();
    // Named after the whole path: two settings files of one name in
    // different folders get journals of their own.
    const QByteArray hash
        = QCryptographicHash::hash(QFile::encodeName(absolute), QCryptographicHash::Sha1).toHex();
    return QDir(journalFolder)
        .filePath(QFileInfo(target).fileName() + '-' + QString::fromLatin1(hash.left(16))
            + QStringLiteral(".journal"));
}

bool WriteThroughJournal(
    const QString& target, const QByteArray& data, const QString& journalFolder, QString& reason)
{
    const QString absolute = QFileInfo(target).absoluteFilePath();
    if (journalFolder.isEmpty() || !QDir().mkpath(journalFolder)) {
        reason = QStringLiteral("no folder for its journal");
        return false;
    }
    const QString journal = JournalName(absolute, journalFolder);
    if (!WriteFileAtomically(journal, JournalText(absolute, data), TAtomicWrite {}, reason))
        return false;
    if (!RewriteInPlace(absolute, data)) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    RemoveSynced(journal);
    return true;
}

bool FinishJournaledWrite(const QString& target, const QString& journalFolder)
{
    if (journalFolder.isEmpty()) return false;
    const QString absolute = QFileInfo(target).absoluteFilePath();
    const QString journal = JournalName(absolute, journalFolder);
    QFile file(journal);
    if (!QFileInfo(journal).isFile() || file.size() > kMaxJournal
        || !file.open(QIODevice::ReadOnly))
        return false;
    QByteArray data;
    if (!ParseJournal(file.readAll(), absolute, data)) return false;
    file.close();
    if (!RewriteInPlace(absolute, data)) return false;
    RemoveSynced(journal);
    return true;
}
