// A whole match played through the window's card groups, with the computer
// seats on their worker and the end-of-hand dialogs closed as they open.
#include "tests/ui/main_window_fixture.h"

#include "game/computer/computer_choice.h"
#include "game/rules/match_rules.h"
#include "ui/dialogs/deck_over_dialog.h"
#include "ui/score_grid/score_grid.h"
#include "ui/window/score_panel.h"
#include "ui/window/table_notes.h"

#include <QLabel>
#include <QPushButton>

namespace {

class MainWindowMatchTest : public MainWindowTest, public ::testing::WithParamInterface<int> { };

TEST_P(MainWindowMatchTest, AWholeMatchEndsWithGameOverAfterEndOfHandDialogs)
{
    SetOptions([](TIni& s) { s.NumberOfPlayers = GetParam(); });
    TForm1& w = Make();
    int dialogsClosed = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (!TFDeckOverInfoDlg::AnyOpen()) return;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            EXPECT_NE(qobject_cast<TFDeckOverInfoDlg*>(modal), nullptr);
            ++dialogsClosed;
            modal->close();
        }
    });
    closer.start(1);

    for (int turns = 0; !Controller().GameOver() && turns < 2000; ++turns) {
        PlayOneTurn();
        ASSERT_TRUE(CardsConserved(Controller().State()));
    }
    ASSERT_TRUE(Controller().GameOver());
    ASSERT_FALSE(sink.shown.information.empty());
    EXPECT_EQ(sink.shown.information.back().rfind("Partija je gotova. Pobednik: ", 0), 0u);
    EXPECT_EQ(dialogsClosed, Controller().State().HandsPlayed);
    EXPECT_GT(dialogsClosed, 0);
    EXPECT_TRUE(sink.shown.errors.empty());

    // The score panel shows the match's totals.
    const TMatchState& s = Controller().State();
    const int grid = Controller().ActiveScoreGrid();
    EXPECT_EQ(grid, GetParam());
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        if (!SeatPlays(s.GameMode, seat)) continue;
        EXPECT_EQ(w.ScorePanel(grid)->Grid()->Cells(4, ScoreRow(s.GameMode, seat)).toInt(),
            s.Score[ScoringSeat(s.GameMode, seat)])
            << "seat " << seat;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMode, MainWindowMatchTest, ::testing::Values(0, 1, 2));

// Under each end-of-hand dialog nobody is on turn and the human's name shows
// as the others' do; the two-player dialog offers the two seats that play;
// after the match nobody is on turn.
TEST_F(MainWindowMatchTest, TheTwoPlayerHandEndsShowTheSeatsThatPlayAndNobodyOnTurn)
{
    SetOptions([](TIni& s) { s.NumberOfPlayers = kTwoPlayers; });
    TForm1& w = Make();
    QWidget* onTurn = w.TableNotes()->OnTurnMark();
    int dialogs = 0, humanOnTurnBefore = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<TFDeckOverInfoDlg*>(QApplication::activeModalWidget());
        if (!dialog) return;
        ++dialogs;
        EXPECT_TRUE(onTurn->isHidden()) << "hand " << dialogs;
        EXPECT_TRUE(dialog->SeatButton(TFDeckOverInfoDlg::West)->isHidden());
        EXPECT_TRUE(dialog->SeatButton(TFDeckOverInfoDlg::East)->isHidden());
        for (TZuCardGroup* seat : { w.PlayerS, w.PlayerN }) {
            const QLabel* name = seat->PlayerNameLabel();
            EXPECT_TRUE(name->isVisibleTo(name->parentWidget())) << "hand " << dialogs;
            EXPECT_FALSE(name->text().isEmpty());
        }
        dialog->close();
    });
    closer.start(1);
    for (int turns = 0; !Controller().GameOver() && turns < 2000; ++turns) {
        humanOnTurnBefore += !onTurn->isHidden();
        PlayOneTurn();
    }
    ASSERT_TRUE(Controller().GameOver());
    EXPECT_GT(dialogs, 0);
    EXPECT_GT(humanOnTurnBefore, 0) << "the note showed while the human played";
    EXPECT_TRUE(onTurn->isHidden()) << "the match is over";
}

} // namespace
