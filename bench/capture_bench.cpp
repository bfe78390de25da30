#include "cards/ids/card_ids.h"
#include "bench/ratio_report.h"
#include "game/computer/table_captures.h"
#include "game/controller/card_collection.h"
#include "game/rules/card_points.h"
#include "tests/support/table_candidates.h"
#include "tests/support/fake_card_owner.h"
#include "tests/support/reference_splits.h"

#include <benchmark/benchmark.h>

#include <array>
#include <bit>
#include <memory>
#include <vector>

namespace {

// Card IDs: a suit card's value plus its block's base (cards/ids/card_ids.h).
constexpr int D = kDiamondsBase, S = kSpadesBase, H = kHeartsBase;

// Cards are built before the timed loop and freed with the benchmark, while
// the application and the picture table still exist.
class TBenchCards {
public:
    TZuSingleCard& Make(int id) { return FPool.Make(id); }

    TCardCollection SetOf(std::initializer_list<int> ids)
    {
        TCardCollection set;
        for (int id : ids)
            set.Add(Make(id));
        return set;
    }

private:
    TCardPool FPool;
};

bool ReferenceTakes(const TCardCollection& set, const TZuSingleCard& hand)
{
    std::array<int, kMaxCaptureCards> values {};
    for (int i = 0; i < set.Count(); ++i)
        values[i] = set.Card(i).Value();
    return ReferenceCanTake(hand.Value(), std::span<const int>(values.data(), set.Count()));
}

// The king against twelve marked cards that add up to 5 x 14 but split into no
// groups of 14: the reference walks all 4,213,597 splits.
struct TNoSplit {
    TBenchCards cards;
    TCardCollection set
        = cards.SetOf({ 8, 2 + D, 6, 4 + S, 8 + D, 7 + H, 8 + S, 3, 9 + D, 2 + H, 8 + H, 5 + S });
    TZuSingleCard& king = cards.Make(13 + H);
};

void CanTakeTwelveNoSplitReference(benchmark::State& state)
{
    TNoSplit input;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReferenceTakes(input.set, input.king));
}

void CanTakeTwelveNoSplitOurs(benchmark::State& state)
{
    TNoSplit input;
    for (auto _ : state)
        benchmark::DoNotOptimize(input.set.CanTake(input.king));
}

// Both decks' eight aces among twelve cards: 256 ways to count the aces.
void CanTakeTwelveWithEightAcesOurs(benchmark::State& state)
{
    TBenchCards cards;
    const TCardCollection set = cards.SetOf(
        { 14, 14 + D, 14 + S, 14 + H, 14, 14 + D, 14 + S, 14 + H, 3, 4 + D, 7 + S, 2 + H });
    const TZuSingleCard& queen = cards.Make(12 + D);
    for (auto _ : state)
        benchmark::DoNotOptimize(set.CanTake(queen));
}

// A computer's whole decision: six hand cards against every candidate set of
// a full table.
struct TScan {
    TBenchCards cards;
    TTableCards table;
    std::vector<const TZuSingleCard*> hand;

    TScan()
    {
        for (int id : { 14, 3 + D, 4 + S, 5 + H, 7, 9 + D })
            table.talon1.push_back(&cards.Make(id));
        for (int id : { 10 + S, 11 + H, 2, 6 + D, 13 + S, 12 + H })
            table.talon2.push_back(&cards.Make(id));
        for (int id : { 7 + H, 13, 14 + D, 10, 5 + S, 12 })
            hand.push_back(&cards.Make(id));
    }
};

// Every (candidate, hand card) answer; returns how many pairs take.
template <class Takes> int TakingPairs(const TScan& scan, Takes takes)
{
    TCardCollections list;
    const int count = getAllPossibleCollections(scan.table, list);
    int found = 0;
    for (int i = 0; i < count; ++i)
        for (const TZuSingleCard* card : scan.hand)
            found += takes(list[i], *card);
    return found;
}

void ComputerScanReference(benchmark::State& state)
{
    const TScan scan;
    for (auto _ : state)
        benchmark::DoNotOptimize(TakingPairs(scan, ReferenceTakes));
}

// The same answers, one CanTake per pair.
void ComputerScanOursPairwise(benchmark::State& state)
{
    const TScan scan;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            TakingPairs(scan, [](const TCardCollection& set, const TZuSingleCard& card) {
                return set.CanTake(card);
            }));
}

// The same answers on card objects, each candidate read once for the whole
// hand.
void ComputerScanCardObjects(benchmark::State& state)
{
    const TScan scan;
    for (auto _ : state) {
        TCardCollections list;
        const int count = getAllPossibleCollections(scan.table, list);
        int found = 0;
        for (int i = 0; i < count; ++i)
            found += std::popcount(CanTakeEach(list[i], scan.hand));
        benchmark::DoNotOptimize(found);
    }
}

// The same answers as the computer's choice reaches them on every decision
// of "Pametno" (and so in every playout of the search): card values walked as
// index arrays with running totals, each set tested once per hand target.
void ComputerScanOurs(benchmark::State& state)
{
    const std::vector<int> table { 14, 3 + D, 4 + S, 5 + H, 7, 9 + D, 10 + S, 11 + H, 2, 6 + D,
        13 + S, 12 + H };
    const std::vector<int> hand { 7 + H, 13, 14 + D, 10, 5 + S, 12 };
    for (auto _ : state) {
        std::vector<zaviko::computer::TCandidateCard> cards(table.size());
        for (std::size_t i = 0; i < table.size(); ++i)
            cards[i] = { CardValue(table[i]), CardPoints(table[i]) };
        std::array<int, 32> holding {};
        zaviko::computer::TTargets targets = 0;
        for (int id : hand) {
            const int target = CaptureTarget(CardValue(id));
            ++holding[target];
            targets |= zaviko::computer::TTargets { 1 } << target;
        }
        int found = 0;
        zaviko::computer::WalkCandidates(cards, [&](const zaviko::computer::TCandidateSet& set) {
            for (auto taking = zaviko::computer::TakingTargets(cards, set, targets); taking != 0;
                 taking &= taking - 1)
                found += holding[std::countr_zero(taking)];
            return true;
        });
        benchmark::DoNotOptimize(found);
    }
}

BENCHMARK(CanTakeTwelveNoSplitReference)->Unit(benchmark::kMicrosecond);
BENCHMARK(CanTakeTwelveNoSplitOurs)->Unit(benchmark::kMicrosecond);
BENCHMARK(CanTakeTwelveWithEightAcesOurs)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComputerScanReference)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComputerScanOursPairwise)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComputerScanCardObjects)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComputerScanOurs)->Unit(benchmark::kMicrosecond);

const bool kRatios = RegisterRatio("can_take_12_no_split", "CanTakeTwelveNoSplitReference",
                         "CanTakeTwelveNoSplitOurs")
    && RegisterRatio("computer_scan_12_table", "ComputerScanReference", "ComputerScanOurs")
    && RegisterRatio(
        "computer_scan_12_table_card_objects", "ComputerScanReference", "ComputerScanCardObjects");

} // namespace
