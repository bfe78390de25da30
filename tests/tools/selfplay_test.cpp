// The self-play tool: its options, a run that a seed repeats on any number
// of threads, the confidence interval, and the table and CSV it writes.
#include "tools/selfplay/selfplay_report.h"

#include "game/rules/match_rules.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TSelfPlayOptions Options(std::vector<std::string> args)
{
    return ParseSelfPlayOptions(args);
}

TEST(SelfPlay, ReadsItsOptionsAndRefusesBadOnes)
{
    const TSelfPlayOptions o = Options({ "--seats", "Majstor,1", "--matches", "12", "--decks", "2",
        "--seed", "5", "--csv", "out.csv", "--threads", "3", "--no-progress" });
    EXPECT_EQ(o.strengths, (std::array<int, 4> { csMajstor, csPametno, csProsecno, csPametno }));
    EXPECT_EQ(o.gameMode, kTwoPlayers);
    EXPECT_EQ(o.matches, 12);
    EXPECT_EQ(o.deckCount, 1);
    EXPECT_TRUE(o.seedGiven);
    EXPECT_EQ(o.csvPath, "out.csv");
    EXPECT_EQ(Options({ "--mode", "pairs", "--seats", "glupo,3,0,2" }).strengths,
        (std::array<int, 4> { csGlupo, csMajstor, csPametno, csGlupo }));
    // The one-move "Majstor" is a seat of the tool only; the budget is the search's.
    const TSelfPlayOptions h = Options({ "--seats", "Heuristic,majstor", "--master-budget", "40" });
    EXPECT_EQ(
        h.strengths, (std::array<int, 4> { csHeuristicMajstor, csPametno, csMajstor, csPametno }));
    EXPECT_EQ(h.masterBudget, 40);
    EXPECT_TRUE(MatchSetup(h, 3).chooser); // a setup without one plays no match
    EXPECT_EQ(MasterBudget(h), 40);
    // Unnamed, the budget is the game's for the mode and decks (or the
    // environment's pin).
    EXPECT_EQ(MasterBudget(Options({})), PositionSearchBudget(kTwoPlayers, 0));
    EXPECT_EQ(MasterBudget(Options({ "--decks", "2" })), PositionSearchBudget(kTwoPlayers, 1));
    EXPECT_EQ(MasterBudget(Options({ "--decks", "2", "--mode", "pairs" })),
        PositionSearchBudget(kPairs, 1));
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>> {
             { "--matches", "0" }, { "--matches", "12x" }, { "--decks", "3" }, { "--mode", "five" },
             { "--seats", "majstor,nobody" }, { "--mode", "each", "--seats", "0,1" }, { "--seed" },
             { "--fast" }, { "--master-budget", "-1" }, { "--seats", "5,0" } })
        EXPECT_THROW(Options(bad), std::invalid_argument) << testing::PrintToString(bad);
}

