// Hostile files where the saved match and the statistics lie, read through
// the path the program takes at start-up and at the first statistics event:
// nothing blocks, nothing is deleted, every refusal is said, and a folder that
// cannot be written sends both files to the per-user folder.
#include "tests/ui/test_files.h"
#include "tests/ui/main_window_fixture.h"

#include "game/controller/match_saver.h"

#include "game/rules/match_rules.h"
#include "game/controller/saved_match_store.h"
#include "game/controller/statistics_store.h"

#include <QDir>

#include <random>
#include <sstream>

#include <sys/stat.h>

namespace {

bool IsFifo(const QString& path)
{
    struct stat st { };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

TSavedMatch AMatch()
{
    TSavedMatch match;
    StartMatch(match.state, kEachForHimself, 0, true);
    DealNewDeck(match.state, FreshDeck(0));
    std::ostringstream random;
    random << std::mt19937_64(3);
    match.randomState = random.str();
    return match;
}

const TMatchEvent kHint { TMatchEventKind::HintShown, kTwoPlayers, 1 };

struct THostile {
    const char* what;
    std::function<void(const QString& file)> make;
    const char* said; // in the one message
    bool setAside; // moved to .bad.N
};

} // namespace

class HostileSavedMatch : public MainWindowTest {
protected:
    QString SaveFile() const { return dir.filePath("Zaviko.sav"); }
};

TEST_F(HostileSavedMatch, EachIsRefusedAtStartWithAMessageAndNothingIsDeleted)
{
    TSavedMatch lie = AMatch();
    lie.state.Score[SeatS] = 100000;
    lie.state.cells[0].points = 100000;
    const THostile cases[] = {
        { "pipe", [](const QString& f) { ::mkfifo(QFile::encodeName(f).constData(), 0600); },
            "to nije obican fajl", false },
        { "link to a device", [](const QString& f) { QFile::link("/dev/zero", f); },
            "to nije obican fajl", false },
        { "a score of 100000",
            [&lie](
                const QString& f) { WriteAll(f, QByteArray::fromStdString(SaveMatchText(lie))); },
            "rezultat je veci nego sto karte dozvoljavaju", true },
        { "a second damaged file", [](const QString& f) { WriteAll(f, "Zaviko saved match 1\n"); },
            "nedostaje polje mode", true },
        { "a generator of zeros, whose first draw never ends",
            [](const QString& f) {
                std::string text = SaveMatchText(AMatch());
                std::string zeros = "random ";
                for (int i = 0; i < 312; ++i)
                    zeros += "0 ";
                WriteAll(f,
                    QByteArray::fromStdString(
                        text.substr(0, text.find("\nrandom ") + 1) + zeros + "312\n"));
            },
            "stanje generatora slucajnih brojeva nije celo", true },
    };
    WriteAll(SaveFile() + ".bad.1", "an earlier damaged file");
    int asides = 1;
    for (const THostile& c : cases) {
        SCOPED_TRACE(c.what);
        c.make(SaveFile());
        sink.shown.errors.clear();
        Make();
        form->show();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        WaitIdle();
        ASSERT_EQ(sink.shown.errors.size(), 1u);
        EXPECT_NE(sink.shown.errors[0].find(c.said), std::string::npos) << sink.shown.errors[0];
        EXPECT_EQ(Controller().CardsLeft(), 24); // a fresh match was dealt
        EXPECT_EQ(ReadAll(SaveFile() + ".bad.1"), "an earlier damaged file");
        if (c.setAside) {
            ++asides;
            EXPECT_TRUE(QFileInfo(SaveFile() + ".bad." + QString::number(asides)).isFile());
        }
        // A file set aside leaves the place to the new match, which the
        // computers may have begun and which is kept after every move.
        form->MatchSaver().Flush();
        std::string error;
        const bool newMatch = c.setAside && QFileInfo(SaveFile()).isFile()
            && LoadMatchText(ReadAll(SaveFile()).toStdString(), error)
            && Controller().State().MovesMade > 0;
        EXPECT_EQ(QFileInfo::exists(SaveFile()) || QFileInfo(SaveFile()).isSymLink(),
            !c.setAside || newMatch);
        form.reset();
        QFile::remove(SaveFile());
    }
}

TEST_F(HostileSavedMatch, AFileThatCannotBeSetAsideIsKeptAndNeverWrittenOver)
{
    for (int n = 1; n <= 100; ++n)
        WriteAll(SaveFile() + ".bad." + QString::number(n), "older");
    WriteAll(SaveFile(), "damaged");
    const TSavedMatchStore store(Settings().FileName);
    EXPECT_FALSE(store.Load());
    ASSERT_EQ(sink.shown.errors.size(), 1u);
    EXPECT_NE(sink.shown.errors[0].find("ne moze da se skloni"), std::string::npos);
    EXPECT_FALSE(store.Save(AMatch()));
    EXPECT_EQ(ReadAll(SaveFile()), "damaged");
    // Nor is a link to a device written through.
    QFile::remove(SaveFile());
    QFile::link("/dev/null", SaveFile());
    EXPECT_FALSE(store.Save(AMatch()));
    EXPECT_TRUE(QFileInfo(SaveFile()).isSymLink());
}

class HostileStatistics : public ::testing::Test {
protected:
    QString Ini() const { return dir.filePath("Zaviko.ini"); }
    QString Stat() const { return dir.filePath("Zaviko.stat"); }
    TScopedRecordingSink sink;
    QTemporaryDir dir;
};

TEST_F(HostileStatistics, APipeIsLeftAloneWithAMessageAndNeverBlocks)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(Stat()).constData(), 0600), 0);
    TStatisticsStore store(Ini());
    store.Record(kHint); // the first event reads the file
    ASSERT_EQ(sink.shown.errors.size(), 1u);
    EXPECT_NE(sink.shown.errors[0].find("ne moze da se procita"), std::string::npos);
    EXPECT_FALSE(store.Writable());
    EXPECT_TRUE(IsFifo(Stat()));
}

