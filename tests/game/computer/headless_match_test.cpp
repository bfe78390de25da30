// Whole matches on plain values: deterministic per seed, sound in every mode,
// and the same when several run on several threads at once.
#include "game/rules/headless_match.h"
#include "game/computer/seat_choice.h"

#include "game/rules/match_rules.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

constexpr int kPointsPerDeck = 22;

THeadlessMatchSetup Checked(std::uint64_t seed, int mode = kEachForHimself, int decks = 0)
{
    THeadlessMatchSetup setup;
    setup.chooser = ChooseSeatMove;
    setup.seed = seed;
    setup.gameMode = mode;
    setup.deckCount = decks;
    setup.checkCards = true;
    return setup;
}

// The per-hand figures add up to the match: every card and point of each
// deck went to a playing seat, every hand card was played, and the score of
// each side is its points, clears and bonuses over all hands.
void ExpectFiguresAddUp(const THeadlessMatchSetup& setup, const THeadlessMatchResult& result)
{
    const int decks = setup.deckCount + 1;
    std::array<int, kSeatCount> scores {};
    for (const THandFigures& hand : result.hands) {
        int cards = 0, points = 0;
        for (int seat = SeatS; seat <= SeatE; ++seat) {
            if (!SeatPlays(setup.gameMode, seat)) {
                EXPECT_EQ(hand.cards[seat] + hand.clears[seat], 0) << "a hidden seat played";
            }
            cards += hand.cards[seat];
            points += hand.points[seat];
            scores[ScoringSeat(setup.gameMode, seat)] += hand.points[seat] + hand.clears[seat];
        }
        for (int seat : hand.bonusSeats)
            scores[ScoringSeat(setup.gameMode, seat)] += 3;
        EXPECT_EQ(cards, 52 * decks);
        EXPECT_EQ(points, kPointsPerDeck * decks);
        EXPECT_FALSE(hand.bonusSeats.empty());
    }
    EXPECT_EQ(scores, result.scores);
    // Four cards of each deck open the table; every other card is played once.
    EXPECT_EQ(result.moves, int(result.hands.size()) * (52 * decks - 4));
}

} // namespace

TEST(HeadlessMatch, ASeedAlwaysGivesTheSameMatch)
{
    const THeadlessMatchResult first = PlayHeadlessMatch(Checked(7));
    EXPECT_EQ(PlayHeadlessMatch(Checked(7)), first);
    // Pinned, so a change in the order of the draws or of the rules shows.
    EXPECT_EQ(first.scores, (std::array<int, 4> { 106, 85, 73, 97 }));
    EXPECT_EQ(first.moves, 576); // twelve hands of 48 moves
    EXPECT_EQ(first.winner, SeatS);
    // Another seed is another match.
    THeadlessMatchResult previous = first;
    for (std::uint64_t seed = 8; seed < 12; ++seed) {
        const THeadlessMatchResult other = PlayHeadlessMatch(Checked(seed));
        EXPECT_NE(other, previous) << seed;
        previous = other;
    }
}

TEST(HeadlessMatch, EveryModeAndDeckCountEndsWithAWinner)
{
    for (int mode : { kEachForHimself, kPairs, kTwoPlayers })
        for (int decks : { 0, 1 })
            for (std::uint64_t seed = 1; seed <= 4; ++seed) {
                THeadlessMatchSetup setup = Checked(seed * 101 + mode * 10 + decks, mode, decks);
                // Each seat at its own strength, and both directions.
                setup.strengths = { int(seed % 3), csPametno, csProsecno, csGlupo };
                setup.clockwise = seed % 2 == 0;
                SCOPED_TRACE(testing::Message()
                    << "mode " << mode << " decks " << decks << " seed " << setup.seed);
                const THeadlessMatchResult result = PlayHeadlessMatch(setup);
                ASSERT_NE(result.winner, kNoSeat);
                EXPECT_GT(result.scores[result.winner], 100);
                for (int score : result.scores)
                    EXPECT_LE(score, result.scores[result.winner]);
                ExpectFiguresAddUp(setup, result);
            }
}

TEST(HeadlessMatch, AMatchThatDoesNotEndThrows)
{
    THeadlessMatchSetup setup = Checked(3);
    setup.maxTurns = 40;
    EXPECT_THROW(PlayHeadlessMatch(setup), EHeadlessMatch);
}

TEST(HeadlessMatch, MatchesOnFourThreadsAtOnceEqualThemOneAfterAnother)
{
    constexpr int kThreads = 4, kPerThread = 6;
    std::vector<THeadlessMatchSetup> setups;
    for (int i = 0; i < kThreads * kPerThread; ++i)
        setups.push_back(Checked(1000 + i, i % 3, (i / 3) % 2));
    std::vector<THeadlessMatchResult> alone;
    for (const THeadlessMatchSetup& setup : setups)
        alone.push_back(PlayHeadlessMatch(setup));

    std::vector<THeadlessMatchResult> together(setups.size());
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            // Interleaved, so the threads play different modes side by side.
            for (std::size_t i = t; i < setups.size(); i += kThreads)
                together[i] = PlayHeadlessMatch(setups[i]);
        });
    for (std::thread& thread : threads)
        thread.join();
    for (std::size_t i = 0; i < setups.size(); ++i)
        EXPECT_EQ(together[i], alone[i]) << "match " << i;
}