// A seat may carry its own budget, and the peeking searcher is a seat of the
// tool: its settings peek, every other seat's do not.
TEST(SelfPlay, SeatsTakeTheirOwnBudgetAndThePeekingSearcher)
{
    const TSelfPlayOptions o = Options(
        { "--seats", "peek,majstor:800:m=20:t=50:h=1", "--master-budget", "60", "--both-orders" });
    EXPECT_EQ(
        o.strengths, (std::array<int, 4> { kPeekingSearcher, csPametno, csMajstor, csPametno }));
    EXPECT_TRUE(o.bothOrders);
    EXPECT_EQ(SeatName(o, SeatS), "Peek");
    EXPECT_EQ(SeatName(o, SeatN), "Majstor:800:m=20:t=50:h=1");
    EXPECT_EQ(SeatSearch(o, SeatN).twoDeckPlayoutMoves, 20);
    EXPECT_EQ(SeatSearch(o, SeatN).trustedLead, 0.5);
    EXPECT_TRUE(SeatSearch(o, SeatN).halving);
    EXPECT_FALSE(SeatSearch(o, SeatS).halving);
    EXPECT_TRUE(SeatSearch(o, SeatS).peekAtHiddenCards);
    EXPECT_EQ(SeatSearch(o, SeatS).budget, 60);
    EXPECT_FALSE(SeatSearch(o, SeatN).peekAtHiddenCards);
    EXPECT_EQ(SeatSearch(o, SeatN).budget, 800);
    EXPECT_EQ(SeatSearch(o, SeatN).threads, 1) << "the run spreads matches over the cores";
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>> {
             { "--seats", "pametno:40,majstor" }, { "--seats", "majstor:lots,pametno" },
             { "--seats", "majstor:-3,pametno" }, { "--seats", "majstor:c=0,pametno" },
             { "--seats", "majstor:w=101,pametno" }, { "--seats", "majstor:m=0,pametno" },
             { "--seats", "glupo:c=4,pametno" }, { "--seats", "majstor:h=2,pametno" },
             { "--round-robin", "--levels", "majstor:9,peek" } })
        EXPECT_THROW(Options(bad), std::invalid_argument) << testing::PrintToString(bad);
}

// With --both-orders each listed seat sits at every place in turn, and the
// figures come back by listed seat: the same matches with the seats listed
// the other way round give the mirrored table.
TEST(SelfPlay, BothOrdersTurnTheSeatsAndReportByListedSeat)
{
    const TSelfPlayOptions two = Options({ "--seats", "majstor:20,pametno", "--both-orders" });
    EXPECT_EQ(TableSeat(two, 0, SeatS), SeatS);
    EXPECT_EQ(TableSeat(two, 1, SeatS), SeatN);
    EXPECT_EQ(MatchSetup(two, 1).strengths[SeatS], csPametno);
    TSelfPlayOptions each
        = Options({ "--mode", "each", "--seats", "majstor:20,0,0,0", "--both-orders" });
    std::array<int, kSeatCount> places {};
    for (int index = 0; index < 8; ++index)
        ++places[TableSeat(each, index, SeatS)];
    EXPECT_EQ(places, (std::array<int, kSeatCount> { 2, 2, 2, 2 }));

    each.matches = 4;
    each.seed = 21;
    const std::vector<TMatchSummary> played = RunSelfPlay(each, [](int) {});
    for (int index = 0; index < 4; ++index) {
        const THeadlessMatchSetup setup = MatchSetup(each, index);
        const TMatchSummary raw = SummariseMatch(setup.seed, PlayHeadlessMatch(setup));
        const int at = TableSeat(each, index, SeatS);
        EXPECT_EQ(setup.strengths[at], csMajstor);
        EXPECT_EQ(played[index].scores[SeatS], raw.scores[at]) << "match " << index;
        EXPECT_EQ(played[index].points[SeatS], raw.points[at]);
        EXPECT_EQ(played[index].winner == SeatS, raw.winner == at);
    }

    // In pairs the pair's score and win sit on its scoring seat (S or W),
    // wherever the pair sits at the table.
    TSelfPlayOptions pairs
        = Options({ "--mode", "pairs", "--seats", "majstor:20,pametno,majstor:20,pametno",
            "--both-orders", "--matches", "4", "--seed", "5" });
    const std::vector<TMatchSummary> pairMatches = RunSelfPlay(pairs, [](int) {});
    for (int index = 0; index < 4; ++index) {
        const THeadlessMatchSetup setup = MatchSetup(pairs, index);
        const TMatchSummary raw = SummariseMatch(setup.seed, PlayHeadlessMatch(setup));
        const int pairAt = ScoringSeat(kPairs, TableSeat(pairs, index, SeatS));
        EXPECT_EQ(pairMatches[index].scores[SeatS], raw.scores[pairAt]) << "match " << index;
        EXPECT_EQ(pairMatches[index].scores[SeatN], 0);
        ASSERT_NE(raw.winner, kNoSeat);
        EXPECT_EQ(pairMatches[index].winner == SeatS, raw.winner == pairAt) << "match " << index;
        EXPECT_TRUE(pairMatches[index].winner == SeatS || pairMatches[index].winner == SeatW);
    }
}

