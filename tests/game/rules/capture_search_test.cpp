#include "game/rules/capture_errors.h"
#include "game/controller/card_collection.h"
#include "tests/support/fake_card_owner.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int J = 11, Q = 12, K = 13, A = 14, Joker = 15;

bool Takes(int hand, std::vector<int> table)
{
    return CanTakeValues(hand, table);
}

} // namespace

TEST(CaptureRule, WorkedExamplesOnValuesAndOnCardsOfEverySuit)
{
    const struct {
        int hand;
        std::vector<int> table;
        bool taken;
    } examples[] = { { 7, { 3, 4 }, true }, { 7, { 3, 4, 5, 2 }, true }, { 10, { 4, 6, 5 }, false },
        { K, { A, 3 }, true }, { A, { 5, 6 }, true }, { A, { 10, A }, true }, { A, { A }, true },
        { A, { A, A }, true }, { 2, { A, A }, true }, { Q, { J }, false }, { J, { 10, 2 }, true },
        { 9, { 9, 9 }, true }, { J, { J }, true }, { A, { A, 3 }, false } };
    // Card IDs: clubs are their value; diamonds, spades and hearts add 13, 26 and 39.
    TCardPool pool;
    int suit = 0;
    const auto card
        = [&](int value) -> TZuSingleCard& { return pool.Make(value + 13 * (++suit % 4)); };
    for (const auto& e : examples) {
        EXPECT_EQ(Takes(e.hand, e.table), e.taken)
            << e.hand << " against " << testing::PrintToString(e.table);
        TCardCollection set;
        for (int value : e.table)
            set.Add(card(value));
        EXPECT_EQ(set.CanTake(card(e.hand)), e.taken)
            << e.hand << " against cards " << testing::PrintToString(e.table);
    }
    EXPECT_EQ(TCardCollection::SumValue(card(J)), 12);
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
