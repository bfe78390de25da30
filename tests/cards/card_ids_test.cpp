// The card ID blocks every layer reads cards by, and their shuffle.
#include "cards/ids/card_ids.h"
#include "cards/ids/id_shuffle.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CardIds, EachBlockRunsTwoToAceInClubsDiamondsSpadesHeartsOrder)
{
    const struct {
        TIdSuit suit;
        int two, ace;
    } blocks[] = { { TIdSuit::Clubs, 2, 14 }, { TIdSuit::Diamonds, 15, 27 },
        { TIdSuit::Spades, 28, 40 }, { TIdSuit::Hearts, 41, 53 } };
    for (const auto& b : blocks) {
        EXPECT_EQ(CardId(b.suit, 2), b.two);
        EXPECT_EQ(CardId(b.suit, 14), b.ace);
        for (int id = b.two; id <= b.ace; ++id) {
            EXPECT_TRUE(IsSuitCardId(id)) << id;
            EXPECT_EQ(SuitOfId(id), b.suit) << id;
            EXPECT_EQ(ValueOfId(id), id - b.two + 2) << id;
            EXPECT_EQ(CardId(SuitOfId(id), ValueOfId(id)), id) << id;
        }
    }
    EXPECT_EQ(kDiamondsBase, 13);
    EXPECT_EQ(kSpadesBase, 26);
    EXPECT_EQ(kHeartsBase, 39);
}

TEST(CardIds, JokersAreValueFifteenAndEverythingElseNoCard)
{
    EXPECT_EQ(ValueOfId(kRedJokerId), kJokerValue);
    EXPECT_EQ(ValueOfId(kBlueJokerId), kJokerValue);
    EXPECT_FALSE(IsSuitCardId(kRedJokerId));
    EXPECT_EQ(kRedJokerId - kJokerValue, kHeartsBase) << "the red joker sits after the hearts";
    for (int id : { -1, 0, 1, 56, 1000 }) {
        EXPECT_FALSE(IsSuitCardId(id)) << id;
        EXPECT_EQ(ValueOfId(id), 0) << id;
    }
}

TEST(IdShuffle, EachPassSwapsEveryPositionWithTheDrawnOne)
{
    std::vector<int> ids { 2, 3, 4, 5 };
    ShuffleIds(ids, 0, [](int) { return 0; });
    EXPECT_EQ(ids, (std::vector<int> { 2, 3, 4, 5 })) << "no pass, no change";
    // Always drawing the last position: swaps (0,3) (1,3) (2,3) (3,3).
    std::vector<int> draws;
    ShuffleIds(ids, 1, [&draws](int n) {
        draws.push_back(n);
        return n - 1;
    });
    EXPECT_EQ(ids, (std::vector<int> { 5, 2, 3, 4 }));
    EXPECT_EQ(draws, (std::vector<int> { 4, 4, 4, 4 })) << "every draw is over the whole deck";
    ShuffleIds(ids, 2, [](int n) { return n - 1; });
    EXPECT_EQ(ids, (std::vector<int> { 3, 4, 5, 2 })) << "two more passes of the same";
}
