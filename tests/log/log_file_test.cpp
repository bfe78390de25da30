#include "platform/file_times.h"
#include "log/disk_syncer.h"
#include "log/log_archive.h"
#include "log/log_file.h"
#include "log/timestamp_format.h"
#include "tests/settings/file_helpers.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ctime>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A log in a fresh folder with the clock stopped at 7 March 2026 09:05:03,
// English month names, and its events recorded.
class LogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English));
        log.SetLogFileName(Path());
        log.SetClock([this] { return now; });
        const auto record = [this](const char* event) {
            return [this, event](TLogFile* sender) { events << (sender == &log ? event : "?"); };
        };
        log.OnChange = record("change");
        log.OnOpen = record("open");
        log.OnClose = record("close");
    }
    void TearDown() override { QLocale::setDefault(savedLocale); }

    QString Path() const { return dir.filePath("Zaviko.log"); }
    QByteArray Contents() const { return ReadAll(Path()); }

    QLocale savedLocale;
    QTemporaryDir dir;
    QDateTime now { QDate(2026, 3, 7), QTime(9, 5, 3) };
    QStringList events; // outlives the log, which records its closing
    std::unique_ptr<TLogFile> owned = std::make_unique<TLogFile>();
    TLogFile& log = *owned;
};

const QByteArray kOpened = "\r\n*** Log fajl otvoren 07/Mar/2026 09:05:03  ***\r\n";
const QByteArray kClosed = "\r\n*** Log fajl zatvoren 07/Mar/2026 09:05:03  ***\r\n";

TEST_F(LogTest, SessionsAreMarkedOnceAndAppendToOldContents)
{
    WriteAll(Path(), "old\r\n");
    log.SetOptions(logSession);
    log.Open();
    log.Open();
    EXPECT_TRUE(log.Active());
    log.Log("Zaviko", "*", "abc");
    log.Close();
    log.Close();
    EXPECT_FALSE(log.Active());
    log.Open();
    owned.reset(); // destroying an open log closes it
    EXPECT_EQ(Contents(), "old\r\n" + kOpened + "abc\r\n" + kClosed + kOpened + kClosed);
    EXPECT_EQ(events,
        QStringList({ "change", "change", "open", "change", "change", "close", "change", "open",
            "change", "close" }));
}

TEST_F(LogTest, LinesCarrySourceTimestampAndCategoryInOrder)
{
    log.SetOptions(TLogOptions(logSource) | logTimestamp | logCategory | logSession);
    log.Loaded();
    EXPECT_FALSE(log.Active());
    log.SetAutoOpen(true);
    log.Loaded(); // opens, creating the file
    log.Log("Zaviko", "*", "abc");
    log.SetOptions(logCategory);
    log.Log("Zaviko", "info", "");
    log.SetOptions({});
    log.Write("raw");
    EXPECT_EQ(Contents(), kOpened + "Zaviko: 07/Mar/2026 09:05:03 [*] abc\r\n[info] \r\nraw");

    events.clear();
    log.Clear();
    log.Write("after");
    EXPECT_EQ(Contents(), "after");
    EXPECT_EQ(events, QStringList({ "change", "change" }));
}

TEST_F(LogTest, ClosedLogRefusesWork)
{
    EXPECT_EQ(MessageOf<ELogWriteError>([&] { log.Write("x"); }), "Invalid Operation");
    EXPECT_EQ(MessageOf<ELogWriteError>([&] { log.Log("a", "b", "c"); }), "Invalid Operation");
    EXPECT_EQ(MessageOf<ELogError>([&] { log.Clear(); }), "Invalid Operation");
    EXPECT_FALSE(QFile::exists(Path()));

    const QString bad = dir.filePath("no/such/folder.log");
    log.SetLogFileName(bad);
    EXPECT_EQ(MessageOf<ELogOpenError>([&] { log.Open(); }),
        "Could not open log file \"" + bad.toStdString() + "\"");
    EXPECT_FALSE(log.Active());
}

TEST_F(LogTest, PropertyWritersCheckAndReportChanges)
{
    EXPECT_EQ(MessageOf<ELogError>([&] { log.SetMaxSize(1023); }), "Invalid MaxSize value");
    EXPECT_EQ(log.MaxSize(), 1048576);
    for (int pass = 0; pass < 2; ++pass) { // the second pass changes nothing
        log.SetMaxSize(1024);
        log.SetArchiveMode(bkNone);
        log.SetOptions(logSource);
        // File names are case-sensitive here, so only the letter case is a change.
        log.SetLogFileName(dir.filePath("ZAVIKO.LOG"));
        log.SetArchiveDir(" C:\\Games\\ ");
    }
    EXPECT_EQ(events, QStringList(4, "change"));
    EXPECT_EQ(log.ArchiveDir(), "C:\\Games");
    log.SetArchiveDir("/");
    EXPECT_EQ(log.ArchiveDir(), "/");

    log.Open();
    EXPECT_EQ(MessageOf<ELogError>([&] { log.SetLogFileName(Path()); }), "Invalid Operation");
    EXPECT_EQ(log.LogFileName(), dir.filePath("ZAVIKO.LOG"));
}

