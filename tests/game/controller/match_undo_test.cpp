// "Vrati potez": the human's last move and every computer move after it are
// taken back exactly, state and random draws alike, within the hand.
#include "tests/game/controller/match_fixture.h"

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
    };
    TPoint Now() const
    {
        return { controller->State(), controller->SavedMatch().lastMoves, RandomState() };
    }
    void ExpectAt(const TPoint& point)
    {
        EXPECT_TRUE(controller->State() == point.state);
        EXPECT_TRUE(controller->SavedMatch().lastMoves == point.lastMoves);
        EXPECT_EQ(RandomState(), point.random) << "the computers would draw otherwise";
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

TEST_P(MatchUndoTest, AResumedMatchStartsWithNothingToTakeBackAndUndoesItsOwnMoves)
{
    controller->Start();
    HumanOnTurn();
    HumanMove();
    WaitIdle();
    const TSavedMatch saved = controller->SavedMatch();
    HumanMove();
    WaitIdle();
    controller->ResumeMatch(saved);
    WaitIdle();
    EXPECT_FALSE(controller->UndoAvailable());
    const TPoint resumed = Now();
    HumanMove();
    WaitIdle();
    ASSERT_TRUE(controller->UndoMove());
    ExpectAt(resumed);
}

INSTANTIATE_TEST_SUITE_P(
    EveryMode, MatchUndoTest, ::testing::Values(kEachForHimself, kPairs, kTwoPlayers));