TEST_F(HostileStatistics, CrLfLinesAreReadAndEachDamagedFileIsKept)
{
    TMatchStatistics some;
    some.Record(kHint);
    QByteArray crlf = QByteArray::fromStdString(some.SaveText());
    crlf.replace("\n", "\r\n");
    WriteAll(Stat(), crlf);
    EXPECT_EQ(TStatisticsStore(Ini()).Statistics(), some);
    EXPECT_TRUE(sink.shown.errors.empty());

    for (const char* damaged : { "first", "second" }) {
        WriteAll(Stat(), damaged);
        TStatisticsStore(Ini()).Statistics();
    }
    EXPECT_EQ(ReadAll(Stat() + ".bad.1"), "first");
    EXPECT_EQ(ReadAll(Stat() + ".bad.2"), "second");
    ASSERT_EQ(sink.shown.errors.size(), 2u);
    EXPECT_NE(sink.shown.errors[1].find("to nije fajl statistike"), std::string::npos);
}

// A writable settings file in a folder that cannot be written: the saved
// match and the statistics go to the per-user folder, the statistics taking
// over what lay beside the settings, and what lies there is never rewritten.
TEST_F(HostileStatistics, AReadOnlyFolderSendsBothFilesToThePerUserFolder)
{
    const QString user = dir.filePath("user");
    TMatchStatistics some;
    some.Record(kHint);
    const QByteArray beside = QByteArray::fromStdString(some.SaveText());
    WriteAll(Stat(), beside);
    TStatisticsStore stats(Ini(), user, false);
    EXPECT_EQ(stats.FileName(), user + "/Zaviko.stat");
    EXPECT_EQ(stats.Statistics(), some);
    stats.Record(kHint);
    EXPECT_EQ(TStatisticsStore(Ini(), user, false).Statistics().Of(kTwoPlayers, 1).hints, 2);
    EXPECT_EQ(ReadAll(Stat()), beside);

    const TSavedMatchStore saved(Ini(), user, false);
    EXPECT_EQ(saved.FileName(), user + "/Zaviko.sav");
    EXPECT_TRUE(saved.Save(AMatch()));
    EXPECT_TRUE(saved.Load());
    EXPECT_FALSE(QFile::exists(dir.filePath("Zaviko.sav")));
}
