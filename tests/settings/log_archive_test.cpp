#include "platform/file_times.h"
#include "settings/log_archive.h"
#include "tests/settings/log_fixture.h"

#include <ctime>

namespace {

class LogArchive : public LogTest {
protected:
    void SetUp() override
    {
        LogTest::SetUp();
        log.SetOptions({});
        log.SetMaxSize(1024);
    }
    QString Archive(int n, const QString& folder = {}) const
    {
        return (folder.isEmpty() ? dir.path() : folder) + "/Zaviko.log-12-2026."
            + QString::number(n);
    }
};

TEST_F(LogArchive, LineReachingMaxSizeEndsInTheArchiveAndTheLiveFileIsEmptied)
{
    log.SetArchiveDir(dir.path());
    log.Open();
    const QByteArray first(1000, 'a'), second(23, 'b'), third(30, 'c');
    log.Write(first);
    log.Write(second);
    EXPECT_FALSE(QFile::exists(Archive(1))); // 1023 bytes
    log.Write(third);
    EXPECT_EQ(ReadAll(Archive(1)), first + second + third);
    EXPECT_EQ(Contents(), "");

    log.Write(QByteArray(1024, 'd'));
    EXPECT_EQ(ReadAll(Archive(2)), QByteArray(1024, 'd'));
    EXPECT_EQ(Contents(), "");
    log.Write("tail");
    EXPECT_EQ(Contents(), "tail");
    EXPECT_EQ(FilesIn(dir.path()).size(), 3);
}

TEST_F(LogArchive, ExistingArchivesAreNeverOverwritten)
{
    log.SetArchiveDir(dir.path());
    WriteAll(Archive(1), "keep one");
    WriteAll(Archive(2), "keep two");
    log.Open();
    log.Write(QByteArray(1024, 'x'));
    EXPECT_EQ(ReadAll(Archive(1)), "keep one");
    EXPECT_EQ(ReadAll(Archive(2)), "keep two");
    EXPECT_EQ(ReadAll(Archive(3)), QByteArray(1024, 'x'));
}

TEST_F(LogArchive, ArchivesGoToTheTrimmedFolderOrTheCurrentOne)
{
    const QString folder = dir.filePath("old logs");
    log.SetArchiveDir("  " + folder + "/ ");
    log.Open();
    log.Write(QByteArray(1024, 'x'));
    EXPECT_EQ(ReadAll(Archive(1, folder)), QByteArray(1024, 'x'));

    const QString saved = QDir::currentPath();
    const QString current = dir.filePath("current");
    QDir().mkdir(current);
    QDir::setCurrent(current);
    log.SetArchiveDir("");
    log.Write(QByteArray(1024, 'y'));
    QDir::setCurrent(saved);
    EXPECT_EQ(ReadAll(Archive(1, current)), QByteArray(1024, 'y'));
}

TEST_F(LogArchive, OpenArchivesAFullFileBeforeTheSessionText)
{
    log.SetArchiveDir(dir.path());
    log.SetOptions(logSession);
    WriteAll(Path(), QByteArray(2000, 'o'));
    log.Open();
    EXPECT_EQ(ReadAll(Archive(1)), QByteArray(2000, 'o'));
    EXPECT_EQ(Contents(), "\r\n*** Log fajl otvoren 07/Dec/2026 09:05:03  ***\r\n");
}

TEST_F(LogArchive, FailedArchiveKeepsTheTextInTheLiveFile)
{
    WriteAll(dir.filePath("plain"), "a file, not a folder");
    log.SetArchiveDir(dir.filePath("plain/archives"));
    log.Open();
    log.Write(QByteArray(1000, 'a'));
    try {
        log.Write(QByteArray(100, 'b'));
        FAIL() << "no error";
    } catch (const ELogBackupError& e) {
        EXPECT_STREQ(e.what(), "Error saving log backup");
    }
    EXPECT_EQ(Contents(), QByteArray(1000, 'a') + QByteArray(100, 'b'));
    EXPECT_TRUE(log.Active());

    // A failure during Open closes the log again.
    log.Close();
    EXPECT_THROW(log.Open(), ELogBackupError);
    EXPECT_FALSE(log.Active());
}

TEST(LogPeriod, EachDateModeOnBothSidesOfItsThreshold)
{
    const QDate created(2026, 1, 15);
    EXPECT_FALSE(PeriodPassed(bkDaily, created, created));
    EXPECT_TRUE(PeriodPassed(bkDaily, created, created.addDays(1)));
    EXPECT_FALSE(PeriodPassed(bkWeekly, created, created.addDays(6)));
    EXPECT_TRUE(PeriodPassed(bkWeekly, created, created.addDays(7)));
    // A month is as many days as the current month has: February 2026 has 28.
    EXPECT_FALSE(PeriodPassed(bkMonthly, created, QDate(2026, 2, 11)));
    EXPECT_TRUE(PeriodPassed(bkMonthly, created, QDate(2026, 2, 12)));
    EXPECT_FALSE(PeriodPassed(bkMonthly, QDate(2026, 2, 1), QDate(2026, 3, 3)));
    EXPECT_TRUE(PeriodPassed(bkMonthly, QDate(2026, 2, 1), QDate(2026, 3, 4)));
    EXPECT_FALSE(PeriodPassed(bkSize, created, created.addDays(400)));
    EXPECT_FALSE(PeriodPassed(bkNone, created, created.addDays(400)));
}

TEST(LogPeriod, ArchiveNamesCarryMonthYearAndNumber)
{
    EXPECT_EQ(
        ArchiveName("/opt/zaviko/Zaviko.log", "", QDate(2026, 3, 9), 1), "Zaviko.log-03-2026.1");
    EXPECT_EQ(ArchiveName("Zaviko.log", "/tmp/a", QDate(2026, 12, 1), 12),
        "/tmp/a/Zaviko.log-12-2026.12");
}

// Far east of Greenwich, where a day begins while it is still yesterday in UTC.
class LogDateModes : public LogArchive {
protected:
    void SetUp() override
    {
        savedZone = qgetenv("TZ");
        qputenv("TZ", "XST-14");
        tzset();
        LogArchive::SetUp();
    }
    void TearDown() override
    {
        LogArchive::TearDown();
        if (savedZone.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", savedZone);
        tzset();
    }

    // Today, as far as the file's own creation time goes.
    QDate CreationDate()
    {
        QFile file(Path());
        if (!file.open(QIODevice::ReadOnly)) return {};
        const auto created = FileCreationTime(file.handle());
        return created ? created->toLocalTime().date() : QDate();
    }
    void Archives(TLogArchiveMode mode, int days, int daysDue)
    {
        WriteAll(Path(), "");
        const QDate created = CreationDate();
        ASSERT_TRUE(created.isValid()) << "the file system records no creation time";
        log.SetArchiveMode(mode);
        log.SetArchiveDir(dir.filePath(QString::number(mode)));
        now = QDateTime(created.addDays(days), QTime(12, 0));
        log.Open();
        log.Write("before");
        EXPECT_EQ(FilesIn(log.ArchiveDir()).size(), 0);
        now = QDateTime(created.addDays(daysDue), QTime(0, 0, 1));
        log.Write("due");
        EXPECT_EQ(FilesIn(log.ArchiveDir()).size(), 1);
        EXPECT_EQ(Contents(), "");
        EXPECT_EQ(CreationDate(), now.date()); // the period starts again
        log.Write("same day");
        EXPECT_EQ(FilesIn(log.ArchiveDir()).size(), 1);
        log.Close();
    }
    QByteArray savedZone;
};

TEST_F(LogDateModes, ArchiveOnceTheDayOrWeekIsOverAndNotTwiceThatDay)
{
    Archives(bkDaily, 0, 1);
    QFile::remove(Path());
    Archives(bkWeekly, 6, 7);
}

} // namespace
