// The hint's search off the GUI thread: its move arrives only through the
// event loop and is "Majstor"'s own, a newer search supersedes an older one,
// and a dropped search stops at once and never arrives.
#include "game/controller/hint_search.h"
#include "tests/support/run_until.h"
#include "game/rules/match_rules.h"
#include "tests/support/seeded_deals.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A fresh deal in the mode, the seat on turn.
TMatchState Position(int mode, std::uint64_t seed, int seat)
{
    TMatchState state;
    StartMatch(state, mode, 0, true);
    TSeededDeals deals(seed);
    DealNewDeck(state, deals.NewDeck(0));
    state.CurrentPlayer = seat;
    return state;
}

// Serves the event loop until done holds; a bound keeps a fault from hanging
// the run, and the caller asserts done.
template <typename TDone> void ServeUntil(TDone done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 20000)
        ServeEventsOnce();
}

bool Same(const TComputerChoice& a, const TComputerChoice& b)
{
    return a.handSlot == b.handSlot && a.capture == b.capture
        && a.tablePositions == b.tablePositions;
}

// Playouts enough to run for many minutes: only a stop ends such a search
// soon. (The search keeps a value per playout, so not many more.)
TSearchSettings Endless()
{
    TSearchSettings settings;
    settings.budget = 1 << 21;
    return settings;
}

TEST(HintSearch, TheMoveArrivesThroughTheEventLoopAndANewerSearchSupersedes)
{
    THintSearch search;
    std::vector<TComputerChoice> found;
    const auto record = [&found](const TComputerChoice& c) { found.push_back(c); };
    const TMatchState first = Position(kEachForHimself, 3, SeatW);
    const TMatchState second = Position(kTwoPlayers, 8, SeatS);

    ASSERT_TRUE(search.Start(first, SeatW, record));
    EXPECT_TRUE(search.Searching());
    ServeUntil([&] { return !search.Searching(); });
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(Same(found[0], SearchMove(first, SeatW).choice));

    // Superseded before the event loop ran: whatever the first search found
    // or posted by then is dropped, and the second's move arrives once.
    found.clear();
    ASSERT_TRUE(search.Start(first, SeatW, record));
    ASSERT_TRUE(search.Start(second, SeatS, record));
    ServeUntil([&] { return !search.Searching() && search.Stopping() == 0; });
    QCoreApplication::processEvents();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(Same(found[0], SearchMove(second, SeatS).choice));
}

TEST(HintSearch, ADroppedSearchStopsAndNeverArrives)
{
    const TMatchState state = Position(kPairs, 5, SeatS);
    TSearchSettings some;
    some.budget = 100;
    ASSERT_GE(SearchMove(state, SeatS, some).playouts, 2) << "a position that searches";
    int arrived = 0;
    {
        THintSearch search(Endless());
        for (int round = 0; round < 3; ++round) {
            ASSERT_TRUE(search.Start(state, SeatS, [&](const TComputerChoice&) { ++arrived; }));
            search.Cancel();
            EXPECT_FALSE(search.Searching());
            // Minutes of playouts end within one of them.
            ServeUntil([&] { return search.Stopping() == 0; });
            ASSERT_EQ(search.Stopping(), 0) << "the dropped search did not stop";
        }
        // One under way when the owner goes: the destructor stops it too.
        ASSERT_TRUE(search.Start(state, SeatS, [&](const TComputerChoice&) { ++arrived; }));
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(arrived, 0);
}

} // namespace
