// The card ID blocks every layer reads cards by.
#include "cards/card_ids.h"

#include <gtest/gtest.h>

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
