// "Vrati potez": the human's last move and every computer move after it are
// taken back exactly, state and random draws alike, within the hand.
#include "tests/game/controller/match_fixture.h"

#include <algorithm>

namespace {

class MatchUndoTest : public MatchTest, public ::testing::WithParamInterface<int> {
protected:
    MatchUndoTest()
        : MatchTest(GetParam())
    {
    }
    struct TPoint {
        TMatchState state;
        TLastMoves lastMoves;
        std::string random;
        TMoveHistory history;
    };
    TPoint Now() const
    {
        return { controller->State(), controller->SavedMatch().lastMoves,
            controller->SavedMatch().randomState, controller->History() };
    }
    void ExpectAt(const TPoint& point)
    {
        EXPECT_TRUE(controller->State() == point.state);
        EXPECT_TRUE(controller->SavedMatch().lastMoves == point.lastMoves);
        EXPECT_TRUE(controller->History() == point.history)
            << "the history keeps no move taken back";
        EXPECT_TRUE(view.history == controller->History());
        EXPECT_EQ(controller->SavedMatch().randomState, point.random)
            << "the computers would draw otherwise";
        ExpectGroupsShowState();
        EXPECT_EQ(controller->Selection().Count(), 0);
        EXPECT_EQ(view.status[0],
            QStringLiteral("Ostalo karata u spilu: %1").arg(point.state.deck.size()));
    }
};

} // namespace

TEST_P(MatchUndoTest, EveryHumanMoveOfAMatchIsTakenBackExactlyAndMadeAgainTheSame)
{
    controller->Start();
    HumanOnTurn();
    int undone = 0, handsSeen = 0;
    for (int turn = 0; !controller->GameOver() && turn < 2000; ++turn) {
        ASSERT_EQ(controller->State().CurrentPlayer, SeatS);
        // A new hand starts with nothing to take back.
        if (controller->State().HandsPlayed > handsSeen) {
            handsSeen = controller->State().HandsPlayed;
            EXPECT_EQ(controller->UndoDepth(), 0) << "hand " << handsSeen;
            EXPECT_FALSE(controller->UndoAvailable());
        }
        const TPoint before = Now();
        HumanMove();
        WaitIdle();
        if (controller->GameOver() || controller->State().HandsPlayed > before.state.HandsPlayed) {
            // The hand (or the match) is over: its moves stay.
            EXPECT_FALSE(controller->UndoAvailable());
            EXPECT_FALSE(controller->UndoMove());
            continue;
        }
        const TPoint after = Now();
        ASSERT_TRUE(controller->UndoAvailable());
        ASSERT_TRUE(controller->UndoMove());
        ++undone;
        ExpectAt(before);
        // The same move again: the computers answer as they did.
        HumanMove();
        WaitIdle();
        ExpectAt(after);
        if (::testing::Test::HasFailure()) return;
    }
    ASSERT_TRUE(controller->GameOver());
    EXPECT_GT(undone, 20);
    EXPECT_GT(handsSeen, 0);
}

TEST_P(MatchUndoTest, UndoGoesBackMoveByMoveAndIsRefusedWhenNothingCanBeTakenBack)
{
    controller->Start();
    EXPECT_FALSE(controller->UndoAvailable()) << "before any move";
    EXPECT_FALSE(controller->UndoMove());
    HumanOnTurn();
    const TPoint start = Now();
    EXPECT_FALSE(controller->UndoMove());
    EXPECT_EQ(view.status[2], QStringLiteral("Nema poteza za vracanje."));
    ExpectAt(start);
    HumanMove();
    WaitIdle();
    const TPoint second = Now();
    HumanMove();
    WaitIdle();
    ASSERT_EQ(controller->UndoDepth(), 2);
    // A mark made before the undo does not survive it.
    for (const TTableSlot& place : TableSlots(controller->State())) {
        ClickTable(place);
        break;
    }
    ASSERT_TRUE(controller->UndoMove());
    EXPECT_EQ(view.status[2], QStringLiteral("Potez je vracen."));
    ExpectAt(second);
    ASSERT_TRUE(controller->UndoMove());
    ExpectAt(start);
    EXPECT_EQ(controller->UndoDepth(), 0);
    EXPECT_FALSE(controller->UndoMove());
    ExpectAt(start);

    // A new match forgets the last one's moves.
    HumanMove();
    WaitIdle();
    ASSERT_TRUE(controller->UndoAvailable());
    controller->NewGame(false);
    EXPECT_FALSE(controller->UndoAvailable());
    EXPECT_EQ(controller->UndoDepth(), 0);
}