TEST_F(LogTest, RefusedWriteIsReportedAndAFailedOpenClosesAgain)
{
    log.SetLogFileName("/dev/full");
    log.SetArchiveMode(bkNone);
    EXPECT_THROW(log.Open(), ELogWriteError); // the session text cannot be written
    EXPECT_FALSE(log.Active());

    log.SetOptions({});
    log.Open();
    EXPECT_THROW(log.Write("lost"), ELogWriteError);
}

class LogArchive : public LogTest {
protected:
    void SetUp() override
    {
        LogTest::SetUp();
        log.SetOptions({});
        log.SetMaxSize(1024);
        log.SetArchiveDir(dir.path());
    }
    QString Archive(int n, const QString& folder = {}) const
    {
        return (folder.isEmpty() ? dir.path() : folder) + "/Zaviko.log-03-2026."
            + QString::number(n);
    }
    // A line of about 70 bytes, numbered n.
    static QByteArray Line(int n)
    {
        return "line " + QByteArray::number(n) + ' ' + QByteArray(60, 'x') + "\r\n";
    }
    // Every archive in order, then the live file: the whole text written.
    QByteArray ArchivesAndContents() const
    {
        QByteArray kept;
        for (int n = 1; QFile::exists(Archive(n)); ++n)
            kept += ReadAll(Archive(n));
        return kept + Contents();
    }
};

