// Judging the human's moves: plainly costly moves are marked and the best
// costs nothing, the fair view never depends on a card the mover could not
// see, the thread count changes nothing and a stop ends it at once.
#include "game/review/move_judge.h"
#include "game/review/review_marks.h"

#include "game/rules/card_points.h"
#include "game/rules/match_rules.h"

#include "tests/support/hidden_shuffle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>

namespace {

constexpr int kTenOfDiamonds = 23;

// A two-player position of one deck with S on turn: the hands, the table's
// upper row and the deck as given; every other card taken, alternately by S
// and N, so what S knows adds up.
TMatchState Position(
    std::vector<int> handS, std::vector<int> handN, std::vector<int> table, std::vector<int> deck)
{
    TMatchState state;
    StartMatch(state, kTwoPlayers, 0, true);
    std::vector<int> placed;
    for (std::size_t i = 0; i < handS.size(); ++i)
        state.hands[SeatS][i] = handS[i];
    for (std::size_t i = 0; i < handN.size(); ++i)
        state.hands[SeatN][i] = handN[i];
    for (std::size_t i = 0; i < table.size(); ++i)
        state.table[0][i] = table[i];
    state.deck = deck;
    for (const auto* ids : { &handS, &handN, &table, &deck })
        placed.insert(placed.end(), ids->begin(), ids->end());
    int taker = SeatS;
    for (int id = 2; id <= 53; ++id)
        if (std::find(placed.begin(), placed.end(), id) == placed.end()) {
            state.taken[taker].push_back(id);
            taker = taker == SeatS ? SeatN : SeatS;
        }
    state.CurrentPlayer = SeatS;
    state.LastTaker = SeatN;
    state.MovesMade = 20;
    return state;
}

struct TCostlyCase {
    const char* what;
    TMatchState before;
    TMove best, costly;
};

// Card IDs: clubs 2..14, diamonds 15..27, spades 28..40, hearts 41..53.
std::vector<TCostlyCase> CostlyCases()
{
    return {
        // The seven of clubs clears a table of the seven of diamonds; laying
        // the two of diamonds beside it leaves the table to a nine.
        { "leaves an easy table clear", Position({ 7, 15 }, { 35, 44 }, { 20 }, { 30, 46, 9, 38 }),
            TMove { SeatS, 0, { { 0, 0 } } }, TMove { SeatS, 1, {} } },
        // On a bare table the ten of diamonds laid down goes to any ten, and
        // three tens are unseen; the two of spades is worth nothing to take.
        { "gives away the ten of diamonds",
            Position({ kTenOfDiamonds, 28 }, { 10, 49, 17 }, {}, { 36, 42, 31, 45 }),
            TMove { SeatS, 1, {} }, TMove { SeatS, 0, {} } },
    };
}

TJudgeSettings Budget(int playouts, int threads = 1)
{
    TJudgeSettings settings;
    settings.budget = playouts;
    settings.threads = threads;
    return settings;
}

TReviewedMove Reviewed(const TMatchState& before, const TMove& played, const TJudgeSettings& s)
{
    TReviewedMove reviewed { before, played, {}, {} };
    reviewed.fair = JudgeMove(before, played, ReviewView::Fair, s);
    reviewed.everyCard = JudgeMove(before, played, ReviewView::EveryCard, s);
    return reviewed;
}

std::vector<double> Values(const std::vector<TJudgedMove>& judged)
{
    std::vector<double> values;
    for (const TJudgedMove& j : judged)
        values.push_back(j.value), values.push_back(j.stdError);
    return values;
}

TEST(MoveJudge, APlainlyCostlyMoveIsMarkedAndTheBestCostsNothing)
{
    for (const TCostlyCase& c : CostlyCases()) {
        SCOPED_TRACE(c.what);
        for (ReviewView view : { ReviewView::Fair, ReviewView::EveryCard }) {
            const TReviewedMove costly = Reviewed(c.before, c.costly, Budget(800));
            const TReviewedMove best = Reviewed(c.before, c.best, Budget(800));
            // Every legal move once, best first, the played one among them.
            const auto& judged = JudgedMoves(costly, view);
            ASSERT_GE(judged.size(), 2U);
            EXPECT_TRUE(std::is_sorted(judged.begin(), judged.end(),
                [](const TJudgedMove& a, const TJudgedMove& b) { return a.value > b.value; }));
            ASSERT_NE(PlayedMove(costly, view), nullptr);
            EXPECT_GT(PlayedMove(costly, view)->stdError, 0);
            EXPECT_NE(MarkOf(costly, view), MoveMark::Best) << int(view);
            EXPECT_GE(CostOf(costly, view).points, kSmallMistakeCost);
            EXPECT_EQ(MarkOf(best, view), MoveMark::Best);
            EXPECT_EQ(CostOf(best, view).points, 0.0);
            EXPECT_EQ(PlayedMove(best, view), BestMove(best, view));
        }
    }
}

// The played move is judged even when the search would offer only the first
// of two alike hand cards: the list names it as it was played.
TEST(MoveJudge, ThePlayedMoveIsAlwaysJudgedAsItWasPlayed)
{
    // Two worthless sevens (clubs, spades): laying down either is one move.
    const TMatchState before = Position({ 7, 33, 15 }, { 35, 44, 3 }, { 30 }, { 46, 9 });
    const TMove second { SeatS, 1, {} };
    const auto judged = JudgeMove(before, second, ReviewView::Fair, Budget(200));
    const auto played = std::count_if(judged.begin(), judged.end(), [&](const TJudgedMove& j) {
        return j.move.handSlot == second.handSlot && j.move.take.empty();
    });
    EXPECT_EQ(played, 1);
    EXPECT_EQ(std::count_if(judged.begin(), judged.end(),
                  [](const TJudgedMove& j) { return j.move.handSlot == 0 && j.move.take.empty(); }),
        0)
        << "the first seven stands for the same move";
}

TEST(MoveJudge, TheFairJudgementNeverDependsOnAnUnseenCardNorOnTheThreads)
{
    std::mt19937 generator(5);
    int everyCardMoved = 0;
    for (const TCostlyCase& c : CostlyCases())
        for (int round = 0; round < 3; ++round) {
            SCOPED_TRACE(c.what);
            const TMatchState shuffled = WithHiddenCardsShuffled(c.before, SeatS, generator);
            const auto fair = JudgeMove(c.before, c.costly, ReviewView::Fair, Budget(300));
            EXPECT_EQ(
                Values(JudgeMove(shuffled, c.costly, ReviewView::Fair, Budget(300))), Values(fair));
            EXPECT_EQ(Values(JudgeMove(c.before, c.costly, ReviewView::Fair, Budget(300, 4))),
                Values(fair));
            const auto every = JudgeMove(c.before, c.costly, ReviewView::EveryCard, Budget(300));
            EXPECT_EQ(Values(JudgeMove(c.before, c.costly, ReviewView::EveryCard, Budget(300, 4))),
                Values(every));
            everyCardMoved
                += Values(JudgeMove(shuffled, c.costly, ReviewView::EveryCard, Budget(300)))
                != Values(every);
        }
    EXPECT_GT(everyCardMoved, 0) << "the deal as it was should matter with every card known";
}

TEST(MoveJudge, AStopEndsTheJudgingWithinOnePlayout)
{
    const TCostlyCase c = CostlyCases().front();
    for (int allowed : { 0, 1, 9 }) {
        std::atomic<int> asked = 0; // asked on the judge's threads
        TJudgeSettings settings = Budget(100000, 2);
        settings.stopped = [&] { return ++asked > allowed; };
        THandReview hand { 1, { { c.before, c.costly, {}, {} }, { c.before, c.best, {}, {} } } };
        int told = 0;
        EXPECT_FALSE(JudgeHand(hand, settings, [&](const THandReview&) { ++told; }));
        // Each thread asks once more before it ends: nothing ran on after.
        EXPECT_LE(asked, allowed + 3);
        EXPECT_EQ(told, 0);
        EXPECT_TRUE(hand.moves[0].fair.empty());
    }
    // Unstopped, every move is judged in both views and told of each time.
    THandReview hand { 1, { { c.before, c.costly, {}, {} }, { c.before, c.best, {}, {} } } };
    int told = 0;
    EXPECT_TRUE(JudgeHand(hand, Budget(100), [&](const THandReview&) { ++told; }));
    EXPECT_EQ(told, 4);
    for (const TReviewedMove& m : hand.moves)
        EXPECT_FALSE(m.fair.empty() || m.everyCard.empty());
}

} // namespace
