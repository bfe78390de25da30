#pragma once

#include "tools/selfplay/selfplay_run.h"

#include <ostream>
#include <string>
#include <vector>

// A share with its 95% confidence interval (Wilson's score interval, which
// stays inside 0..1 and holds up near 0 and 1).
struct TShare {
    double rate = 0, low = 0, high = 0;
};
TShare WinShare(int wins, int matches);
// "70.3 - 73.1": the interval in percent, as the tables print it.
std::string IntervalText(const TShare& share);
// "two players", "four players in pairs", "four players, each for himself".
const char* ModeName(int gameMode);
std::string Fixed(double value, int decimals);

// One side of the table: a seat, or a pair in pairs mode.
struct TSideFigures {
    std::string side; // "S", or "S/N"
    std::string strength; // "Majstor", or "Majstor/Pametno"
    int wins = 0;
    TShare share;
    double pointsPerHand = 0, clearsPerHand = 0, bonusesPerHand = 0, meanScore = 0;
};

std::vector<TSideFigures> SideFigures(
    const TSelfPlayOptions& options, const std::vector<TMatchSummary>& matches);

// The run's heading and table, as the tool prints it.
void PrintReport(
    std::ostream& out, const TSelfPlayOptions& options, const std::vector<TMatchSummary>& matches);

// One line per match after a heading line.
void WriteCsv(std::ostream& out, const std::vector<TMatchSummary>& matches);