TEST_F(LogArchive, LineReachingMaxSizeEndsInTheArchiveAndTheLiveFileIsEmptied)
{
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

// While the disk's copy waits, every line is still in the file at once, in
// order, across archives; ending the wait or closing changes no text.
TEST_F(LogArchive, LinesWhoseSyncIsDeferredAreInTheFilesAtOnceAndInOrder)
{
    log.SetOptions(logSession);
    log.DeferSync();
    log.Open();
    QByteArray written = kOpened;
    for (int n = 0; n < 30; ++n) {
        log.Write(Line(n));
        written += Line(n);
    }
    EXPECT_EQ(ArchivesAndContents(), written) << "read by another handle before any sync";
    EXPECT_TRUE(QFile::exists(Archive(1)));

    log.EndDeferredSync();
    EXPECT_FALSE(log.SyncDeferred());
    log.Write("synced\r\n");
    log.DeferSync();
    log.Write("late\r\n");
    const QByteArray tail = Contents();
    log.Close(); // the deferred lines go to the disk before the closing text
    EXPECT_FALSE(log.SyncDeferred());
    EXPECT_EQ(Contents(), tail + kClosed);
    EXPECT_TRUE(tail.endsWith("synced\r\nlate\r\n"));
}

// Synced from the stream's own thread, each line is in the file as Write
// returns, in order, across archives and sessions.
TEST_F(LogArchive, LinesSyncedInTheBackgroundAreInTheFilesAtOnceAndInOrder)
{
    log.SetOptions(logSession);
    log.SetSyncInBackground(true);
    log.Open();
    QByteArray written = kOpened;
    for (int n = 0; n < 30; ++n) {
        log.Write(Line(n));
        written += Line(n);
        ASSERT_EQ(ArchivesAndContents(), written) << "after line " << n;
    }
    EXPECT_TRUE(QFile::exists(Archive(2)));
    const QByteArray tail = Contents();
    log.Close();
    EXPECT_EQ(Contents(), tail + kClosed);
    log.Open(); // the setting holds for the next session
    log.Write("again\r\n");
    EXPECT_TRUE(Contents().endsWith(kOpened + "again\r\n"));
}

TEST(DiskSyncer, ReportsADiskThatRefusesOnceAndFinishesWhatWasAskedBeforeItGoes)
{
    QTemporaryDir dir;
    const int handle = ::open(
        QFile::encodeName(dir.filePath("f")).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    ASSERT_GE(handle, 0);
    {
        TDiskSyncer good(handle);
        for (int i = 0; i < 20; ++i) {
            ASSERT_EQ(::write(handle, "x", 1), 1);
            good.Request();
        }
        good.Drain();
        EXPECT_FALSE(good.TakeFailure());
        good.Request(); // still asked for as it goes: done before it is gone
    }
    ::close(handle);
    TDiskSyncer refused(-1); // no file: every sync fails
    refused.Request();
    refused.Drain();
    EXPECT_TRUE(refused.TakeFailure());
    EXPECT_FALSE(refused.TakeFailure()) << "reported once";
}

TEST_F(LogArchive, ArchivesGoToTheTrimmedFolderOrBesideTheLogAndNeverOverwrite)
{
    const QString folder = dir.filePath("old logs");
    QDir().mkdir(folder);
    WriteAll(Archive(1, folder), "keep one");
    WriteAll(Archive(2, folder), "keep two");
    log.SetArchiveDir("  " + folder + "/ ");
    log.Open();
    log.Write(QByteArray(1024, 'x'));
    EXPECT_EQ(ReadAll(Archive(1, folder)) + ReadAll(Archive(2, folder)), "keep onekeep two");
    EXPECT_EQ(ReadAll(Archive(3, folder)), QByteArray(1024, 'x'));

    // Without a folder the archives go beside the log, wherever the process
    // happens to stand.
    const QString saved = QDir::currentPath();
    const QString current = dir.filePath("current");
    QDir().mkdir(current);
    QDir::setCurrent(current);
    log.SetArchiveDir("");
    log.Write(QByteArray(1024, 'y'));
    QDir::setCurrent(saved);
    EXPECT_EQ(ReadAll(Archive(1, dir.path())), QByteArray(1024, 'y'));
    EXPECT_EQ(FilesIn(current), QStringList());
}

TEST_F(LogArchive, OpenArchivesAFullFileBeforeTheSessionText)
{
    log.SetOptions(logSession);
    WriteAll(Path(), QByteArray(2000, 'o'));
    log.Open();
    EXPECT_EQ(ReadAll(Archive(1)), QByteArray(2000, 'o'));
    EXPECT_EQ(Contents(), kOpened);
}

TEST_F(LogArchive, FailedArchiveKeepsTheTextInTheLiveFile)
{
    WriteAll(dir.filePath("plain"), "a file, not a folder");
    log.SetArchiveDir(dir.filePath("plain/archives"));
    log.Open();
    log.Write(QByteArray(1000, 'a'));
    EXPECT_EQ(MessageOf<ELogBackupError>([&] { log.Write(QByteArray(100, 'b')); }),
        "Error saving log backup");
    EXPECT_EQ(Contents(), QByteArray(1000, 'a') + QByteArray(100, 'b'));
    EXPECT_TRUE(log.Active());
}

TEST(LogPeriod, EachDateModeOnBothSidesOfItsThreshold)
{
    const QDate jan15(2026, 1, 15), feb1(2026, 2, 1);
    // Each mode's last day that is not yet due, and its first day that is.
    const struct {
        TLogArchiveMode mode;
        QDate created, notYet, due;
    } cases[] = { { bkDaily, jan15, jan15, jan15.addDays(1) },
        { bkWeekly, jan15, jan15.addDays(6), jan15.addDays(7) },
        // A month is as many days as the current month has: February 2026 has 28.
        { bkMonthly, jan15, QDate(2026, 2, 11), QDate(2026, 2, 12) },
        { bkMonthly, feb1, QDate(2026, 3, 3), QDate(2026, 3, 4) } };
    for (const auto& c : cases) {
        EXPECT_FALSE(PeriodPassed(c.mode, c.created, c.notYet)) << "mode " << c.mode;
        EXPECT_TRUE(PeriodPassed(c.mode, c.created, c.due)) << "mode " << c.mode;
    }
    for (const TLogArchiveMode mode : { bkSize, bkNone })
        EXPECT_FALSE(PeriodPassed(mode, jan15, jan15.addDays(400)));
}

void SetZone(const QByteArray& zone)
{
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    tzset();
}

// Far east of Greenwich, where a day begins while it is still yesterday in UTC.
struct TFarEast {
    TFarEast() { SetZone("XST-14"); }
    ~TFarEast() { SetZone(saved); }
    const QByteArray saved = qgetenv("TZ");
};

class LogDateModes : public LogArchive {
protected:
    TFarEast farEast; // before the fixture's own set-up
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
};

TEST_F(LogDateModes, ArchiveOnceTheDayOrWeekIsOverAndNotTwiceThatDay)
{
    Archives(bkDaily, 0, 1);
    QFile::remove(Path());
    Archives(bkWeekly, 6, 7);
}

TEST(TimestampFormat, TokensInTheLocalesNamesAndSeparatorsWithEveryFieldPadded)
{
    const QDateTime time(QDate(987, 1, 2), QTime(23, 0, 9));
    const QLocale finnish(QLocale::Finnish, QLocale::Finland);
    EXPECT_EQ(FormatTimestamp("dd/mmm/yyyy hh:nn:ss ", time, finnish),
        "02." + finnish.monthName(1, QLocale::ShortFormat) + ".0987 23.00.09 ");
    EXPECT_EQ(FormatTimestamp("dd/mm/yyyy", time, QLocale(QLocale::Swedish)), "02-mm-0987");
    EXPECT_EQ(FormatTimestamp("[yyyy|dd|hh|nn|ss] d h n s y", time, QLocale(QLocale::English)),
        "[0987|02|23|00|09] d h n s y");
}

} // namespace
