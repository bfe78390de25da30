// A match under way is never lost by one key or by closing the window: "Nova"
// asks first, closing asks and saves, and the next start offers to go on.
#include "tests/ui/main_window_fixture.h"
#include "tests/support/run_until.h"

#include "game/controller/match_saver.h"
#include "game/controller/saved_match_store.h"
#include "tests/game/controller/stuck_search.h"
#include "tests/settings/file_helpers.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/window/game_option_setting.h"
#include "ui/window/move_history_panel.h"
#include "ui/window/seat_marks.h"
#include "ui/window/table_view.h"

#include <QAccessible>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocumentFragment>

#include <algorithm>

namespace {

std::string Joined(const std::vector<std::string>& texts)
{
    std::string all;
    for (const std::string& t : texts)
        all += t + "\n";
    return all;
}

} // namespace

class SavedMatchTest : public MainWindowTest {
protected:
    // The human lays a card down and the computers answer.
    void OneMove()
    {
        bool playIt = false, faceDown = false;
        TZuTablePos pos = tpAuto;
        int slot = 0;
        while (form->PlayerS->CardAt(slot)->Empty())
            ++slot;
        form->PlayerS->OnCardClick(form->PlayerS, form->PlayerS->CardAt(slot), slot, playIt, pos,
            faceDown, Qt::LeftButton);
        WaitIdle();
    }
    void ShowAndSettle()
    {
        form->show();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        WaitIdle();
    }
    QString SaveFile() const { return dir.filePath("Zaviko.sav"); }
    int SavedMoves() const
    {
        std::string error;
        const auto match = LoadMatchText(ReadAll(SaveFile()).toStdString(), error);
        return match ? match->state.MovesMade : -1;
    }
};

TEST_F(SavedMatchTest, NovaAsksExactlyWhileAMatchIsUnderWay)
{
    Make();
    SeedWhereHumanStarts();
    sink.shown.confirmations.clear();
    form->New1Click(); // nothing played yet: at once
    EXPECT_TRUE(sink.shown.confirmations.empty());
    SeedWhereHumanStarts();
    OneMove();
    const int moves = Controller().State().MovesMade;
    sink.shown.confirmReply = false;
    form->New1Click();
    ASSERT_EQ(sink.shown.confirmations.size(), 1u);
    EXPECT_EQ(Controller().State().MovesMade, moves); // declined: the match goes on
    sink.shown.confirmReply = true;
    form->New1Click();
    EXPECT_EQ(Controller().State().MovesMade, 0);
    EXPECT_EQ(sink.shown.confirmations.size(), 2u);
}

TEST_F(SavedMatchTest, ClosingSavesAndTheNextStartGoesOn)
{
    Make();
    SeedWhereHumanStarts();
    OneMove();
    const TMatchState before = Controller().State();
    sink.shown.confirmReply = false;
    EXPECT_FALSE(form->close()); // declined: the window stays
    // Kept after the move already, as a kill would find it.
    EXPECT_TRUE(form->MatchSaver().Flush());
    EXPECT_EQ(SavedMoves(), before.MovesMade);
    sink.shown.confirmReply = true;
    EXPECT_TRUE(form->close());
    ASSERT_TRUE(QFile::exists(SaveFile()));
    form.reset();

    sink.shown.confirmations.clear();
    Make();
    ShowAndSettle();
    EXPECT_NE(
        Joined(sink.shown.confirmations).find("Nastavi zapocetu partiju?"), std::string::npos);
    EXPECT_EQ(Controller().State().hands, before.hands);
    EXPECT_EQ(Controller().State().Score, before.Score);
    EXPECT_EQ(Controller().State().MovesMade, before.MovesMade);
    // Resumed, it is the match in progress, and stays on the disk as one.
    form->MatchSaver().Flush();
    EXPECT_EQ(SavedMoves(), before.MovesMade);
    form.reset();
    // Declined, it is offered no more.
    sink.shown.confirmReply = false;
    Make();
    ShowAndSettle();
    EXPECT_FALSE(QFile::exists(SaveFile()));
}

