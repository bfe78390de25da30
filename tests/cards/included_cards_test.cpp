#include "cards/zucard.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {
std::vector<int> Range(int from, int to)
{
    std::vector<int> ids(to - from + 1);
    std::iota(ids.begin(), ids.end(), from);
    return ids;
}
} // namespace

TEST(IncludedCards, DefaultDeckIsTheFiftyTwoOrdinaryCardsInIDOrder)
{
    TZuIncludedCards cards;
    std::vector<int> list { 99 };
    cards.FillList(list);
    EXPECT_EQ(cards.Count(), 52);
    EXPECT_EQ(list, Range(2, 53));
}

TEST(IncludedCards, CopiesStandSideBySideAndJokersComeLast)
{
    TZuIncludedCards cards;
    for (int n = 1; n <= 4; ++n)
        cards.SuitNumber(n).SetAll(2);
    std::vector<int> list;
    cards.FillList(list);
    ASSERT_EQ(cards.Count(), 104);
    ASSERT_EQ(list.size(), 104u);
    for (int id = 2; id <= 53; ++id) {
        EXPECT_EQ(list[2 * (id - 2)], id);
        EXPECT_EQ(list[2 * (id - 2) + 1], id);
    }

    for (int n = 1; n <= 4; ++n)
        cards.SuitNumber(n).SetAll(4);
    cards.FillList(list);
    EXPECT_EQ(list.size(), 208u);
    EXPECT_EQ(cards.Count(), 208);

    cards.Jokers().SetRedJoker(1);
    cards.FillList(list);
    EXPECT_EQ(list.size(), 209u);
    EXPECT_EQ(list.back(), 54);
    EXPECT_EQ(list[207], 53);
}

TEST(IncludedCards, LeftOutCardsAndValueAddressing)
{
    TZuIncludedCards cards;
    cards.Spades().SetAce(0);
    cards.Hearts().SetTwo(0);
    cards.Jokers().SetBlueJoker(2);
    cards.Clubs().SetCount(1, 5); // not a value: ignored
    cards.Clubs().SetCount(15, 5);
    EXPECT_EQ(cards.Clubs().Count(1), 0);
    EXPECT_EQ(cards.Clubs().Count(15), 0);

    std::vector<int> list;
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
