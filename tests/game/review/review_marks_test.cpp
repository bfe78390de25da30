#include "game/review/review_marks.h"

#include <gtest/gtest.h>

namespace {

TJudgedMove Judged(int slot, double value, double stdError)
{
    return { TMove { SeatS, slot, {} }, value, stdError };
}

// A move in slot `played` among moves of the given values (errors alike).
TReviewedMove Reviewed(int played, std::vector<double> values, double stdError)
{
    TReviewedMove reviewed;
    reviewed.played = { SeatS, played, {} };
    for (int slot = 0; slot < int(values.size()); ++slot)
        reviewed.fair.push_back(Judged(slot, values[slot], stdError));
    return reviewed;
}

TEST(ReviewMarksTest, AMoveIsAMistakeOnlyWhenItsCostStandsClearOfItsError)
{
    struct Case {
        int played;
        std::vector<double> values;
        double stdError;
        MoveMark mark;
        double cost;
    } cases[] = {
        { 1, { 0.0, 2.0, 1.0 }, 0.1, MoveMark::Best, 0.0 }, // the best costs nothing
        { 0, { 0.0, 2.0 }, 0.1, MoveMark::Mistake, 2.0 },
        { 0, { 0.0, 0.8 }, 0.1, MoveMark::SmallMistake, 0.8 },
        { 0, { 0.0, 0.3 }, 0.01, MoveMark::Best, 0.3 }, // below the small threshold
        { 0, { 0.0, 2.0 }, 2.0, MoveMark::Best, 2.0 }, // within the error: never marked
        { 0, { 0.0, 1.6 }, 0.2, MoveMark::Mistake, 1.6 },
    };
    for (const Case& c : cases) {
        const TReviewedMove reviewed = Reviewed(c.played, c.values, c.stdError);
        SCOPED_TRACE(testing::Message() << "played " << c.played << " of " << c.values.size());
        EXPECT_EQ(MarkOf(reviewed, ReviewView::Fair), c.mark);
        EXPECT_DOUBLE_EQ(CostOf(reviewed, ReviewView::Fair).points, c.cost);
        // The other view is not judged: nothing is marked in it.
        EXPECT_EQ(MarkOf(reviewed, ReviewView::EveryCard), MoveMark::Best);
    }
}

TEST(ReviewMarksTest, TheHandsAccuracyAndCostliestMistakeCountJudgedMovesOnly)
{
    THandReview hand;
    EXPECT_EQ(AccuracyPercent(hand, ReviewView::Fair), 100);
    EXPECT_EQ(CostliestMistake(hand, ReviewView::Fair), nullptr);
    hand.moves = { Reviewed(0, { 3.0, 1.0 }, 0.1), Reviewed(0, { 0.0, 0.9 }, 0.1),
        Reviewed(0, { 0.0, 2.5 }, 0.1), TReviewedMove {} };
    EXPECT_EQ(AccuracyPercent(hand, ReviewView::Fair), 33); // 1 of 3 judged
    ASSERT_EQ(CostliestMistake(hand, ReviewView::Fair), &hand.moves[2]);
}

} // namespace