TEST(SelfPlay, WilsonIntervalAroundTheShare)
{
    struct TCase {
        int wins, matches;
        double low, high;
    };
    for (const TCase& c : { TCase { 50, 100, 0.4038, 0.5962 }, TCase { 0, 10, 0, 0.2775 },
             TCase { 7144, 10000, 0.7055, 0.7231 } }) {
        const TShare share = WinShare(c.wins, c.matches);
        EXPECT_NEAR(share.rate, double(c.wins) / c.matches, 1e-12);
        EXPECT_NEAR(share.low, c.low, 5e-4) << c.wins << "/" << c.matches;
        EXPECT_NEAR(share.high, c.high, 5e-4) << c.wins << "/" << c.matches;
    }
}

TEST(SelfPlay, ASeedGivesTheSameTableOnAnyNumberOfThreads)
{
    TSelfPlayOptions options = Options(
        { "--seats", "majstor,pametno", "--matches", "24", "--seed", "3", "--threads", "1" });
    const std::vector<TMatchSummary> one = RunSelfPlay(options, [](int) {});
    options.threads = 4;
    int lastDone = -1;
    const std::vector<TMatchSummary> four
        = RunSelfPlay(options, [&](int done) { lastDone = done; });
    EXPECT_EQ(lastDone, 24);
    ASSERT_EQ(one, four);
    // Each match is the headless match of its own seed.
    const THeadlessMatchSetup setup = MatchSetup(options, 17);
    EXPECT_EQ(one[17], SummariseMatch(setup.seed, PlayHeadlessMatch(setup)));

    std::ostringstream table, again;
    PrintReport(table, options, one);
    PrintReport(again, options, four);
    EXPECT_EQ(table.str(), again.str());
    EXPECT_NE(table.str().find("24 matches, two players, one deck, seed 3"), std::string::npos);
    const std::vector<TSideFigures> sides = SideFigures(options, one);
    ASSERT_EQ(sides.size(), 2U);
    EXPECT_EQ(sides[0].strength, "Majstor");
    EXPECT_EQ(sides[1].strength, "Pametno");
    EXPECT_EQ(sides[0].wins + sides[1].wins, 24);
    // Two players share 22 card points a hand.
    EXPECT_NEAR(sides[0].pointsPerHand + sides[1].pointsPerHand, 22.0, 1e-9);
}

TEST(SelfPlay, PairsAddUpTheirSeatsAndTheCsvHasARowPerMatch)
{
    const TSelfPlayOptions options = Options({ "--mode", "pairs", "--seats",
        "majstor,glupo,majstor,glupo", "--matches", "6", "--seed", "8" });
    const std::vector<TMatchSummary> matches = RunSelfPlay(options, [](int) {});
    const std::vector<TSideFigures> sides = SideFigures(options, matches);
    ASSERT_EQ(sides.size(), 2U);
    EXPECT_EQ(sides[0].side, "S/N");
    EXPECT_EQ(sides[1].strength, "Glupo/Glupo");
    EXPECT_NEAR(sides[0].pointsPerHand + sides[1].pointsPerHand, 22.0, 1e-9);

    std::ostringstream csv;
    WriteCsv(csv, matches);
    std::istringstream lines(csv.str());
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    ASSERT_EQ(rows.size(), 7U);
    EXPECT_EQ(rows[0].rfind("match,seed,winner,hands,moves,score_S,", 0), 0U);
    EXPECT_EQ(rows[3].rfind("2," + std::to_string(matches[2].seed) + ",", 0), 0U);
}

} // namespace
