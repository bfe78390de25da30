// The statistics file beside the settings and the "Statistika" dialog: read
// back whole, a damaged file set aside and never overwritten before that, a
// reset only after a "yes", and the window feeding both from its match.
#include "tests/ui/test_files.h"
#include "tests/ui/main_window_fixture.h"

#include "settings/atomic_file.h"
#include "settings/writer_lock.h"
#include "ui/desktop/language.h"
#include "ui/dialogs/statistics_dialog.h"
#include "game/controller/statistics_store.h"

#include <QDir>
#include <QPushButton>
#include <QTableWidget>

namespace {

const TMatchEvent kHint { TMatchEventKind::HintShown, kTwoPlayers, 1 };
const TMatchEvent kWin { TMatchEventKind::MatchEnded, kPairs, 0, 0, false, 112, true };
const TMatchEvent kHand { TMatchEventKind::HandEnded, kPairs, 0, 2, true };

class StatisticsStoreTest : public ::testing::Test {
protected:
    QString Ini() const { return dir.filePath("Zaviko.ini"); }
    QString Stat() const { return dir.filePath("Zaviko.stat"); }

    TScopedRecordingSink sink;
    QTemporaryDir dir;
};

TEST_F(StatisticsStoreTest, KeepsEveryEventBesideTheSettings)
{
    TStatisticsStore first(Ini());
    EXPECT_EQ(first.FileName(), Stat());
    EXPECT_TRUE(first.Statistics().Empty()); // no file yet: nothing to report
    for (const TMatchEvent& event : { kHint, kWin, kHand, kHand })
        first.Record(event);
    // Each event is on disk at once: a second store sees all of them.
    TStatisticsStore second(Ini());
    EXPECT_EQ(second.Statistics(), first.Statistics());
    EXPECT_EQ(second.Statistics().Of(kPairs, 0).hands, 2);
    EXPECT_EQ(second.Statistics().Of(kPairs, 0).clears, 4);
    EXPECT_TRUE(sink.shown.errors.empty());
}

TEST_F(StatisticsStoreTest, ADamagedFileIsSetAsideWithAMessageAndKept)
{
    TMatchStatistics some;
    some.Record(kWin);
    const QByteArray good = QByteArray::fromStdString(some.SaveText());
    const std::vector<std::pair<const char*, QByteArray>> cases {
        { "foreign", "[Zaviko]\r\nS=Ja\r\n" },
        { "cut short", good.left(good.size() - 5) },
        { "binary", QByteArray("\0\xff\x01Zaviko", 9) },
        { "huge", good + QByteArray(200000, '\n') },
        { "contradictory", QByteArray(good).replace("won 1", "won 7") },
    };
    for (const auto& [name, content] : cases) {
        SCOPED_TRACE(name);
        QFile::remove(Stat() + ".bad.1");
        WriteAll(Stat(), content);
        sink.shown.errors.clear();
        TStatisticsStore store(Ini());
        EXPECT_TRUE(store.Statistics().Empty());
        ASSERT_EQ(sink.shown.errors.size(), 1u);
        EXPECT_NE(sink.shown.errors[0].find("Zaviko.stat.bad.1"), std::string::npos);
        EXPECT_EQ(ReadAll(Stat() + ".bad.1"), content);
        store.Record(kHint);
        EXPECT_EQ(ReadAll(Stat() + ".bad.1"), content);
        EXPECT_EQ(TStatisticsStore(Ini()).Statistics().Of(kTwoPlayers, 1).hints, 1);
    }
}

TEST_F(StatisticsStoreTest, ADamagedFileThatCannotBeSetAsideIsNeverOverwritten)
{
    const QByteArray damaged = "Zaviko statistics 1\nmode 0 decks 0 played 3";
    WriteAll(Stat(), damaged);
    // Every name for a set-aside copy is taken by an earlier one.
    for (int n = 1; n <= 100; ++n)
        WriteAll(Stat() + ".bad." + QString::number(n), "older");
    TStatisticsStore store(Ini());
    EXPECT_TRUE(store.Statistics().Empty());
    ASSERT_EQ(sink.shown.errors.size(), 1u);
    EXPECT_FALSE(store.Writable());
    store.Record(kWin);
    EXPECT_FALSE(store.Reset());
    EXPECT_EQ(ReadAll(Stat()), damaged);
}

TEST_F(StatisticsStoreTest, ACrashWhileSavingLeavesTheLastStatistics)
{
    TStatisticsStore store(Ini());
    store.Record(kWin);
    const QByteArray before = ReadAll(Stat());
    SetBeforeReplaceHook([](const QString&) { throw std::runtime_error("killed"); });
    EXPECT_THROW(store.Record(kHand), std::runtime_error);
    SetBeforeReplaceHook(nullptr);
    EXPECT_EQ(ReadAll(Stat()), before);
    EXPECT_EQ(TStatisticsStore(Ini()).Statistics().Of(kPairs, 0).played, 1);
}

// A count at the largest value the reader takes stays there: every file the
// game writes is one it reads back.
TEST_F(StatisticsStoreTest, ACountAtTheBoundStaysThere)
{
    const std::string most = std::to_string(kMaxStatisticCount);
    std::string line = "mode 1 decks 0";
    for (const char* key :
        { "played", "won", "best", "sum", "hands", "clears", "bonuses", "hints" })
        line += std::string(" ") + key + " " + most;
    WriteAll(Stat(), QByteArray::fromStdString("Zaviko statistics 1\n" + line + "\nend\n"));
    TStatisticsStore store(Ini());
    for (const TMatchEvent& event :
        { kWin, kHand, TMatchEvent { TMatchEventKind::HintShown, kPairs, 0 } })
        store.Record(event);
    const TModeStatistics full { kMaxStatisticCount, kMaxStatisticCount, kMaxStatisticCount,
        kMaxStatisticCount, kMaxStatisticCount, kMaxStatisticCount, kMaxStatisticCount,
        kMaxStatisticCount };
    EXPECT_EQ(TStatisticsStore(Ini()).Statistics().Of(kPairs, 0), full);
    EXPECT_EQ(store.Statistics().Of(kPairs, 0), full);
    EXPECT_TRUE(sink.shown.errors.empty());
    EXPECT_FALSE(QFileInfo::exists(Stat() + ".bad.1"));
}

// Two copies of the game, or two stores, on one file: each save adds its own
// counts to what the file holds, so neither writer's matches are lost.
TEST_F(StatisticsStoreTest, TwoWritersBothCount)
{
    TStatisticsStore first(Ini()), second(Ini());
    EXPECT_TRUE(first.Statistics().Empty()); // both read the file before either writes
    EXPECT_TRUE(second.Statistics().Empty());
    first.Record(kWin);
    second.Record(kWin);
    second.Record(kHand);
    first.Record(kHand);
    const TMatchStatistics onDisk = TStatisticsStore(Ini()).Statistics();
    const TModeStatistics both = onDisk.Of(kPairs, 0);
    EXPECT_EQ(both, (TModeStatistics { 2, 2, 112, 224, 2, 4, 2, 0 }));
    EXPECT_EQ(first.Statistics(), onDisk); // a save shows what the other added

    // While another writer holds the lock the count waits; it is not lost.
    {
        const TWriterLock held(Stat(), 0);
        ASSERT_TRUE(held.Held());
        first.Record(kHint);
    }
    ASSERT_EQ(sink.shown.errors.size(), 1u);
    EXPECT_NE(sink.shown.errors[0].find("nije mogla da se sacuva"), std::string::npos);
    EXPECT_EQ(TStatisticsStore(Ini()).Statistics().Of(kTwoPlayers, 1).hints, 0);
    second.Record(kHint);
    EXPECT_TRUE(first.Save());
    EXPECT_EQ(TStatisticsStore(Ini()).Statistics().Of(kTwoPlayers, 1).hints, 2);
    EXPECT_EQ(TStatisticsStore(Ini()).Statistics().Of(kPairs, 0), both);
}

// The statistics of matches with a move taken back have a file of their own;
// a message about either says which it is.
TEST_F(StatisticsStoreTest, ADamagedFileIsNamedInItsMessage)
{
    const std::pair<QString, const char*> cases[] = {
        { TStatisticsStore::kExtension, "Statistika u " },
        { TStatisticsStore::kUndoExtension, "Statistika partija sa vracenim potezom u " },
    };
    for (const auto& [extension, subject] : cases) {
        const QString file = dir.filePath("Zaviko" + extension);
        WriteAll(file, "Zaviko statistics 1\nmode 0");
        sink.shown.errors.clear();
        TStatisticsStore(Ini(), extension).Statistics();
        ASSERT_EQ(sink.shown.errors.size(), 1u);
        EXPECT_EQ(sink.shown.errors[0].rfind(subject + file.toStdString() + " je ostecena", 0), 0u)
            << sink.shown.errors[0];
    }
}

TEST_F(StatisticsStoreTest, ResetAsksFirstAndEmptiesOnlyOnYes)
{
    TStatisticsStore store(Ini());
    store.Record(kWin);
    store.Record(kHint);
    TStatisticsDialog dialog(store);
    auto cell
        = [&dialog](int row, int column) { return dialog.Table()->item(row, column)->text(); };
    const int pairsOneDeck = kPairs * kStatisticDecks;
    EXPECT_EQ(cell(0, pairsOneDeck), "1"); // played
    EXPECT_EQ(cell(2, pairsOneDeck), "112"); // best
    EXPECT_EQ(cell(4, pairsOneDeck), "-"); // no hand yet: no average
    const QByteArray before = ReadAll(Stat());
    auto* reset = dialog.findChild<QPushButton*>("ButtonReset");
    ASSERT_TRUE(reset);
    EXPECT_EQ(reset->text(), "Ponisti");

    sink.shown.confirmReply = false;
    reset->click();
    EXPECT_EQ(sink.shown.confirmations.size(), 1u);
    // A reset cannot be undone: Enter must not be a "yes".
    EXPECT_EQ(sink.shown.destructive, sink.shown.confirmations);
    EXPECT_EQ(store.Statistics().Of(kPairs, 0).played, 1);
    EXPECT_EQ(ReadAll(Stat()), before);
    EXPECT_EQ(cell(0, pairsOneDeck), "1");

    sink.shown.confirmReply = true;
    reset->click();
    EXPECT_EQ(sink.shown.confirmations.size(), 2u);
    EXPECT_TRUE(store.Statistics().Empty());
    EXPECT_TRUE(TStatisticsStore(Ini()).Statistics().Empty());
    EXPECT_EQ(cell(0, pairsOneDeck), "0");
    EXPECT_EQ(cell(2, pairsOneDeck), "-");
}

// Each language writes a fraction its own way: English "1.50", Serbian "1,50".
TEST_F(StatisticsStoreTest, AveragesWriteTheDecimalSignOfTheLanguage)
{
    TStatisticsStore store(Ini());
    store.Record(kWin);
    store.Record(kHand); // two clears and the bonus in one hand
    store.Record({ TMatchEventKind::HandEnded, kPairs, 0, 1, false });
    const int pairsOneDeck = kPairs * kStatisticDecks;
    const char* averages[] = { "112#00", "1#50", "0#50" };
    const std::pair<const char*, char> languages[]
        = { { SourceLanguage, ',' }, { "en", '.' }, { "sr_Latn", ',' }, { "sr_Cyrl", ',' } };
    for (const auto& [code, sign] : languages) {
        ASSERT_TRUE(InstallLanguage(QString::fromLatin1(code))) << code;
        TStatisticsDialog dialog(store);
        for (int row = 3; row <= 5; ++row)
            EXPECT_EQ(dialog.Table()->item(row, pairsOneDeck)->text(),
                QString::fromLatin1(averages[row - 3]).replace(QChar('#'), QChar(sign)))
                << code << " row " << row;
    }
    ASSERT_TRUE(InstallLanguage(QString::fromLatin1(SourceLanguage)));
    TStatisticsDialog dialog(store);
    EXPECT_EQ(dialog.Table()->verticalHeaderItem(3)->text(), "Prosecan rezultat");
}

TEST_F(MainWindowTest, HintsReachTheStatisticsFileAndTheDialog)
{
    Make();
    SeedWhereHumanStarts();
    QAction* item = form->Menu().Statistics;
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text(), "&Statistika...");
    ASSERT_TRUE(Controller().HintAvailable());
    form->Menu().Hint->trigger();
    WaitForHint();
    const TMatchState& s = Controller().State();
    TStatisticsStore reread(dir.filePath("Zaviko.ini"));
    EXPECT_EQ(reread.Statistics().Of(s.GameMode, s.DeckCount).hints, 1);
    const bool opened = WithModal<TStatisticsDialog>([item] { item->trigger(); },
        [&s](TStatisticsDialog& dialog) {
            const int column = s.GameMode * kStatisticDecks + s.DeckCount;
            EXPECT_EQ(dialog.Table()->item(6, column)->text(), "1");
            dialog.findChild<QPushButton*>("ButtonClose")->click();
        });
    EXPECT_TRUE(opened);
}

