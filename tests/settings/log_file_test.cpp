#include "tests/settings/log_fixture.h"

namespace {

template <typename E> std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const E& e) {
        return e.what();
    }
    return "<no error>";
}

TEST_F(LogTest, SessionsAreMarkedOnceAndAppendToOldContents)
{
    WriteAll(Path(), "old\r\n");
    int opened = 0, closed = 0, changed = 0;
    log.OnOpen = [&](TLogFile* sender) { opened += sender == &log; };
    log.OnClose = [&](TLogFile* sender) { closed += sender == &log; };
    log.OnChange = [&](TLogFile*) { ++changed; };
    log.SetOptions(logSession);
    changed = 0;

    log.Open();
    log.Open();
    EXPECT_TRUE(log.Active());
    log.Log("Zaviko", "*", "abc");
    log.Close();
    log.Close();
    EXPECT_FALSE(log.Active());

    EXPECT_EQ(Contents(),
        "old\r\n"
        "\r\n*** Log fajl otvoren 07/Dec/2026 09:05:03  ***\r\n"
        "abc\r\n"
        "\r\n*** Log fajl zatvoren 07/Dec/2026 09:05:03  ***\r\n");
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(changed, 3);
}

TEST_F(LogTest, OpenCreatesAMissingFileAndAutoOpenOpensOnLoading)
{
    log.SetOptions({});
    log.Loaded();
    EXPECT_FALSE(log.Active());
    log.SetAutoOpen(true);
    log.Loaded();
    EXPECT_TRUE(log.Active());
    EXPECT_TRUE(QFile::exists(Path()));
    EXPECT_EQ(Contents(), "");
}

TEST_F(LogTest, LineCarriesSourceTimestampAndCategoryInOrder)
{
    log.SetOptions(TLogOptions(logSource) | logTimestamp | logCategory | logSession);
    log.Open();
    log.Log("Zaviko", "*", "abc");
    log.SetOptions(logCategory);
    log.Log("Zaviko", "info", "");
    log.SetOptions({});
    log.Write("raw");
    EXPECT_TRUE(Contents().endsWith("Zaviko: 07/Dec/2026 09:05:03 [*] abc\r\n[info] \r\nraw"));
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
    int changed = 0;
    log.OnChange = [&](TLogFile*) { ++changed; };
    EXPECT_EQ(MessageOf<ELogError>([&] { log.SetMaxSize(1023); }), "Invalid MaxSize value");
    EXPECT_EQ(log.MaxSize(), 1048576);
    log.SetMaxSize(1024);
    log.SetMaxSize(1024);
    log.SetArchiveMode(bkDaily);
    log.SetArchiveMode(bkDaily);
    log.SetOptions(logSource);
    log.SetOptions(logSource);
    log.SetLogFileName(Path());
    EXPECT_EQ(changed, 3);

    // File names are case-sensitive here, so only the letter case is a change.
    log.SetLogFileName(dir.filePath("ZAVIKO.LOG"));
    EXPECT_EQ(changed, 4);

    log.SetArchiveDir("  /var/log/zaviko/ ");
    EXPECT_EQ(log.ArchiveDir(), "/var/log/zaviko");
    log.SetArchiveDir(" C:\\Games\\ ");
    EXPECT_EQ(log.ArchiveDir(), "C:\\Games");
    log.SetArchiveDir("/");
    EXPECT_EQ(log.ArchiveDir(), "/");
    EXPECT_EQ(changed, 4);

    log.Open();
    EXPECT_EQ(MessageOf<ELogError>([&] { log.SetLogFileName(Path()); }), "Invalid Operation");
    EXPECT_EQ(log.LogFileName(), dir.filePath("ZAVIKO.LOG"));
}

TEST_F(LogTest, ClearEmptiesTheFileAndWritingGoesOn)
{
    log.SetOptions({});
    log.Open();
    log.Write("first");
    int changed = 0;
    log.OnChange = [&](TLogFile*) { ++changed; };
    log.Clear();
    EXPECT_EQ(Contents(), "");
    log.Write("second");
    EXPECT_EQ(Contents(), "second");
    EXPECT_EQ(changed, 2);
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

TEST_F(LogTest, DestroyingAnOpenLogClosesIt)
{
    {
        TLogFile scoped;
        scoped.SetClock([this] { return now; });
        scoped.SetLogFileName(Path());
        scoped.SetOptions(logSession);
        scoped.Open();
    }
    EXPECT_TRUE(Contents().endsWith("*** Log fajl zatvoren 07/Dec/2026 09:05:03  ***\r\n"));
}

} // namespace
