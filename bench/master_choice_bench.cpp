// One decision of "Majstor" on a full table, against "Pametno" on the same
// cards; the goal is well under a millisecond.
#include "cards/ids/card_ids.h"
#include "game/computer/computer_choice.h"
#include "game/computer/master_choice.h"

#include <benchmark/benchmark.h>

namespace {

// Card IDs: a suit card's value plus its block's base (cards/ids/card_ids.h).
constexpr int D = kDiamondsBase, S = kSpadesBase, H = kHeartsBase;

// Twelve table cards, six in the hand, N holding six unseen ones: the
// position of computer_choice_bench.cpp, early in a two-player hand.
TSeatKnowledge FullTable(int gameMode)
{
    TSeatKnowledge k;
    k.gameMode = gameMode;
    k.table = { 14, 3 + D, 4 + S, 5 + H, 7, 9 + D, 10 + S, 11 + H, 2, 6 + D, 13 + S, 12 + H };
    k.hand = { 7 + H, 13, 14 + D, 10, 5 + S, 12 };
    for (int seat = SeatS; seat <= SeatE; ++seat)
        k.handCount[seat] = gameMode == kTwoPlayers && (seat == SeatW || seat == SeatE) ? 0 : 6;
    k.cardsLeft = gameMode == kTwoPlayers ? 22 : 16;
    k.takenCount = gameMode == kTwoPlayers ? std::array<int, 4> { 0, 0, 0, 0 }
                                           : std::array<int, 4> { 2, 0, 0, 0 };
    return k;
}

void MasterChoice(benchmark::State& state, int gameMode)
{
    const TSeatKnowledge knowledge = FullTable(gameMode);
    for (auto _ : state)
        benchmark::DoNotOptimize(ChooseMasterMove(knowledge));
}

void MasterChoiceTwoPlayers(benchmark::State& state)
{
    MasterChoice(state, kTwoPlayers);
}
void MasterChoiceFourPlayers(benchmark::State& state)
{
    MasterChoice(state, kEachForHimself);
}

} // namespace

BENCHMARK(MasterChoiceTwoPlayers)->Unit(benchmark::kMicrosecond);
BENCHMARK(MasterChoiceFourPlayers)->Unit(benchmark::kMicrosecond);
