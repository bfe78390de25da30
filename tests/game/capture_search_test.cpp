#include "game/capture_errors.h"
#include "game/capture_search.h"

#include <gtest/gtest.h>

#include <memory_resource>
#include <vector>

namespace {

constexpr int J = 11, Q = 12, K = 13, A = 14, Joker = 15;

bool Takes(int hand, std::vector<int> table)
{
    return CanTakeValues(hand, table);
}

} // namespace

TEST(CaptureRule, WorkedExamples)
{
    EXPECT_TRUE(Takes(7, { 3, 4 }));
    EXPECT_TRUE(Takes(7, { 3, 4, 5, 2 })) << "two groups of 7 at once";
    EXPECT_FALSE(Takes(10, { 4, 6, 5 })) << "every card must be in a matching group";
    EXPECT_TRUE(Takes(K, { A, 3 })) << "ace as 11";
    EXPECT_TRUE(Takes(A, { 5, 6 }));
    EXPECT_TRUE(Takes(A, { 10, A })) << "ace in the set as 1";
    EXPECT_TRUE(Takes(A, { A }));
    EXPECT_TRUE(Takes(A, { A, A })) << "two groups of 11";
    EXPECT_TRUE(Takes(2, { A, A })) << "1 + 1";
    EXPECT_FALSE(Takes(Q, { J }));
    EXPECT_TRUE(Takes(J, { 10, 2 }));
    EXPECT_TRUE(Takes(9, { 9, 9 }));
}

TEST(CaptureRule, SingleTableCardIsTakenOnlyByEqualSumValue)
{
    EXPECT_TRUE(Takes(J, { J }));
    EXPECT_TRUE(Takes(9, { 9 }));
    EXPECT_FALSE(Takes(8, { 9 }));
    EXPECT_FALSE(Takes(K, { A })) << "a lone ace is not 14";
    EXPECT_FALSE(Takes(A, { 1 + 10 })) << "a hand ace aims at 11 only with two or more cards";
    EXPECT_FALSE(Takes(2, { A }));
}

TEST(CaptureRule, EveryAceIsTriedAtOneAndElevenIndependently)
{
    EXPECT_FALSE(Takes(J, { A, A, 9 }));
    EXPECT_TRUE(Takes(Q, { A, A, A })) << "1 + 1 + 11";
    EXPECT_TRUE(Takes(K, { A, 3, A, 10, 3 })) << "[11+3, 1+10+3]: the aces differ";
    EXPECT_TRUE(Takes(3, { A, A, A })) << "all three as 1";
    EXPECT_FALSE(Takes(4, { A, A, A }));
    EXPECT_FALSE(Takes(J, { A, A, 10, 10 })) << "1+1+10 leaves a 10 alone";
}

TEST(CaptureRule, HandAceAimsAtElevenNeverAtOneOrFourteen)
{
    EXPECT_FALSE(Takes(A, { 7, 7 }));
    EXPECT_FALSE(Takes(A, { A, 3 })) << "11+3 would be a king's capture";
    EXPECT_TRUE(Takes(A, { A, A, A })) << "three groups of 11";
    EXPECT_TRUE(Takes(A, { A, A, 10, 10 })) << "[1+10, 1+10]";
}

TEST(CaptureRule, TotalThatIsAMultipleOfTheTargetIsNotEnough)
{
    EXPECT_FALSE(Takes(5, { 3, 3, 4 }));
    EXPECT_TRUE(Takes(10, { 4, 6, 5, 5 }));
    EXPECT_FALSE(Takes(K, { 10, 10, 8 })) << "28 = 2 * 14, but no group of 14";
    EXPECT_TRUE(Takes(K, { 10, 4, 8, 6 }));
}

TEST(CaptureRule, EmptySetIsAnInvalidPlay)
{
    try {
        Takes(7, {});
        FAIL() << "no exception";
    } catch (const EInvalidPlay& e) {
        EXPECT_STREQ(e.what(), "Nisu selektovane karte na tabli");
    }
    EXPECT_FALSE(SplitsIntoGroupsOf({}, 7));
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
    const std::vector<int> table { 2, 3, A, 10, 4, 8, 6, A, 4, 9, J, K };
    EXPECT_TRUE(Takes(K, table));
    std::vector<int> raised = table;
    raised[0] = 3;
    EXPECT_FALSE(Takes(K, raised));
    std::vector<int> swapped = table;
    swapped[0] = 3;
    swapped[4] = 3; // same total, but nothing is left to make 2 beside the jack
    EXPECT_FALSE(Takes(K, swapped));
    EXPECT_TRUE(Takes(K, { A, A, A, A, A, A, A, A, 3, 3, 3, 3 }))
        << "[11+3] four times and [11+1+1+1]";
    const std::vector<int> most(kMaxCaptureCards, 2);
    EXPECT_TRUE(SplitsIntoGroupsOf(most, 6));
    EXPECT_FALSE(SplitsIntoGroupsOf(most, 4)) << "21 twos cannot pair up";
    const std::vector<int> tooMany(kMaxCaptureCards + 1, 2);
    EXPECT_THROW(SplitsIntoGroupsOf(tooMany, 2), std::length_error);
}

TEST(CaptureRule, SearchMemoryFailureReachesTheCaller)
{
    // Ten different values and two aces: too many states for the search's own
    // small memory, so it asks the default resource.
    const std::vector<int> table { 2, 3, 4, 5, 6, 7, 8, 9, 10, J, A, A };
    std::pmr::memory_resource* previous
        = std::pmr::set_default_resource(std::pmr::null_memory_resource());
    EXPECT_THROW(SplitsIntoGroupsOf(table, 13), std::bad_alloc);
    EXPECT_FALSE(SplitsIntoGroupsOf(std::vector<int> { 3, 4, 5 }, 13))
        << "refused before any search";
    EXPECT_TRUE(SplitsIntoGroupsOf(std::vector<int> { 3, 4, 6 }, 13))
        << "small sets need no memory";
    std::pmr::set_default_resource(previous);
    EXPECT_TRUE(SplitsIntoGroupsOf(table, 13)) << "[12+1, 10+3, 9+4, 8+5, 7+6, 2+11]";
}
