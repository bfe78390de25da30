#pragma once

#include "tools/selfplay/selfplay_ratings.h"
#include "tools/selfplay/selfplay_run.h"

#include <functional>
#include <ostream>
#include <vector>

// Every pairing of options.levels in options' mode and deck count, with
// options.matches matches each, half in each seat order. A level takes the
// seats of one side: S (two players), the pair S/N (pairs), or S and N
// against W and E (four each for himself, where the side wins when either of
// its seats wins), so the pairings are fair in every mode.
struct TRoundRobin {
    std::vector<int> levels;
    std::vector<TPairResult> pairs; // a, b index levels
    std::vector<double> ratings; // per level
};

// The seats of a run with level a on the first side and b on the other.
std::array<int, kSeatCount> RoundRobinSeats(int gameMode, int a, int b);
// Whether the first side won a match of that run.
bool FirstSideWon(int gameMode, int winner);

// progress(done, total) counts matches over the whole round robin.
TRoundRobin RunRoundRobin(
    const TSelfPlayOptions& options, const std::function<void(int, int)>& progress);

void PrintRoundRobin(std::ostream& out, const TSelfPlayOptions& options, const TRoundRobin& rr);