// A move taken back marks the match: what follows is counted apart, in a
// file of its own, and the statistics file keeps the format older builds read.
TEST_F(MainWindowTest, AMatchWithAMoveTakenBackIsCountedApart)
{
    Make();
    SeedWhereHumanStarts();
    int slot = 0;
    while (form->PlayerS->CardAt(slot)->Empty())
        ++slot;
    bool playIt = false, faceDown = false;
    TZuTablePos pos = tpAuto;
    form->PlayerS->OnCardClick(
        form->PlayerS, form->PlayerS->CardAt(slot), slot, playIt, pos, faceDown, Qt::LeftButton);
    WaitIdle();
    form->Vratipotez1Click();
    ASSERT_TRUE(Controller().UndoUsed());
    form->Menu().Hint->trigger();
    WaitForHint();
    const TMatchState& s = Controller().State();
    TStatisticsStore apart(dir.filePath("Zaviko.ini"), TStatisticsStore::kUndoExtension);
    EXPECT_EQ(apart.FileName(), dir.filePath("Zaviko.undo.stat"));
    EXPECT_EQ(apart.Statistics().Of(s.GameMode, s.DeckCount).hints, 1);
    EXPECT_EQ(
        TStatisticsStore(dir.filePath("Zaviko.ini")).Statistics().Of(s.GameMode, s.DeckCount).hints,
        0);
    EXPECT_TRUE(ReadAll(dir.filePath("Zaviko.undo.stat")).startsWith("Zaviko statistics 1\n"));

    form->UndoStatistics().Record(kWin);
    // A match at a network table has rows of its own too.
    form->NetworkStatistics().Record(kWin);
    form->NetworkStatistics().Record(kWin);
    const bool opened = WithModal<TStatisticsDialog>([this] { form->Statistika1Click(); },
        [](TStatisticsDialog& dialog) {
            const int column = kPairs * kStatisticDecks;
            EXPECT_EQ(dialog.Table()->verticalHeaderItem(7)->text(), "Partije sa vracenim potezom");
            EXPECT_EQ(dialog.Table()->item(7, column)->text(), "1");
            EXPECT_EQ(dialog.Table()->item(8, column)->text(), "1");
            EXPECT_EQ(dialog.Table()->verticalHeaderItem(9)->text(), "Partije preko mreze");
            EXPECT_EQ(dialog.Table()->item(9, column)->text(), "2");
            EXPECT_EQ(dialog.Table()->item(10, column)->text(), "2");
            EXPECT_EQ(dialog.Table()->item(0, column)->text(), "0") << "not among the others";
            dialog.findChild<QPushButton*>("ButtonClose")->click();
        });
    EXPECT_TRUE(opened);
}

} // namespace
