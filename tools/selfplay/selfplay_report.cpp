#include "tools/selfplay/selfplay_report.h"

#include "game/rules/match_rules.h"

#include <cmath>
#include <cstdio>

namespace {

const char* const kSeatNames[] = { "S", "W", "N", "E" };

// The sides of a mode: their seats, the first one holding the side's score.
std::vector<std::vector<int>> Sides(int gameMode)
{
    if (gameMode == kTwoPlayers) return { { SeatS }, { SeatN } };
    if (gameMode == kPairs) return { { SeatS, SeatN }, { SeatW, SeatE } };
    return { { SeatS }, { SeatW }, { SeatN }, { SeatE } };
}

std::string Joined(const std::vector<int>& seats, const auto& text)
{
    std::string joined;
    for (int seat : seats)
        joined += (joined.empty() ? "" : "/") + std::string(text(seat));
    return joined;
}

} // namespace

const char* ModeName(int gameMode)
{
    return gameMode == kTwoPlayers ? "two players"
        : gameMode == kPairs       ? "four players in pairs"
                                   : "four players, each for himself";
}

std::string Fixed(double value, int decimals)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string IntervalText(const TShare& share)
{
    return Fixed(100 * share.low, 1) + " - " + Fixed(100 * share.high, 1);
}

TShare WinShare(int wins, int matches)
{
    if (matches <= 0) return {};
    constexpr double z = 1.959964; // the normal quantile of 97.5%
    const double n = matches, p = wins / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z / (1 + z * z / n) * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n));
    return { p, std::max(0.0, centre - half), std::min(1.0, centre + half) };
}

std::vector<TSideFigures> SideFigures(
    const TSelfPlayOptions& options, const std::vector<TMatchSummary>& matches)
{
    std::vector<TSideFigures> figures;
    int hands = 0;
    for (const TMatchSummary& match : matches)
        hands += match.hands;
    for (const std::vector<int>& seats : Sides(options.gameMode)) {
        TSideFigures side;
        side.side = Joined(seats, [](int seat) { return kSeatNames[seat]; });
        side.strength = Joined(seats, [&](int seat) { return SeatName(options, seat); });
        double points = 0, clears = 0, bonuses = 0, score = 0;
        for (const TMatchSummary& match : matches) {
            side.wins += match.winner == seats.front();
            score += match.scores[seats.front()];
            for (int seat : seats) {
                points += match.points[seat];
                clears += match.clears[seat];
                bonuses += match.bonuses[seat];
            }
        }
        side.share = WinShare(side.wins, int(matches.size()));
        if (hands > 0) {
            side.pointsPerHand = points / hands;
            side.clearsPerHand = clears / hands;
            side.bonusesPerHand = bonuses / hands;
        }
        if (!matches.empty()) side.meanScore = score / double(matches.size());
        figures.push_back(side);
    }
    return figures;
}

void PrintReport(
    std::ostream& out, const TSelfPlayOptions& options, const std::vector<TMatchSummary>& matches)
{
    int hands = 0;
    for (const TMatchSummary& match : matches)
        hands += match.hands;
    out << matches.size() << " matches, " << ModeName(options.gameMode) << ", "
        << (options.deckCount == 0 ? "one deck" : "two decks") << ", seed " << options.seed << ", "
        << "Majstor budget " << MasterBudget(options) << ", "
        << Fixed(matches.empty() ? 0 : double(hands) / matches.size(), 2) << " hands per match\n\n";
    char line[256];
    std::snprintf(line, sizeof line, "%-5s %-18s %7s %7s %17s %9s %8s %8s %7s\n", "side",
        "strength", "wins", "win %", "95% interval", "pts/hand", "clr/hand", "bon/hand", "score");
    out << line;
    for (const TSideFigures& f : SideFigures(options, matches)) {
        const std::string interval = IntervalText(f.share);
        std::snprintf(line, sizeof line, "%-5s %-18s %7d %7.1f %17s %9.2f %8.3f %8.3f %7.1f\n",
            f.side.c_str(), f.strength.c_str(), f.wins, 100 * f.share.rate, interval.c_str(),
            f.pointsPerHand, f.clearsPerHand, f.bonusesPerHand, f.meanScore);
        out << line;
    }
}

void WriteCsv(std::ostream& out, const std::vector<TMatchSummary>& matches)
{
    out << "match,seed,winner,hands,moves";
    for (const char* what : { "score", "points", "clears", "bonuses", "cards" })
        for (const char* seat : kSeatNames)
            out << ',' << what << '_' << seat;
    out << '\n';
    for (std::size_t i = 0; i < matches.size(); ++i) {
        const TMatchSummary& m = matches[i];
        out << i << ',' << m.seed << ',' << (m.winner == kNoSeat ? "-" : kSeatNames[m.winner])
            << ',' << m.hands << ',' << m.moves;
        for (const auto* figures : { &m.scores, &m.points, &m.clears, &m.bonuses, &m.cards })
            for (int value : *figures)
                out << ',' << value;
        out << '\n';
    }
}
