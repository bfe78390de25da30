// The controller through its handlers, with real card groups, a recording
// view and the computer seats on the worker thread at zero pauses.
#include "tests/game/controller/match_fixture.h"

#include <QElapsedTimer>

namespace {

// Plays the match to its end; checks after every move that the groups show
// the state, that cards are conserved and that the grid follows the scores.
void PlayToTheEnd(MatchTest& t, TMatchController& c, TRecordingView& view,
    const std::function<void()>& humanMove, const std::function<void()>& waitIdle,
    const std::function<void()>& check)
{
    for (int moves = 0; !c.GameOver() && moves < 400; ++moves) {
        if (view.startEnabled)
            c.StartMatch();
        else if (c.State().CurrentPlayer == SeatS)
            humanMove();
        waitIdle();
        check();
    }
    (void)t;
}

} // namespace

TEST_F(MatchTest, StartUpDealsAndNamesWhoPlaysFirst)
{
    controller->Start();
    EXPECT_EQ(view.status[0], "Ostalo karata u spilu: 24");
    EXPECT_TRUE(view.status[1].startsWith("Na potezu: "));
    EXPECT_EQ(view.startEnabled, controller->State().CurrentPlayer != SeatS);
    EXPECT_TRUE(sink.shown.information.empty()); // the prompt waits for the window
    EXPECT_TRUE(view.panelVisible[0] && !view.panelVisible[1] && !view.panelVisible[2]);
    EXPECT_EQ(view.cells[std::make_tuple(0, 1, 0)], "Poeni");
    EXPECT_EQ(view.cells[std::make_tuple(0, 0, 1)], "Ja");
    EXPECT_TRUE(CardsConserved(controller->State()));
    ExpectGroupsShowState();
    for (int seat : { SeatW, SeatN, SeatE })
        EXPECT_TRUE(controller->Seat(seat)->CardAt(0)->ShowBack());
}

// The controller keeps whether the start is awaited and whether the score
// table shows, and the view only ever hears of them.
TEST_F(MatchTest, TheStartPromptAndTheScoreTableAreTheControllersToKeep)
{
    controller->Start();
    EXPECT_TRUE(view.tableChecked);
    EXPECT_EQ(controller->WaitingToStart(), view.startEnabled);
    for (std::uint64_t seed = 1; controller->State().CurrentPlayer == SeatS; ++seed) {
        ASSERT_LT(seed, 50u);
        FixRandomSeed(seed);
        controller->NewGame(false);
    }
    EXPECT_TRUE(controller->WaitingToStart());
    EXPECT_TRUE(view.startEnabled);
    controller->StartMatch();
    EXPECT_FALSE(controller->WaitingToStart());
    EXPECT_FALSE(view.startEnabled);
    WaitIdle();

    // A view that got its mark out of step does not turn the key around.
    view.tableChecked = false;
    controller->FormKeyPress('t');
    EXPECT_FALSE(controller->ScoreTableShown());
    EXPECT_FALSE(view.tableChecked);
    EXPECT_FALSE(view.panelVisible[controller->ActiveScoreGrid()]);
    controller->FormKeyPress('T');
    EXPECT_TRUE(controller->ScoreTableShown());
    EXPECT_TRUE(view.tableChecked);
    EXPECT_TRUE(view.panelVisible[controller->ActiveScoreGrid()]);

    // A hidden table stays hidden in a new match of any mode and in a state
    // put in place, and shows again on the next T.
    controller->ToggleScoreTable();
    for (int mode : { kPairs, kTwoPlayers, kEachForHimself }) {
        settings.NumberOfPlayers = mode;
        controller->NewGame(false);
        EXPECT_EQ(view.panelVisible, (std::array<bool, 3> {})) << "mode " << mode;
        EXPECT_FALSE(view.tableChecked);
    }
    controller->ShowState(controller->State());
    EXPECT_EQ(view.panelVisible, (std::array<bool, 3> {}));
    controller->FormKeyPress('T');
    EXPECT_TRUE(view.panelVisible[controller->ActiveScoreGrid()]);
    controller->NewGame(false);
    EXPECT_TRUE(view.panelVisible[controller->ActiveScoreGrid()]);
}

