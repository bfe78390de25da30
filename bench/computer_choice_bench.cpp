#include "cards/ids/card_ids.h"
#include "bench/ratio_report.h"
#include "cards/zucard.h"
#include "game/controller/card_collection.h"
#include "game/rules/card_points.h"
#include "game/computer/computer_choice.h"
#include "tests/support/table_candidates.h"
#include "tests/support/fake_card_owner.h"
#include "tests/support/reference_choice.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Card IDs: a suit card's value plus its block's base (cards/ids/card_ids.h).
constexpr int D = kDiamondsBase, S = kSpadesBase, H = kHeartsBase;

// One decision of a computer seat with a full hand on a full table of
// twelve cards: 1585 candidate sets against six hand cards.
const std::vector<int> kTable { 14, 3 + D, 4 + S, 5 + H, 7, 9 + D, 10 + S, 11 + H, 2, 6 + D, 13 + S,
    12 + H };
const std::vector<int> kHand { 7 + H, 13, 14 + D, 10, 5 + S, 12 };

// The same cards as card objects on the two piles.
struct TCardDeal {
    TCardPool pool;
    TTableCards table;
    std::vector<const TZuSingleCard*> hand;

    TCardDeal()
    {
        for (std::size_t i = 0; i < kTable.size(); ++i)
            (i < 6 ? table.talon1 : table.talon2).push_back(&pool.Make(kTable[i]));
        for (int id : kHand)
            hand.push_back(&pool.Make(id));
    }
};

void ComputerChoice(benchmark::State& state, int strength)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ChooseComputerMove(kHand, kTable, strength, 1));
}

void ComputerChoicePametno(benchmark::State& state)
{
    ComputerChoice(state, csPametno);
}
void ComputerChoiceProsecno(benchmark::State& state)
{
    ComputerChoice(state, csProsecno);
}
void ComputerChoiceGlupo(benchmark::State& state)
{
    ComputerChoice(state, csGlupo);
}

// The rule as written: every (slot, set) pair asks CanTake.
void ComputerChoicePametnoReference(benchmark::State& state)
{
    const TCardDeal deal;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReferenceComputerChoice(deal.table, deal.hand, csPametno, 1));
}

// The card-object choice at its quickest: the candidate list, and each set
// tested once for the whole hand; the richest capture, ties to the last met.
void ComputerChoicePametnoCardObjects(benchmark::State& state)
{
    const TCardDeal deal;
    for (auto _ : state) {
        TCardCollections list;
        const int count = getAllPossibleCollections(deal.table, list);
        int best = -1, bestSlot = -1, bestSet = -1;
        for (int c = 0; c < count; ++c) {
            const std::uint64_t taking = CanTakeEach(list[c], deal.hand);
            int points = 0;
            for (int i = 0; i < list[c].Count(); ++i)
                points += CardPoints(list[c].CardID(i));
            for (int s = 0; s < static_cast<int>(deal.hand.size()); ++s) {
                const int value = points + CardPoints(deal.hand[s]->ID());
                if ((taking >> s & 1) && (value > best || (value == best && s >= bestSlot))) {
                    best = value;
                    bestSlot = s;
                    bestSet = c;
                }
            }
        }
        benchmark::DoNotOptimize(bestSet);
    }
}

BENCHMARK(ComputerChoicePametno)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComputerChoiceProsecno)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComputerChoiceGlupo)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComputerChoicePametnoReference)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComputerChoicePametnoCardObjects)->Unit(benchmark::kMicrosecond);

const bool kRatios = RegisterRatio("computer_choice_12_table", "ComputerChoicePametnoReference",
                         "ComputerChoicePametno")
    && RegisterRatio("computer_choice_12_table_vs_card_objects", "ComputerChoicePametnoCardObjects",
        "ComputerChoicePametno");

} // namespace
