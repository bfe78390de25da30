// How the computers' sequence starts: a thread the system refuses, clicks
// queued behind the human's move, and the deals a fixed seed gives.
#include "tests/game/controller/match_fixture.h"
#include "tests/support/refused_threads.h"

#include <set>

namespace {

// What a deal put down: the hands, the table and the rest of the deck.
std::vector<int> Dealt(const TMatchState& s)
{
    std::vector<int> ids = s.deck;
    for (const auto& hand : s.hands)
        ids.insert(ids.end(), hand.begin(), hand.end());
    for (const auto& row : s.table)
        ids.insert(ids.end(), row.begin(), row.end());
    return ids;
}

} // namespace

// Refused after the human's move, the move stands, the human is not locked
// out and the next click starts the computers instead of playing again;
// refused at the start, "Pocni igru" is offered again.
TEST_F(MatchTest, ARefusedComputerThreadNeverLocksTheHumanOut)
{
    controller->Start();
    HumanOnTurn();
    const int moves = controller->State().MovesMade;
    const int kept = controller->State().hands[SeatS][1];
    {
        const TRefusedThreads refused;
        ClickHand(0);
    }
    EXPECT_FALSE(controller->Busy());
    ASSERT_EQ(sink.shown.errors.size(), 1u);
    EXPECT_NE(sink.shown.errors[0].find("Klikni na kartu"), std::string::npos);
    EXPECT_EQ(controller->State().hands[SeatS][0], kNoCard) << "the move stands";
    EXPECT_FALSE(controller->HintAvailable());
    ClickHand(1);
    WaitIdle();
    EXPECT_EQ(controller->State().hands[SeatS][1], kept) << "the click only went on";
    EXPECT_EQ(controller->State().MovesMade, moves + 4);
    EXPECT_EQ(controller->State().CurrentPlayer, SeatS);
    ExpectGroupsShowState();

    // A match a computer opens.
    for (std::uint64_t seed = 1; controller->State().CurrentPlayer == SeatS; ++seed) {
        ASSERT_LT(seed, 50u);
        FixRandomSeed(seed);
        controller->NewGame(false);
    }
    ASSERT_TRUE(view.startEnabled);
    {
        const TRefusedThreads refused;
        controller->StartMatch();
    }
    EXPECT_FALSE(controller->Busy());
    EXPECT_TRUE(view.startEnabled);
    EXPECT_EQ(sink.shown.errors.size(), 2u);
    controller->StartMatch();
    WaitIdle();
    EXPECT_FALSE(view.startEnabled);
    EXPECT_EQ(controller->State().CurrentPlayer, SeatS);
}

// A click already queued when the human's move starts the computers is
// served only after the start, and finds them playing: never a second move.
TEST_F(MatchTest, AClickQueuedBehindTheHumansMoveIsNotASecondMove)
{
    controller->Start();
    for (int move = 0; move < 40 && !controller->GameOver(); ++move) {
        HumanOnTurn();
        std::vector<int> held;
        for (int i = 0; i < kHandSlots; ++i)
            if (controller->State().hands[SeatS][i] != kNoCard) held.push_back(i);
        if (held.size() < 2) {
            HumanMove();
            continue;
        }
        const int slot = held[0], other = held[1];
        const int kept = controller->State().hands[SeatS][other];
        bool underway = false;
        // Posted as the window system posts a click, ahead of the worker's hand-offs.
        QMetaObject::invokeMethod(
            &form,
            [&] {
                underway = controller->MatchUnderway();
                ClickHand(other);
            },
            Qt::QueuedConnection);
        const std::size_t refusals = sink.shown.messages.size();
        ClickHand(slot);
        ASSERT_EQ(controller->State().hands[SeatS][other], kept) << "move " << move;
        WaitIdle();
        EXPECT_TRUE(underway);
        ASSERT_EQ(sink.shown.messages.size(), refusals + 1) << "move " << move;
        EXPECT_EQ(sink.shown.messages.back(), "Nisi jos na potezu");
    }
}

// A fixed seed fixes the run: each new match gets another deal, and the same
// seed set again gives the same matches again.
// The match draws from a generator of its own: what the card library draws
// in between (random design-time cards, a deck of its own) changes nothing.
TEST_F(MatchTest, AFixedSeedDealsEachMatchAnewAndRepeatsTheRun)
{
    controller->Start();
    const auto run = [this](int drawsBetween) {
        std::vector<std::vector<int>> deals;
        for (int match = 0; match < 4; ++match) {
            for (int i = 0; i < drawsBetween; ++i)
                Random(52);
            controller->NewGame(false);
            deals.push_back(Dealt(controller->State()));
        }
        return deals;
    };
    FixRandomSeed(77);
    const std::vector<std::vector<int>> first = run(0);
    EXPECT_EQ(std::set<std::vector<int>>(first.begin(), first.end()).size(), first.size());
    FixRandomSeed(77);
    EXPECT_EQ(run(5), first);
}