// A computer stuck in its move holds the window no longer than the stop's
// bound: closing goes on, and the match is saved.
TEST_F(SavedMatchTest, ClosingDuringAComputerStuckInItsMoveClosesAndSaves)
{
    Make();
    SeedWhereHumanStarts();
    static TStuckSearch search;
    search.Reset();
    Controller().SetSequenceObserver(&search);
    Controller().SetSequenceStopBound(0);
    bool playIt = false, faceDown = false;
    TZuTablePos pos = tpAuto;
    form->PlayerS->OnCardClick(
        form->PlayerS, form->PlayerS->CardAt(0), 0, playIt, pos, faceDown, Qt::LeftButton);
    while (!search.stuck.WaitFor(0))
        ServeEventsOnce();
    sink.shown.confirmReply = true;
    EXPECT_TRUE(form->close()); // never returned while the computer was stuck
    EXPECT_TRUE(Controller().SequenceAbandoned());
    EXPECT_TRUE(TSavedMatchStore(Settings().FileName).Load());
    search.release.SetEvent();
    search.ended.WaitFor(-1);
}

TEST_F(SavedMatchTest, TheLastMovesComeBackWithTheResumedMatch)
{
    Make();
    SeedWhereHumanStarts();
    OneMove();
    std::array<QString, kSeatCount> marks;
    for (int seat = SeatS; seat <= SeatE; ++seat)
        marks[seat] = form->SeatMarks()->Mark(seat)->text();
    ASSERT_FALSE(marks[SeatS].isEmpty());
    sink.shown.confirmReply = true;
    ASSERT_TRUE(form->close());
    form.reset();

    Make();
    // Shown with the question already, over the saved table, and after it.
    for (int seat = SeatS; seat <= SeatE; ++seat)
        EXPECT_EQ(form->SeatMarks()->Mark(seat)->text(), marks[seat]) << seat;
    ShowAndSettle();
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        EXPECT_EQ(form->SeatMarks()->Mark(seat)->text(), marks[seat]) << seat;
        EXPECT_EQ(form->SeatMarks()->Mark(seat)->isVisible(), !marks[seat].isEmpty()) << seat;
    }
}

// A folder where the save belongs makes every write fail: the player is told
// once while playing, and at the close the window stays while the real
// message box offers the choice: try again (the folder gone, it saves), save
// elsewhere (through the file dialog), or close and lose the match.
TEST_F(SavedMatchTest, AMatchThatCannotBeSavedLeavesTheChoiceToThePlayer)
{
    const QString elsewhere = dir.filePath("elsewhere.sav");
    const struct {
        const char* button;
        QString file; // where the match is found after the close, or none
    } cases[] = { { "Pokusaj ponovo", SaveFile() }, { "Sacuvaj drugde...", elsewhere },
        { "Zatvori bez cuvanja", QString() } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        Make();
        ShowAndSettle();
        // The computers may have opened the match already.
        form->MatchSaver().Flush();
        QFile::remove(SaveFile());
        ASSERT_TRUE(QDir(dir.path()).mkpath("Zaviko.sav"));
        sink.shown.errors.clear();
        SeedWhereHumanStarts();
        OneMove();
        const int moves = Controller().State().MovesMade;
        form->MatchSaver().Flush();
        QApplication::processEvents();
        ASSERT_EQ(sink.shown.errors.size(), 1u);
        EXPECT_NE(
            sink.shown.errors[0].find("Partija u toku ne moze da se cuva"), std::string::npos);

        auto previous = SetMessageSink(MakeMessageBoxSink());
        bool choiceShown = false, windowOpen = false;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                const bool choice = box->text().startsWith("Partija nije mogla da se sacuva.");
                for (QAbstractButton* button : box->buttons())
                    if (button->text() == (choice ? c.button : "Da")) {
                        if (choice) {
                            choiceShown = true;
                            windowOpen = form->isVisible();
                            if (c.file == SaveFile()) QDir(SaveFile()).removeRecursively();
                        }
                        button->click();
                    }
            } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                dialog->selectFile(elsewhere);
                static_cast<QDialog*>(dialog)->accept();
            }
        });
        driver.start(0);
        EXPECT_TRUE(form->close());
        driver.stop();
        SetMessageSink(std::move(previous));
        EXPECT_TRUE(choiceShown);
        EXPECT_TRUE(windowOpen);
        form.reset();
        if (!c.file.isEmpty()) {
            std::string error;
            const auto match = LoadMatchText(ReadAll(c.file).toStdString(), error);
            ASSERT_TRUE(match) << error;
            EXPECT_EQ(match->state.MovesMade, moves);
        }
        QDir(SaveFile()).removeRecursively();
        QFile::remove(SaveFile());
        QFile::remove(elsewhere);
    }
}

