#include "tools/selfplay/selfplay_round_robin.h"

#include "game/rules/match_rules.h"
#include "tools/selfplay/selfplay_report.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <string>

std::array<int, kSeatCount> RoundRobinSeats(int gameMode, int a, int b)
{
    if (gameMode == kTwoPlayers) return { a, csPametno, b, csPametno };
    return { a, b, a, b };
}

bool FirstSideWon(int gameMode, int winner)
{
    if (gameMode == kTwoPlayers) return winner == SeatS;
    return winner == SeatS || winner == SeatN;
}

TRoundRobin RunRoundRobin(
    const TSelfPlayOptions& options, const std::function<void(int, int)>& progress)
{
    TRoundRobin rr;
    rr.levels = options.levels;
    const int n = int(rr.levels.size());
    const int total = n * (n - 1) / 2 * options.matches;
    int done = 0, run = 0;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b) {
            TPairResult result { a, b, 0, 0 };
            // Both seat orders, the first taking the odd match.
            for (int order = 0; order < 2; ++order) {
                TSelfPlayOptions one = options;
                one.matches = options.matches / 2 + (order == 0 ? options.matches % 2 : 0);
                if (one.matches == 0) continue;
                const int first = order == 0 ? a : b, second = order == 0 ? b : a;
                one.strengths
                    = RoundRobinSeats(options.gameMode, rr.levels[first], rr.levels[second]);
                one.seed = MatchSeed(options.seed, 1000000 + run++);
                const std::vector<TMatchSummary> matches
                    = RunSelfPlay(one, [&](int d) { progress(done + d, total); });
                for (const TMatchSummary& m : matches) {
                    if (m.winner == kNoSeat)
                        result.winsA += 0.5;
                    else if (FirstSideWon(options.gameMode, m.winner) == (order == 0))
                        result.winsA += 1;
                }
                result.games += one.matches;
                done += one.matches;
            }
            rr.pairs.push_back(result);
        }
    rr.ratings = EloRatings(n, rr.pairs);
    return rr;
}

void PrintRoundRobin(std::ostream& out, const TSelfPlayOptions& options, const TRoundRobin& rr)
{
    out << "round robin, " << ModeName(options.gameMode) << ", "
        << (options.deckCount == 0 ? "one deck" : "two decks") << ", seed " << options.seed
        << ", Majstor budget " << MasterBudget(options) << ", " << options.matches
        << " matches per pairing\n\n";
    char line[256];
    std::snprintf(line, sizeof line, "%-10s %-10s %8s %7s %17s\n", "level", "against", "wins",
        "win %", "95% interval");
    out << line;
    for (const TPairResult& p : rr.pairs) {
        const TShare share = WinShare(int(p.winsA + 0.5), p.games);
        const std::string interval = IntervalText(share);
        std::snprintf(line, sizeof line, "%-10s %-10s %8.1f %7.1f %17s\n",
            StrengthName(rr.levels[p.a]), StrengthName(rr.levels[p.b]), p.winsA, 100 * share.rate,
            interval.c_str());
        out << line;
    }
    std::vector<int> order(rr.levels.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(
        order.begin(), order.end(), [&](int x, int y) { return rr.ratings[x] > rr.ratings[y]; });
    out << "\nrating (Elo, mean 1500)\n";
    for (int i : order) {
        std::snprintf(
            line, sizeof line, "%-10s %6.0f\n", StrengthName(rr.levels[i]), rr.ratings[i]);
        out << line;
    }
}
