// The log's archives under hostile names, many archives, file systems that
// keep no creation time, and a crash in the middle of an archive.
#include "platform/file_times.h"
#include "log/log_archive.h"
#include "log/log_file.h"
#include "tests/settings/file_helpers.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class LogHardening : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English));
        log.SetLogFileName(Path());
        log.SetClock([this] { return now; });
        log.SetOptions({});
        log.SetMaxSize(1024);
    }
    void TearDown() override
    {
        SetFileTimeSources(true, true);
        QLocale::setDefault(savedLocale);
    }
    QString Path() const { return dir.filePath("Zaviko.log"); }
    QString Archive(int n) const
    {
        return dir.filePath("Zaviko.log-03-2026.") + QString::number(n);
    }

    QLocale savedLocale;
    QTemporaryDir dir;
    QDateTime now { QDate(2026, 3, 7), QTime(9, 5, 3) };
    TLogFile log;
};

TEST(LogArchiveName, TheLogsNameIsTakenAsItStandsAndArchivesGoBesideIt)
{
    const QDate march5(2024, 3, 5);
    const struct {
        QString log, folder, expected;
    } cases[] = {
        { "log%1.txt", "", "log%1.txt-03-2024.7" },
        { "/var/x/a%2%3.log", "", "/var/x/a%2%3.log-03-2024.7" },
        { "/var/x/Zaviko.log", "/arch", "/arch/Zaviko.log-03-2024.7" },
        { "rel/Zaviko.log", "", "rel/Zaviko.log-03-2024.7" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(ArchiveName(c.log, c.folder, march5, 7), c.expected) << c.log.toStdString();
}

TEST_F(LogHardening, ANameHoldingANulCharacterIsRefused)
{
    const QString bad = dir.filePath("x") + QChar(0) + ".log";
    try {
        log.SetLogFileName(bad);
        FAIL() << "a NUL in the name was accepted";
    } catch (const ELogError& e) {
        EXPECT_STREQ(e.what(), "Invalid log file name");
    }
    EXPECT_EQ(log.LogFileName(), Path());
}

// Archives of one month are numbered on from the last one this log made, so
// a name freed below it is not searched for again at every archive.
TEST_F(LogHardening, ManyArchivesOfOneMonthAreNotSearchedFromOneAgain)
{
    for (int n = 1; n <= 300; ++n)
        WriteAll(Archive(n), "old");
    log.Open();
    log.Write(QByteArray(1024, 'a'));
    EXPECT_EQ(ReadAll(Archive(301)), QByteArray(1024, 'a'));
    QFile::remove(Archive(5));
    log.Write(QByteArray(1024, 'b'));
    EXPECT_EQ(ReadAll(Archive(302)), QByteArray(1024, 'b'));
    EXPECT_FALSE(QFile::exists(Archive(5)));
}

// Without extended attributes and birth times the period counts from the
// time stamp of the session opening text at the head of the file.
TEST_F(LogHardening, DateModesWorkWhereTheFileSystemKeepsNoCreationTime)
{
    SetFileTimeSources(false, false);
    log.SetOptions(TLogOptions(logSession) | logTimestamp);
    log.SetArchiveMode(bkDaily);
    const QByteArray yesterday = "\r\n*** Log fajl otvoren 06/Mar/2026 22:00:00  ***\r\nold\r\n";
    WriteAll(Path(), yesterday);
    log.Open();
    EXPECT_EQ(ReadAll(Archive(1)), yesterday);
    log.Log("Zaviko", "*", "today");
    log.Log("Zaviko", "*", "still today");
    EXPECT_FALSE(QFile::exists(Archive(2)));
    now = now.addDays(1);
    log.Log("Zaviko", "*", "tomorrow");
    EXPECT_TRUE(ReadAll(Archive(2)).endsWith("tomorrow\r\n"));
    EXPECT_EQ(ReadAll(Path()), "");
    log.Log("Zaviko", "*", "later tomorrow");
    EXPECT_FALSE(QFile::exists(Archive(3)));
}

// The archive is the live file under a second name until the live name is
// removed; a crash between the two leaves both, and the next open keeps the
// archive and starts a new live file, so no line is in both.
TEST_F(LogHardening, AnArchiveCutShortByACrashIsFinishedAtTheNextOpen)
{
    WriteAll(Path(), "archived once\r\n");
    ASSERT_EQ(
        ::link(QFile::encodeName(Path()).constData(), QFile::encodeName(Archive(1)).constData()),
        0);
    log.Open();
    log.Write("new\r\n");
    log.Close();
    EXPECT_EQ(ReadAll(Archive(1)), "archived once\r\n");
    EXPECT_EQ(ReadAll(Path()), "new\r\n");
}

// A second name the player gave the log (a hard link elsewhere, to keep it)
// is no archive of ours: the log is archived as the rotation does, so every
// line it held stays among the log's files, and a new log begins.
TEST_F(LogHardening, ALogLinkedElsewhereIsArchivedWithEveryLine)
{
    WriteAll(Path(), "first\r\nsecond\r\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir("kept"));
    const QString kept = dir.filePath("kept/mine.log");
    ASSERT_EQ(
        ::link(QFile::encodeName(Path()).constData(), QFile::encodeName(kept).constData()), 0);
    log.Open();
    log.Write("third\r\n");
    log.Close();
    EXPECT_EQ(ReadAll(Archive(1)), "first\r\nsecond\r\n");
    EXPECT_EQ(ReadAll(Path()), "third\r\n");
    EXPECT_EQ(ReadAll(kept), "first\r\nsecond\r\n");
}

} // namespace