TEST_F(MatchTest, ClicksBeforeTheStartAndOutOfTurn)
{
    controller->Start();
    // A match that a computer opens.
    for (std::uint64_t seed = 1; controller->State().CurrentPlayer == SeatS; ++seed) {
        ASSERT_LT(seed, 50u);
        FixRandomSeed(seed);
        controller->NewGame(false);
    }
    ASSERT_TRUE(view.startEnabled);
    sink.shown.confirmReply = false;
    ClickHand(0);
    ClickTable({ 0, 2 });
    const std::string notStarted
        = "Partija jos nije pocela. Mozes da pokrenes partiju iz Igra | Pocni igru";
    EXPECT_EQ(sink.shown.information, (std::vector<std::string> { notStarted, notStarted }));
    EXPECT_FALSE(controls.Talon1->CardAt(2)->Negative());

    // Out of turn: S is not on turn once the start is no longer awaited (a
    // prepared state put in place takes the start item away).
    controller->ShowState(controller->State());
    ASSERT_FALSE(view.startEnabled);
    sink.shown.information.clear();
    ClickHand(0);
    ASSERT_EQ(sink.shown.information.size(), 1u);
    EXPECT_EQ(sink.shown.information[0],
        "Na potezu je " + controller->CurrentPlayer()->PlayerName().toStdString());
    controller->StartMatch();
    EXPECT_TRUE(controller->Busy() || controller->State().CurrentPlayer == SeatS);
    WaitIdle();
    EXPECT_EQ(controller->State().CurrentPlayer, SeatS);
}

TEST_F(MatchTest, MarksToggleAndClearAndNovaForgetsThem)
{
    controller->Start();
    HumanOnTurn();
    ASSERT_EQ(controller->State().CurrentPlayer, SeatS);
    const TTableSlot a { 0, 2 }, b { 0, 3 }, c { 1, 2 };
    ClickTable(a);
    ClickTable(b);
    ClickTable(c);
    ClickTable(a); // un-marks A
    EXPECT_EQ(controller->Selection().Count(), 2);
    EXPECT_FALSE(controls.Talon1->CardAt(2)->Negative());
    EXPECT_TRUE(controls.Talon1->CardAt(3)->Negative());
    EXPECT_EQ(&controller->Selection().Card(0), controls.Talon1->CardAt(3));
    controller->FormMouseDown(Qt::LeftButton);
    EXPECT_EQ(controller->Selection().Count(), 2);
    controller->FormMouseDown(Qt::RightButton);
    EXPECT_EQ(controller->Selection().Count(), 0);
    EXPECT_FALSE(controls.Talon2->CardAt(2)->Negative());

    ClickTable(b);
    controller->NewGame(false);
    EXPECT_EQ(controller->Selection().Count(), 0);
    for (int slot = 0; slot < 6; ++slot)
        EXPECT_FALSE(controls.Talon1->CardAt(slot)->Negative());
}

TEST_F(MatchTest, AHandCardWithNothingMarkedGoesToTheTableInPlacementOrder)
{
    settings.Log = true;
    controller->Start();
    HumanOnTurn();
    ASSERT_EQ(controller->State().CurrentPlayer, SeatS);
    const int id = controller->State().hands[SeatS][0];
    TMatchState expected = controller->State();
    const TTableSlot place = PutCardOnTable(expected, id);
    ClickHand(0);
    TZuCardGroup* row = place.row == 0 ? controls.Talon1 : controls.Talon2;
    EXPECT_EQ(row->CardAt(place.slot)->ID(), id);
    EXPECT_FALSE(row->CardAt(place.slot)->Empty());
    EXPECT_TRUE(controls.PlayerS->CardAt(0)->Empty());
    WaitIdle();
    ExpectGroupsShowState();
    const QString text = LogText();
    EXPECT_TRUE(text.contains("****** Nova igra ******"));
    EXPECT_TRUE(text.contains("Deli se novi spil\r\nJa dobio karte: "));
    EXPECT_TRUE(text.contains("Karte na talonu: "));
    EXPECT_TRUE(text.contains(QString::fromStdString("Ja stavlja na talon kartu " + CardName(id))));
}

