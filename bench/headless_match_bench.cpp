// Whole headless matches per second on one core: four "Pametno" seats, one
// deck, each mode. Every iteration plays a match of the next seed, so the
// figure averages over many different matches.
#include "bench/ratio_report.h"
#include "game/rules/headless_match.h"
#include "game/computer/seat_choice.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void HeadlessMatch(benchmark::State& state)
{
    THeadlessMatchSetup setup;
    setup.chooser = ChooseSeatMove;
    setup.gameMode = int(state.range(0));
    setup.deckCount = 0;
    setup.strengths = { csPametno, csPametno, csPametno, csPametno };
    setup.checkCards = false;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        setup.seed = seed++;
        benchmark::DoNotOptimize(PlayHeadlessMatch(setup));
    }
}

BENCHMARK(HeadlessMatch)
    ->Arg(kEachForHimself)
    ->Arg(kPairs)
    ->Arg(kTwoPlayers)
    ->Unit(benchmark::kMillisecond);

bool RegisterModes()
{
    for (int mode : { kEachForHimself, kPairs, kTwoPlayers })
        RegisterRate(
            "matches_per_s " + std::to_string(mode), "HeadlessMatch/" + std::to_string(mode));
    return true;
}

const bool kRates = RegisterModes();

} // namespace
