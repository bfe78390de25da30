#include "tools/selfplay/selfplay_run.h"
#include "game/computer/search_player.h"
#include "game/rules/match_rules.h"
#include "game/computer/seat_choice.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <exception>
#include <mutex>
#include <thread>

TMatchSummary SummariseMatch(std::uint64_t seed, const THeadlessMatchResult& result)
{
    TMatchSummary s;
    s.seed = seed;
    s.scores = result.scores;
    s.winner = result.winner;
    s.hands = int(result.hands.size());
    s.moves = result.moves;
    for (const THandFigures& hand : result.hands) {
        for (int seat = SeatS; seat <= SeatE; ++seat) {
            s.points[seat] += hand.points[seat];
            s.clears[seat] += hand.clears[seat];
            s.cards[seat] += hand.cards[seat];
        }
        for (int seat : hand.bonusSeats)
            ++s.bonuses[seat];
    }
    return s;
}

std::uint64_t MatchSeed(std::uint64_t base, int index)
{
    // SplitMix64's finaliser over the base and the index.
    std::uint64_t z = base + 0x9E3779B97F4A7C15ULL * std::uint64_t(index + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int TableSeat(const TSelfPlayOptions& options, int index, int seat)
{
    if (!options.bothOrders) return seat;
    const int turn = options.gameMode == kTwoPlayers ? 2 * (index % 2) : index % kSeatCount;
    return (seat + turn) % kSeatCount;
}

THeadlessMatchSetup MatchSetup(const TSelfPlayOptions& options, int index)
{
    THeadlessMatchSetup setup;
    std::array<TSearchSettings, kSeatCount> search;
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        const int at = TableSeat(options, index, seat);
        setup.strengths[at] = options.strengths[seat];
        search[at] = SeatSearch(options, seat);
    }
    setup.chooser = [search](const TMatchState& state, int seat, int strength, int r) {
        if (strength == kPeekingSearcher) return SearchMove(state, seat, search[seat]).choice;
        return ChooseSeatMoveWith(state, seat, strength, r, search[seat]);
    };
    setup.seed = MatchSeed(options.seed, index);
    setup.gameMode = options.gameMode;
    setup.deckCount = options.deckCount;
    return setup;
}

TMatchSummary ByListedSeats(const TSelfPlayOptions& options, int index, const TMatchSummary& played)
{
    TMatchSummary listed = played;
    listed.scores = {};
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        const int at = TableSeat(options, index, seat);
        listed.points[seat] = played.points[at];
        listed.clears[seat] = played.clears[at];
        listed.bonuses[seat] = played.bonuses[at];
        listed.cards[seat] = played.cards[at];
        // A pair's score and win are held by its scoring seat (S or W), on
        // the table and in the list alike.
        const int scoring = ScoringSeat(options.gameMode, seat);
        const int scoringAt = ScoringSeat(options.gameMode, at);
        listed.scores[scoring] = played.scores[scoringAt];
        if (played.winner == scoringAt) listed.winner = scoring;
    }
    return listed;
}

std::vector<TMatchSummary> RunSelfPlay(
    const TSelfPlayOptions& options, const std::function<void(int)>& progress)
{
    std::vector<TMatchSummary> summaries(options.matches);
    std::atomic<int> next { 0 }, done { 0 };
    std::atomic<bool> failed { false };
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto work = [&] {
        for (int i = next++; i < options.matches && !failed; i = next++) {
            try {
                const THeadlessMatchSetup setup = MatchSetup(options, i);
                summaries[i] = ByListedSeats(
                    options, i, SummariseMatch(setup.seed, PlayHeadlessMatch(setup)));
            } catch (...) {
                const std::lock_guard<std::mutex> lock(failureLock);
                if (!failure) failure = std::current_exception();
                failed = true;
            }
            ++done;
        }
    };
    const int cores = int(std::max(1U, std::thread::hardware_concurrency()));
    const int count = std::min(options.threads > 0 ? options.threads : cores, options.matches);
    std::vector<std::thread> threads;
    for (int t = 0; t < count; ++t)
        threads.emplace_back(work);
    while (done < options.matches && !failed) {
        progress(done);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    for (std::thread& thread : threads)
        thread.join();
    if (failure) std::rethrow_exception(failure);
    progress(done);
    return summaries;
}
