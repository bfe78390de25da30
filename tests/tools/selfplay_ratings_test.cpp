// The round robin of levels and the Elo fit of its results.
#include "tools/selfplay/selfplay_round_robin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

TEST(SelfPlayRatings, TheFitRecoversTheRatingsThatMadeTheResults)
{
    const std::vector<double> truth { 1300, 1450, 1550, 1700 };
    std::vector<TPairResult> results;
    constexpr int games = 10000000; // so the one drawn match of the prior does not show
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
            results.push_back({ a, b, games * EloExpected(truth[a], truth[b]), games });
    const std::vector<double> fit = EloRatings(4, results);
    ASSERT_EQ(fit.size(), 4U);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(fit[i], truth[i], 0.5) << i;

    // Even results rate every level alike; a level that won every match
    // still gets a finite rating, above the rest.
    for (double r : EloRatings(3, { { 0, 1, 50, 100 }, { 1, 2, 50, 100 }, { 0, 2, 50, 100 } }))
        EXPECT_NEAR(r, 1500, 1e-6);
    const std::vector<double> sweep = EloRatings(2, { { 0, 1, 200, 200 } });
    EXPECT_TRUE(std::isfinite(sweep[0]));
    EXPECT_GT(sweep[0], sweep[1] + 400);
    EXPECT_NEAR(sweep[0] + sweep[1], 3000, 1e-6);
}

TEST(SelfPlayRatings, TheRoundRobinPlaysEveryPairingInBothSeatOrders)
{
    EXPECT_EQ(RoundRobinSeats(kTwoPlayers, csMajstor, csGlupo)[SeatS], csMajstor);
    EXPECT_EQ(RoundRobinSeats(kTwoPlayers, csMajstor, csGlupo)[SeatN], csGlupo);
    EXPECT_EQ(RoundRobinSeats(kEachForHimself, csMajstor, csGlupo),
        (std::array<int, 4> { csMajstor, csGlupo, csMajstor, csGlupo }));
    EXPECT_TRUE(FirstSideWon(kEachForHimself, SeatN));
    EXPECT_FALSE(FirstSideWon(kPairs, SeatW));
    EXPECT_FALSE(FirstSideWon(kTwoPlayers, SeatN));

    TSelfPlayOptions options
        = ParseSelfPlayOptions({ "--round-robin", "--levels", "glupo,pametno,majstor", "--mode",
            "pairs", "--matches", "5", "--seed", "4", "--master-budget", "8", "--threads", "2" });
    int lastDone = -1, lastTotal = -1;
    const TRoundRobin rr = RunRoundRobin(options, [&](int done, int total) {
        EXPECT_GE(done, lastDone);
        lastDone = done;
        lastTotal = total;
    });
    EXPECT_EQ(lastTotal, 15);
    EXPECT_EQ(lastDone, 15);
    ASSERT_EQ(rr.pairs.size(), 3U);
    for (const TPairResult& p : rr.pairs) {
        EXPECT_EQ(p.games, 5);
        EXPECT_GE(p.winsA, 0);
        EXPECT_LE(p.winsA, 5);
    }
    ASSERT_EQ(rr.ratings.size(), 3U);
    // The same seed plays the same round robin.
    const TRoundRobin again = RunRoundRobin(options, [](int, int) {});
    for (std::size_t i = 0; i < rr.pairs.size(); ++i)
        EXPECT_EQ(again.pairs[i].winsA, rr.pairs[i].winsA);
    std::ostringstream out;
    PrintRoundRobin(out, options, rr);
    EXPECT_NE(out.str().find("rating (Elo, mean 1500)"), std::string::npos);
    EXPECT_NE(out.str().find("Glupo      Pametno"), std::string::npos);

    EXPECT_THROW(ParseSelfPlayOptions({ "--round-robin", "--seats", "glupo,majstor" }),
        std::invalid_argument);
    EXPECT_THROW(ParseSelfPlayOptions({ "--levels", "glupo" }), std::invalid_argument);
}

} // namespace
