// Two copies of the real program on one settings folder: the second hands
// over to the first and ends without touching a file; a lock left by a copy
// that was killed is taken over by the next start.
#include "tests/ui/test_files.h"

#include "ui/desktop/single_instance.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include <signal.h>
#include <unistd.h>

namespace {

// Only a guard against a hang: every wait ends on an event long before.
constexpr int kHangGuardMs = 60000;

// Runs the event loop until `done`, which is asked again whenever something
// in `folder` or the lock file changes or a process ends.
bool WaitUntil(const QString& folder, const QString& lockFile, const std::function<bool()>& done,
    const std::vector<QProcess*>& processes = {})
{
    QFileSystemWatcher watcher({ folder });
    QEventLoop loop;
    auto check = [&] {
        if (QFileInfo::exists(lockFile) && !watcher.files().contains(lockFile))
            watcher.addPath(lockFile);
        if (done()) loop.quit();
    };
    QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &loop, check);
    QObject::connect(&watcher, &QFileSystemWatcher::fileChanged, &loop, check);
    for (QProcess* process : processes)
        QObject::connect(process, &QProcess::finished, &loop, check);
    QTimer::singleShot(kHangGuardMs, &loop, &QEventLoop::quit);
    check();
    if (!done()) loop.exec();
    return done();
}

qint64 LockHolder(const QString& lockFile)
{
    qint64 pid = 0;
    QString host, application;
    return QLockFile(lockFile).getLockInfo(&pid, &host, &application) ? pid : 0;
}

class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override
    {
        // In the build folder, so the program and its card library can be
        // hard links: the program keeps its settings beside itself.
        ASSERT_TRUE(dir.isValid());
        for (const char* name : { "Zaviko", "libzucards.so" }) {
            const QString from = QDir(QCoreApplication::applicationDirPath()).filePath(name);
            const QString to = dir.filePath(name);
            ASSERT_TRUE(::link(QFile::encodeName(from), QFile::encodeName(to)) == 0
                || QFile::copy(from, to))
                << name;
        }
        WriteAll(Ini(), "[PlayerNames]\nS=Prvi\n[GameOptions]\nCompPlayDelay=0\n");
    }
    void TearDown() override
    {
        for (auto& copy : copies)
            if (copy->state() != QProcess::NotRunning) Kill(*copy);
    }

    QString Ini() const { return dir.filePath("Zaviko.ini"); }
    QString Lock() const { return dir.filePath("Zaviko.lock"); }

    QProcess& Start(const QStringList& arguments = {})
    {
        copies.push_back(std::make_unique<QProcess>());
        QProcess& copy = *copies.back();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        copy.setProcessEnvironment(environment);
        copy.setWorkingDirectory(dir.path());
        copy.start(dir.filePath("Zaviko"), arguments);
        EXPECT_TRUE(copy.waitForStarted());
        return copy;
    }
    static void Kill(QProcess& copy)
    {
        ::kill(pid_t(copy.processId()), SIGKILL);
        copy.waitForFinished(); // no zombie keeps its process id alive
    }
    bool Ended(QProcess& copy)
    {
        return WaitUntil(dir.path(), Lock(),
            [&copy] { return copy.state() == QProcess::NotRunning; }, { &copy });
    }
    bool Holds(QProcess& copy)
    {
        return WaitUntil(
            dir.path(), Lock(), [&] { return LockHolder(Lock()) == copy.processId(); }, { &copy });
    }
    // Every file in the folder but the program's own, with its bytes.
    std::map<QString, QByteArray> Files() const
    {
        std::map<QString, QByteArray> files;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
            if (name != "Zaviko" && name != "libzucards.so")
                files[name] = ReadAll(dir.filePath(name));
        return files;
    }

    QTemporaryDir dir { QCoreApplication::applicationDirPath() + "/single-instance-XXXXXX" };
    std::vector<std::unique_ptr<QProcess>> copies;
};

TEST_F(SingleInstance, ASecondCopyHandsOverAndAStaleLockIsTakenOver)
{
    // A power cut left the lock made but empty, a minute ago.
    WriteAll(Lock(), "");
    {
        QFile lock(Lock());
        ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
        ASSERT_TRUE(lock.setFileTime(
            QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    }
    QProcess& first = Start();
    ASSERT_TRUE(Holds(first));
    // The test asks as a second copy would, which also waits until the first
    // serves its window's events.
    TSingleInstance asking(Ini());
    EXPECT_EQ(asking.LockFileName(), Lock());
    ASSERT_FALSE(asking.Acquire());
    ASSERT_TRUE(asking.AskToComeForward());

    const auto before = Files();
    QProcess& second = Start();
    ASSERT_TRUE(Ended(second));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << "the first copy did not answer";
    EXPECT_EQ(Files(), before);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(LockHolder(Lock()), first.processId());

    // Killed, the first leaves its lock behind with a process id that is gone.
    Kill(first);
    ASSERT_TRUE(QFileInfo::exists(Lock()));
    QProcess& next = Start();
    ASSERT_TRUE(Holds(next));
    QProcess& another = Start();
    ASSERT_TRUE(Ended(another));
    EXPECT_EQ(another.exitCode(), 0);
    EXPECT_EQ(next.state(), QProcess::Running);
}

// The first copy's side: a copy started on its folder reaches it, and a
// request brings the window, or the dialog open over it, to the front.
TEST_F(SingleInstance, TheFirstCopyIsAskedToComeForward)
{
    TSingleInstance first(Ini());
    ASSERT_TRUE(first.Acquire());
    QWidget window;
    window.showMinimized();
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    int asked = 0;
    QStringList links;
    first.OnComeForward = [&](const QString& link) {
        ++asked;
        links << link;
        BringForward(&window);
    };
    const auto before = Files();
    QProcess& second = Start();
    ASSERT_TRUE(Ended(second));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Files(), before);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &window);

    QDialog question(&window);
    question.setModal(true);
    question.show();
    elsewhere.activateWindow();
    QProcess& third = Start();
    ASSERT_TRUE(Ended(third));
    EXPECT_EQ(asked, 2);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &question);

    // A copy the desktop started for an invitation hands its link over.
    const QString link = QStringLiteral("zaviko://127.0.0.1:7461/ab12/cd34");
    QProcess& fourth = Start({ link });
    ASSERT_TRUE(Ended(fourth));
    EXPECT_EQ(fourth.exitCode(), 0);
    EXPECT_EQ(links, QStringList({ QString(), QString(), link }));
}

} // namespace