class WholeMatchTest : public MatchTest,
                       public ::testing::WithParamInterface<std::tuple<int, int, int>> {
protected:
    WholeMatchTest()
        : MatchTest(std::get<0>(GetParam()), std::get<1>(GetParam()))
    {
        settings.CompPlays = std::get<2>(GetParam());
    }
};

TEST_P(WholeMatchTest, PlaysToTheEndConservingCards)
{
    controller->Start();
    PlayToTheEnd(
        *this, *controller, view, [this] { HumanMove(); }, [this] { WaitIdle(); },
        [this] {
            ASSERT_TRUE(CardsConserved(controller->State()));
            ExpectGroupsShowState();
            const TMatchState& s = controller->State();
            for (int seat = SeatS; seat <= SeatE; ++seat)
                if (SeatPlays(s.GameMode, seat)) {
                    const int row = ScoreRow(s.GameMode, seat);
                    ASSERT_EQ(view.Cell(controller->ActiveScoreGrid(), 4, row),
                        s.Score[ScoringSeat(s.GameMode, seat)]);
                }
        });
    ASSERT_TRUE(controller->GameOver());
    EXPECT_FALSE(controller->Busy());
    EXPECT_GT(view.handEnds, 0);
    // Every hand's figures together are the match's score table.
    const TMatchState& end = controller->State();
    std::vector<TScoreCells> summed(end.GameMode == kEachForHimself ? 4 : 2);
    for (const THandEndDisplay& shown : view.handEndShown) {
        ASSERT_EQ(shown.figures.size(), summed.size());
        for (std::size_t row = 0; row < summed.size(); ++row) {
            summed[row].points += shown.figures[row].points;
            summed[row].clears += shown.figures[row].clears;
            summed[row].bonus += shown.figures[row].bonus;
        }
    }
    for (std::size_t row = 0; row < summed.size(); ++row) {
        EXPECT_EQ(summed[row].points, end.cells[row].points) << "row " << row;
        EXPECT_EQ(summed[row].clears, end.cells[row].clears) << "row " << row;
        EXPECT_EQ(summed[row].bonus, end.cells[row].bonus) << "row " << row;
    }
    ASSERT_FALSE(sink.shown.information.empty());
    EXPECT_EQ(sink.shown.information.back().rfind("Partija je gotova. Pobednik: ", 0), 0u);
    EXPECT_TRUE(IsGameOver(controller->State()));
}

INSTANTIATE_TEST_SUITE_P(EveryModeDeckAndStrength, WholeMatchTest,
    ::testing::Values(std::make_tuple(0, 0, 0), std::make_tuple(1, 0, 1), std::make_tuple(2, 0, 2),
        std::make_tuple(0, 1, 1), std::make_tuple(1, 1, 3), std::make_tuple(2, 1, 0),
        std::make_tuple(2, 0, 3)));

TEST_F(MatchTest, NovaStopsARunningSequenceWithoutWaitingOutItsPauses)
{
    controller->Start();
    for (int round = 0; round < 5; ++round) {
        settings.CompPlayDelay = 0;
        settings.CompWaitForPlay = 0;
        controller->ApplyOptions();
        HumanOnTurn();
        settings.CompPlayDelay = 10;
        settings.CompWaitForPlay = 20;
        controller->ApplyOptions();
        ClickHand(0);
        ASSERT_TRUE(controller->Busy());
        controller->TogglePause();
        EXPECT_TRUE(controller->Paused());
        QElapsedTimer timer;
        timer.start();
        controller->NewGame(false);
        EXPECT_LT(timer.elapsed(), 3000);
        EXPECT_FALSE(controller->Busy());
        EXPECT_FALSE(controller->Paused());
        EXPECT_EQ(view.status[2], "");
        EXPECT_TRUE(CardsConserved(controller->State()));
    }
    EXPECT_EQ(view.handEnds, 0);
}
