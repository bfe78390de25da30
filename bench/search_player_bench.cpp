// One "Majstor" decision (the search at its default budget) on positions of
// played matches in each mode, one deck and two: the median and the worst
// decision time on one core, by processor time, and the playouts per second;
// next to it the one-move judgement on the same positions as the reference.
#include "bench/ratio_report.h"
#include "game/computer/search_player.h"
#include "game/computer/seat_choice.h"
#include "game/rules/headless_match.h"
#include "game/computer/master_choice.h"
#include "game/computer/seat_knowledge.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

// Every fifth position with a card to play in a few "Pametno" matches.
std::vector<TMatchState> Positions(int mode, int decks)
{
    std::vector<TMatchState> positions;
    THeadlessMatchSetup setup;
    setup.chooser = ChooseSeatMove;
    setup.gameMode = mode;
    setup.deckCount = decks;
    int moves = 0;
    setup.afterMove = [&](const TMatchState& s) {
        const int seat = s.CurrentPlayer;
        if (s.MovesMade != moves && !s.GameOver && s.hands[seat] != THand {}) {
            moves = s.MovesMade;
            if (moves % 5 == 0) positions.push_back(s);
        }
    };
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        setup.seed = seed;
        moves = -1;
        PlayHeadlessMatch(setup);
    }
    return positions;
}

double ThreadSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

// The figures are of one core (the calling thread's processor time) at the
// game's default budget, whatever the environment pins.
TSearchSettings OneCore(const TMatchState& position)
{
    TSearchSettings settings;
    settings.threads = 1;
    settings.budget = DefaultSearchBudget(position.GameMode, position.DeckCount);
    return settings;
}

std::string ModeText(int mode, int decks)
{
    const char* name = mode == kTwoPlayers ? "two players"
        : mode == kPairs                   ? "four in pairs"
                                           : "four, each for himself";
    return std::string(name) + (decks == 0 ? ", one deck" : ", two decks");
}

void SearchDecision(benchmark::State& state)
{
    const std::vector<TMatchState> positions = Positions(int(state.range(0)), int(state.range(1)));
    std::vector<double> times;
    double playouts = 0;
    std::size_t next = 0;
    for (auto _ : state) {
        const TMatchState& position = positions[next++ % positions.size()];
        const double start = ThreadSeconds();
        const TSearchResult result
            = SearchMove(position, position.CurrentPlayer, OneCore(position));
        times.push_back(ThreadSeconds() - start);
        playouts += result.playouts;
        benchmark::DoNotOptimize(result);
    }
    std::sort(times.begin(), times.end());
    double total = 0;
    for (double t : times)
        total += t;
    state.counters["median_ms"] = 1000 * times[times.size() / 2];
    state.counters["worst_ms"] = 1000 * times.back();
    state.counters["playouts_per_s"] = total > 0 ? playouts / total : 0;
    const int mode = int(state.range(0)), decks = int(state.range(1));
    char line[200];
    std::snprintf(line, sizeof line,
        "decision %-32s budget %5d  median %6.1f ms  worst %6.1f ms  (one core, %zu positions)",
        ModeText(mode, decks).c_str(), DefaultSearchBudget(mode, decks),
        1000 * times[times.size() / 2], 1000 * times.back(), positions.size());
    SetNote("decision " + std::to_string(mode) + std::to_string(decks), line);
}

void HeuristicDecision(benchmark::State& state)
{
    const std::vector<TMatchState> positions = Positions(int(state.range(0)), int(state.range(1)));
    std::size_t next = 0;
    for (auto _ : state) {
        const TMatchState& position = positions[next++ % positions.size()];
        benchmark::DoNotOptimize(
            ChooseMasterMove(SeatKnowledgeOf(position, position.CurrentPlayer)));
    }
}

void Modes(benchmark::internal::Benchmark* b)
{
    for (int mode : { kTwoPlayers, kEachForHimself, kPairs })
        for (int decks : { 0, 1 })
            b->Args({ mode, decks });
}

BENCHMARK(SearchDecision)->Apply(Modes)->Unit(benchmark::kMillisecond)->Iterations(300);
BENCHMARK(HeuristicDecision)->Apply(Modes)->Unit(benchmark::kMicrosecond);

bool RegisterRatios()
{
    for (int mode : { kTwoPlayers, kEachForHimself, kPairs })
        for (int decks : { 0, 1 }) {
            const std::string args = std::to_string(mode) + "/" + std::to_string(decks);
            // How many one-move judgements one search costs.
            RegisterRatio("search_over_heuristic " + args,
                "SearchDecision/" + args + "/iterations:300", "HeuristicDecision/" + args);
        }
    return true;
}

const bool kRatios = RegisterRatios();

} // namespace