// Through the saved file's text, as the window closes and starts again.
TEST_P(MatchUndoTest, AResumedMatchTakesBackTheMovesMadeBeforeTheSave)
{
    controller->Start();
    HumanOnTurn();
    const TPoint first = Now();
    HumanMove();
    WaitIdle();
    const TPoint second = Now();
    HumanMove();
    WaitIdle();
    std::string error;
    auto saved = LoadMatchText(SaveMatchText(controller->SavedMatch()), error);
    ASSERT_TRUE(saved) << error;
    const TPoint third = Now();
    HumanMove(); // the match goes on past the save
    WaitIdle();
    controller->ResumeMatch(*saved);
    WaitIdle();
    ASSERT_EQ(controller->UndoDepth(), 2);
    EXPECT_TRUE(view.history == third.history);
    ASSERT_TRUE(controller->UndoMove());
    ExpectAt(second);
    ASSERT_TRUE(controller->UndoMove());
    ExpectAt(first);
    EXPECT_TRUE(controller->History().empty());

    // A file of the earlier format: nothing to take back, the resumed match's
    // own moves can be.
    saved->undo.clear();
    saved->history.clear();
    controller->ResumeMatch(*saved);
    WaitIdle();
    EXPECT_FALSE(controller->UndoAvailable());
    EXPECT_TRUE(view.history.empty());
    const TPoint resumed = Now();
    HumanMove();
    WaitIdle();
    ASSERT_TRUE(controller->UndoMove());
    ExpectAt(resumed);
}

TEST_P(MatchUndoTest, TheHistoryListsEveryMoveAsTheMarksAndTheUndoMarkSurvivesAResume)
{
    std::vector<TMatchEvent> events;
    controller->OnMatchEvent = [&events](const TMatchEvent& event) { events.push_back(event); };
    controller->Start();
    HumanOnTurn();
    HumanMove();
    WaitIdle();
    EXPECT_FALSE(controller->UndoUsed());
    ASSERT_TRUE(controller->UndoMove());
    EXPECT_TRUE(controller->UndoUsed());
    std::string error;
    const auto saved = LoadMatchText(SaveMatchText(controller->SavedMatch()), error);
    ASSERT_TRUE(saved) << error;
    controller->NewGame(false);
    EXPECT_FALSE(controller->UndoUsed()) << "a new match starts unmarked";
    controller->ResumeMatch(*saved);
    WaitIdle();
    EXPECT_TRUE(controller->UndoUsed());
    // To the end of the hand: each move is the history's last of its seat,
    // in the words of the mark beside the seat.
    for (int turn = 0; events.empty() && turn < 200; ++turn) {
        HumanMove();
        WaitIdle();
        for (const auto& [seat, move] : view.lastMoves) {
            const auto& history = controller->History();
            const auto last = std::find_if(history.rbegin(), history.rend(),
                [seat](const TMoveRecord& r) { return r.seat == seat; });
            ASSERT_NE(last, history.rend());
            EXPECT_EQ(last->playedId, move.first);
            EXPECT_EQ(last->takenIds, move.second);
        }
    }
    ASSERT_FALSE(events.empty());
    for (const TMatchEvent& event : events)
        EXPECT_TRUE(event.undoUsed);
    // Every card dealt to a hand in the first hand was played once.
    const auto& history = controller->History();
    const auto firstHand = std::count_if(
        history.begin(), history.end(), [](const TMoveRecord& r) { return r.hand == 0; });
    EXPECT_EQ(firstHand, 52 - kFirstTableCards);
}

INSTANTIATE_TEST_SUITE_P(
    EveryMode, MatchUndoTest, ::testing::Values(kEachForHimself, kPairs, kTwoPlayers));
