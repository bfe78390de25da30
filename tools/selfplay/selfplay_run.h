#pragma once

#include "tools/selfplay/selfplay_options.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// What the tool keeps of one match: the result without its per-hand list.
struct TMatchSummary {
    std::uint64_t seed = 0;
    std::array<int, kSeatCount> scores {};
    int winner = kNoSeat;
    int hands = 0, moves = 0;
    // Summed over the match's hands, per seat.
    std::array<int, kSeatCount> points {}, clears {}, bonuses {}, cards {};
    bool operator==(const TMatchSummary&) const = default;
};

TMatchSummary SummariseMatch(std::uint64_t seed, const THeadlessMatchResult& result);

// The seed of match `index` of a run: spread out from the base seed, so
// neighbouring matches share nothing and any match can be replayed alone.
std::uint64_t MatchSeed(std::uint64_t base, int index);

// The table seat where listed seat `seat` plays match `index`: the listed
// seat itself, or with --both-orders turned `index` places round the table
// (two players: S and N swapped every other match), so each listed seat sits
// at every place equally often.
int TableSeat(const TSelfPlayOptions& options, int index, int seat);

// The setup of match `index` of a run.
THeadlessMatchSetup MatchSetup(const TSelfPlayOptions& options, int index);

// The summary of match `index` by listed seats.
TMatchSummary ByListedSeats(
    const TSelfPlayOptions& options, int index, const TMatchSummary& played);

// Plays the run's matches on options.threads threads (one per core when 0),
// each taking the next unplayed match; the summaries come back in match
// order, so a seed gives the same run on any number of threads. progress(done)
// is called on the calling thread about ten times a second and at the end. A
// broken match (EHeadlessMatch) stops the run and is rethrown.
std::vector<TMatchSummary> RunSelfPlay(
    const TSelfPlayOptions& options, const std::function<void(int)>& progress);
