// The review of the human's moves ("Analiza"): one whole hand of one deck,
// every move S made judged against every legal move in both views, on one
// core at the review's budget. The figure to hold is 3 s a hand: the review
// runs beside the game, and its marks should be there soon after the hand.
#include "bench/ratio_report.h"
#include "game/computer/seat_choice.h"
#include "game/review/move_judge.h"
#include "game/rules/computer_move.h"
#include "game/rules/headless_match.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <stdexcept>
#include <string>

namespace {

struct THandDone : std::exception { };

// S's moves of the first hand of a "Pametno" match: the position before each
// and the move.
THandReview FirstHand(int mode, std::uint64_t seed)
{
    THandReview hand { 1, {} };
    THeadlessMatchSetup setup;
    setup.seed = seed;
    setup.gameMode = mode;
    setup.chooser = [&](const TMatchState& s, int seat, int strength, int r) {
        const TComputerChoice choice = ChooseSeatMove(s, seat, strength, r);
        if (seat == SeatS && choice.handSlot >= 0)
            hand.moves.push_back({ s, MoveOfChoice(s, seat, choice), {}, {} });
        return choice;
    };
    setup.afterMove = [](const TMatchState& s) {
        if (s.HandsPlayed > 0) throw THandDone {};
    };
    try {
        PlayHeadlessMatch(setup);
    } catch (const THandDone&) {
    }
    return hand;
}

double ThreadSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}

void ReviewOneHand(benchmark::State& state)
{
    const int mode = int(state.range(0));
    std::vector<double> times;
    std::size_t moves = 0;
    std::uint64_t seed = 0;
    for (auto _ : state) {
        THandReview hand = FirstHand(mode, ++seed);
        moves = std::max(moves, hand.moves.size());
        TJudgeSettings settings;
        // The figure is of the game's budget, whatever the environment pins.
        settings.budget = kReviewBudget;
        const double start = ThreadSeconds();
        JudgeHand(hand, settings);
        times.push_back(ThreadSeconds() - start);
        benchmark::DoNotOptimize(hand);
    }
    std::sort(times.begin(), times.end());
    const char* name = mode == kTwoPlayers ? "two players"
        : mode == kPairs                   ? "four in pairs"
                                           : "four, each for himself";
    char line[200];
    std::snprintf(line, sizeof line,
        "review of one hand, %-24s budget %5d  median %5.2f s  worst %5.2f s  (one core, "
        "%zu hands, up to %zu moves)",
        name, kReviewBudget, times[times.size() / 2], times.back(), times.size(), moves);
    SetNote("review " + std::to_string(mode), line);
}

BENCHMARK(ReviewOneHand)
    ->Arg(kTwoPlayers)
    ->Arg(kEachForHimself)
    ->Arg(kPairs)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
