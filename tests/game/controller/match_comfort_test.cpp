// What the controller does for a player beyond the game's rules: resuming a
// saved match, the last move of each seat, the seat on turn, a refused
// capture's notice and hurrying a computer's reveal.
#include "tests/game/controller/match_fixture.h"
#include "tests/support/run_until.h"

#include <QElapsedTimer>

namespace {

// Plays the match to its end with the fixture's careful human; `atHumanTurn`
// runs whenever the human is about to move.
std::array<int, 4> PlayOut(MatchTest& t, TMatchController& c, TRecordingView& view,
    const std::function<void()>& humanMove, const std::function<void()>& waitIdle,
    const std::function<void()>& atHumanTurn)
{
    for (int moves = 0; !c.GameOver() && moves < 600; ++moves) {
        if (view.startEnabled)
            c.StartMatch();
        else if (c.State().CurrentPlayer == SeatS) {
            atHumanTurn();
            humanMove();
        }
        waitIdle();
    }
    (void)t;
    return c.State().Score;
}

} // namespace

TEST_F(MatchTest, AMatchResumedAtEveryMoveEndsAsIfNeverInterrupted)
{
    controller->Start();
    const std::array<int, 4> straight = PlayOut(
        *this, *controller, view, [this] { HumanMove(); }, [this] { WaitIdle(); }, [] {});
    ASSERT_TRUE(controller->GameOver());

    // The same match again, saved to text and resumed before every human move.
    FixRandomSeed(1234);
    controller = std::make_unique<TMatchController>(controls, settings, log, view);
    controller->Start();
    int resumes = 0;
    const std::array<int, 4> resumed = PlayOut(
        *this, *controller, view, [this] { HumanMove(); }, [this] { WaitIdle(); },
        [this, &resumes] {
            std::string error;
            const auto saved = LoadMatchText(SaveMatchText(controller->SavedMatch()), error);
            ASSERT_TRUE(saved) << error;
            controller->ResumeMatch(*saved);
            ASSERT_EQ(controller->State().CurrentPlayer, SeatS);
            ExpectGroupsShowState();
            ++resumes;
        });
    EXPECT_GT(resumes, 20);
    EXPECT_EQ(resumed, straight);
}

TEST_F(MatchTest, AResumedMatchWithAComputerOnTurnPlaysOn)
{
    controller->Start();
    HumanOnTurn();
    HumanMove();
    // Stop in the middle of the computers' moves, as a closing window does.
    settings.CompWaitForPlay = 4;
    controller->ApplyOptions();
    controller->Shutdown();
    ASSERT_FALSE(controller->Busy());
    const TSavedMatch saved = controller->SavedMatch();
    settings.CompWaitForPlay = 0;
    controller = std::make_unique<TMatchController>(controls, settings, log, view);
    controller->Start();
    controller->ResumeMatch(saved);
    WaitIdle();
    EXPECT_EQ(controller->State().CurrentPlayer, SeatS);
    EXPECT_TRUE(CardsConserved(controller->State()));
    EXPECT_GE(controller->State().MovesMade, saved.state.MovesMade);
    ExpectGroupsShowState();
}

TEST_F(MatchTest, LastMovesAndTheSeatOnTurnAreShown)
{
    controller->Start();
    HumanOnTurn();
    EXPECT_EQ(view.onTurn, SeatS);
    const int laid = controller->State().hands[SeatS][0];
    ClickHand(0);
    WaitIdle();
    ASSERT_TRUE(view.lastMoves.count(SeatS));
    EXPECT_EQ(view.lastMoves[SeatS].first, laid);
    EXPECT_TRUE(view.lastMoves[SeatS].second.empty());
    // Every computer that moved since shows its move, with what it took.
    for (const auto& [seat, move] : view.lastMoves)
        EXPECT_TRUE(SeatPlays(controller->State().GameMode, seat));
    EXPECT_EQ(view.lastMoves.size(), 4u);
    // A capture shows the cards it took, the played one apart.
    const TMatchState& s = controller->State();
    const TComputerChoice choice = ChooseComputerMove(s.hands[SeatS], TableIds(s), csPametno, 1);
    if (choice.capture) {
        const int played = s.hands[SeatS][choice.handSlot];
        HumanMove();
        EXPECT_EQ(view.lastMoves[SeatS].first, played);
        EXPECT_EQ(view.lastMoves[SeatS].second.size(), choice.tablePositions.size());
        WaitIdle();
    }
    controller->NewGame(false);
    EXPECT_TRUE(view.lastMoves.empty());
}

TEST_F(MatchTest, ARefusedCaptureSaysSoAndKeepsTheMarks)
{
    controller->Start();
    HumanOnTurn();
    const TMatchState before = controller->State();
    const auto table = TableSlots(before);
    for (const TTableSlot& place : table)
        ClickTable(place);
    for (int slot = 0; slot < kHandSlots; ++slot)
        if (before.hands[SeatS][slot] != kNoCard && !IsLegalCapture(before, SeatS, slot, table)) {
            ClickHand(slot);
            EXPECT_EQ(view.status[2], "Oznacene karte ne mogu da se uzmu ovom kartom.");
            EXPECT_EQ(controller->Selection().Count(), int(table.size()));
            EXPECT_FALSE(controller->Busy());
            controller->FormMouseDown(Qt::RightButton);
            ClickHand(slot); // nothing marked: the card goes down, the notice goes
            EXPECT_EQ(view.status[2], "");
            WaitIdle();
            return;
        }
}

TEST_F(MatchTest, HurryingARevealChangesNothingButTheWait)
{
    controller->Start();
    HumanOnTurn();
    HumanMove();
    WaitIdle();
    const TMatchState unhurried = controller->State();

    FixRandomSeed(1234);
    controller = std::make_unique<TMatchController>(controls, settings, log, view);
    controller->Start();
    HumanOnTurn();
    settings.CompPlayDelay = 10; // ten seconds a reveal, unless hurried
    controller->ApplyOptions();
    QElapsedTimer timer;
    timer.start();
    HumanMove();
    while (controller->Busy() && timer.elapsed() < 8000) {
        controller->FormKeyPress(' ');
        ServeEventsOnce();
    }
    EXPECT_FALSE(controller->Busy()) << "the reveals were not cut short";
    EXPECT_LT(timer.elapsed(), 8000);
    EXPECT_EQ(controller->State().hands, unhurried.hands);
    EXPECT_EQ(controller->State().table, unhurried.table);
    EXPECT_EQ(controller->State().Score, unhurried.Score);
}
