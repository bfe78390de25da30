#include "cards/zucard.h"

#include <gtest/gtest.h>

#include <algorithm>

// The default deck, then every count set to 2 and to 4: each ID 2..53 in
// order, its copies side by side.
TEST(IncludedCards, FillListRepeatsEachCardByItsCountInIDOrder)
{
    for (int copies : { 1, 2, 4 }) {
        TZuIncludedCards cards;
        if (copies != 1)
            for (int n = 1; n <= 4; ++n)
                cards.SuitNumber(n).SetAll(copies);
        std::vector<int> want;
        for (int id = 2; id <= 53; ++id)
            want.insert(want.end(), copies, id);
        std::vector<int> list { 99 };
        cards.FillList(list);
        EXPECT_EQ(cards.Count(), 52 * copies);
        EXPECT_EQ(list, want) << copies << " copies";
    }
}

TEST(IncludedCards, JokersComeLastAndLeftOutCardsAreMissing)
{
    TZuIncludedCards cards;
    cards.Jokers().SetRedJoker(1);
    std::vector<int> list;
    cards.FillList(list);
    EXPECT_EQ(list.size(), 53u);
    EXPECT_EQ(list.back(), 54);
    EXPECT_EQ(list[51], 53);

    cards.Jokers().SetRedJoker(0);
    cards.Jokers().SetBlueJoker(2);
    cards.Spades().SetAce(0);
    cards.Hearts().SetTwo(0);
    cards.Clubs().SetCount(1, 5); // not a value: ignored
    cards.Clubs().SetCount(15, 5);
    EXPECT_EQ(cards.Clubs().Count(1), 0);
    EXPECT_EQ(cards.Clubs().Count(15), 0);
    cards.FillList(list);
    EXPECT_EQ(cards.Count(), 52);
    EXPECT_EQ(std::count(list.begin(), list.end(), 40), 0); // ace of spades
    EXPECT_EQ(std::count(list.begin(), list.end(), 41), 0); // two of hearts
    EXPECT_EQ(std::vector<int>(list.end() - 2, list.end()), (std::vector<int> { 55, 55 }));

    TZuIncludedCards copy;
    copy.CopyFrom(cards);
    std::vector<int> copied;
    copy.FillList(copied);
    EXPECT_EQ(copied, list);
    EXPECT_EQ(copy.Hearts().SuitBase(), 39);
}