TEST_F(SavedMatchTest, ADamagedSaveIsSetAsideAndTheGameStarts)
{
    const QByteArray damaged[]
        = { "garbage\x01\x02", QByteArray(200000, 'x'), "Zaviko saved match 1\nmode 0\ndecks 0\n" };
    for (const QByteArray& bytes : damaged) {
        QFile file(SaveFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        sink.shown.errors.clear();
        Make();
        ShowAndSettle();
        ASSERT_EQ(sink.shown.errors.size(), 1u);
        EXPECT_NE(
            sink.shown.errors[0].find("Sacuvana partija ne moze da se nastavi"), std::string::npos);
        // Gone, or already the fresh match in progress if a computer has moved.
        form->MatchSaver().Flush();
        EXPECT_TRUE(!QFile::exists(SaveFile()) || TSavedMatchStore(Settings().FileName).Load());
        EXPECT_TRUE(QFile::exists(SaveFile() + ".bad.1"));
        QFile::remove(SaveFile() + ".bad.1");
        EXPECT_EQ(Controller().CardsLeft(), 24); // a fresh match was dealt
        form.reset();
    }
}

// "Tok igre": shown beside a table that keeps its size, named for readers,
// kept open in the settings, and its moves come back with the resumed match,
// where a move made before the save can still be taken back.
TEST_F(SavedMatchTest, TheHistoryPanelAndItsMovesComeBackWithTheResumedMatch)
{
    Make();
    ShowAndSettle();
    const int tableWidth = form->TableView()->width();
    TMoveHistoryPanel* panel = form->HistoryPanel();
    EXPECT_FALSE(panel->isVisible());
    form->Menu().History->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(form->TableView()->width(), tableWidth) << "the window grows by the panel";
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(panel->Text());
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("Tok igre"));
    SeedWhereHumanStarts();
    OneMove();
    const TMoveHistory moves = Controller().History();
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(panel->MovesShown(), int(moves.size()));
    const QString text = panel->Text()->toPlainText();
    const TMoveRecord& mine = *std::find_if(
        moves.begin(), moves.end(), [](const TMoveRecord& r) { return r.seat == SeatS; });
    EXPECT_TRUE(text.startsWith(QStringLiteral("Deljenje 1\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(form->PlayerS->PlayerName() + QStringLiteral(": ")
        + QTextDocumentFragment::fromHtml(TSeatMarks::MoveHtml(mine.playedId, {})).toPlainText()))
        << text.toStdString();
    sink.shown.confirmReply = true;
    ASSERT_TRUE(form->close());
    form.reset();

    Make();
    ShowAndSettle();
    ASSERT_TRUE(form->HistoryPanel()->isVisible()) << "the settings keep it open";
    EXPECT_TRUE(Controller().History() == moves);
    EXPECT_EQ(form->HistoryPanel()->Text()->toPlainText(), text);
    ASSERT_EQ(Controller().UndoDepth(), 1);
    form->Vratipotez1Click();
    EXPECT_LT(form->HistoryPanel()->MovesShown(), int(moves.size()));
    EXPECT_EQ(form->HistoryPanel()->MovesShown(), int(Controller().History().size()));
    const int withPanel = form->width();
    form->Menu().History->trigger();
    EXPECT_FALSE(form->HistoryPanel()->isVisible());
    QApplication::processEvents();
    EXPECT_LT(form->width(), withPanel);
    EXPECT_GE(form->TableView()->width(), tableWidth) << "the table never shrinks below 1x";
}

// Kept open, the panel widens the window of a first start (no size kept) by
// its own width and the separator beside it, and the window stays on the
// screen: the table keeps its 1x size.
TEST_F(SavedMatchTest, AHistoryPanelKeptOpenWidensAFirstStartByItsWidthOnly)
{
    Make();
    ShowAndSettle();
    const QSize table = form->TableView()->size();
    const int window = form->width();
    form.reset();
    ASSERT_TRUE(StoreGameOption(dir.filePath("Zaviko.ini"), QStringLiteral("MoveHistory"), true));
    Make();
    ShowAndSettle();
    const TMoveHistoryPanel* panel = form->HistoryPanel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(form->TableView()->size(), table);
    EXPECT_EQ(panel->width(), panel->minimumSizeHint().width());
    const int separator = panel->x() - form->TableView()->geometry().right() - 1;
    EXPECT_EQ(separator, form->style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent));
    EXPECT_EQ(form->width(), window + separator + panel->width());
    const QRect area = form->screen()->availableGeometry();
    const int centred = area.center().x() - form->rect().center().x();
    EXPECT_EQ(form->x(), std::max(centred, area.left()));
}
