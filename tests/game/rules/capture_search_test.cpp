#include "game/rules/capture_errors.h"
#include "game/rules/capture_search.h"
#include "tests/game/rules/capture_examples.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace capture_examples;

bool Takes(int hand, std::vector<int> table)
{
    return CanTakeValues(hand, table);
}

} // namespace

TEST(CaptureRule, WorkedExamplesOnValues)
{
    for (const TExample& e : WorkedExamples())
        EXPECT_EQ(Takes(e.hand, e.table), e.taken)
            << e.hand << " against " << testing::PrintToString(e.table);
    EXPECT_EQ(CaptureSumValue(J), 12);
}

TEST(CaptureRule, JokersNeitherTakeNorAreTaken)
{
    EXPECT_FALSE(Takes(A, { Joker })) << "a joker and an ace share sum value 0";
    EXPECT_FALSE(Takes(Joker, { A }));
    EXPECT_FALSE(Takes(Joker, { Joker }));
    EXPECT_FALSE(Takes(5, { 5, Joker }));
    EXPECT_FALSE(Takes(Joker, { 5, 5 }));
    EXPECT_FALSE(Takes(1, { A })) << "no dealt card has the value 1";
    EXPECT_FALSE(Takes(A, { 0 }));
    EXPECT_FALSE(Takes(7, { 3, 4 + 256 }));
}

TEST(CaptureRule, LargeSetsAreDecidedExactly)
{
    // Twelve cards in six groups of 14, two of them made with aces.
    // [11+3, 10+4, 8+6, 1+9+4, 2+12, 14]: one ace each way.
    EXPECT_TRUE(Takes(K, { 2, 3, A, 10, 4, 8, 6, A, 4, 9, J, K }));
    EXPECT_TRUE(Takes(K, { A, A, A, A, A, A, A, A, 3, 3, 3, 3 }))
        << "[11+3] four times and [11+1+1+1]";
    const std::vector<int> most(kMaxCaptureCards, 2);
    EXPECT_TRUE(SplitsIntoGroupsOf(most, 6));
    EXPECT_FALSE(SplitsIntoGroupsOf(most, 4)) << "21 twos cannot pair up";
    const std::vector<int> tooMany(kMaxCaptureCards + 1, 2);
    EXPECT_THROW(SplitsIntoGroupsOf(tooMany, 2), std::length_error);
}
