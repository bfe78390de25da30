#include "tests/cards/group_fixture.h"

#include "platform/random.h"

#include <gmock/gmock.h>

#include <set>

TEST_F(GroupTest, SortingBySuitOrdersByIDAndByValueOrdersBySortKey)
{
    // ace of hearts, two of clubs, two of spades, two of diamonds, two of hearts, ace of clubs
    const std::vector<int> hand = { 53, 2, 28, 15, 41, 14 };
    TZuCardGroup& bySuit = Hand(hand);
    bySuit.Sort(soSuit);
    EXPECT_EQ(IDs(bySuit), (std::vector<int> { 2, 14, 15, 28, 41, 53 }));

    TZuCardGroup& byValue = Hand(hand);
    byValue.Sort(soValue);
    EXPECT_EQ(IDs(byValue), (std::vector<int> { 2, 15, 28, 41, 14, 53 }));

    TZuCardGroup& jokers = Hand({ 55, 54, 3 });
    jokers.Sort(soValue);
    EXPECT_EQ(IDs(jokers), (std::vector<int> { 3, 55, 54 })) << "equal keys keep slot order";

    TZuCardGroup& gap = Hand({ 30, E, 5 }); // the empty slot holds ID 14
    gap.Sort(soSuit);
    EXPECT_EQ(IDs(gap), (std::vector<int> { 5, 14, 30 }));
    EXPECT_TRUE(gap.CardAt(1)->Empty()) << "emptiness stays with the slot";
    EXPECT_FALSE(gap.CardAt(2)->Empty());
}

TEST_F(GroupTest, ASortStyleSortsAtOnceAndAgainWhenTheLastCardIsPainted)
{
    TZuCardGroup& group = Hand({ 40, 20, 30 });
    group.SetSortStyle(soSuit);
    EXPECT_EQ(IDs(group), (std::vector<int> { 20, 30, 40 }));
    EXPECT_EQ(group.DrawLock(), 0);

    group.CardAt(0)->SetID(50); // not the last card: no sort
    EXPECT_EQ(IDs(group), (std::vector<int> { 50, 30, 40 }));
    group.CardAt(2)->SetID(3); // the last card repaints, then the group sorts
    EXPECT_EQ(IDs(group), (std::vector<int> { 3, 30, 50 }));

    group.SetSortStyle(soNone);
    group.CardAt(2)->SetID(2);
    EXPECT_EQ(IDs(group), (std::vector<int> { 3, 30, 2 }));
}

TEST_F(GroupTest, SlotQueriesSkipEmptySlots)
{
    // ten of clubs, empty, queen of spades, empty, two of hearts
    TZuCardGroup& group = Hand({ 10, E, 38, E, 41 });
    EXPECT_EQ(group.NonEmptyCount(), 3);
    EXPECT_EQ(group.NonEmptyCard(1), group.CardAt(2));
    EXPECT_EQ(group.NonEmptyCard(3), nullptr);
    EXPECT_EQ(group.FirstEmptySlot(), 1);
    EXPECT_EQ(group.FirstSlotOfSuit(stHeart), 4);
    EXPECT_EQ(group.FirstSlotOfSuit(stClub), 0);
    EXPECT_EQ(group.FirstSlotOfSuit(stDiamond), -1);
    EXPECT_EQ(group.LastCard(), group.CardAt(4));

    group.CardAt(0)->SetEmpty(true);
    EXPECT_EQ(group.FirstSlotOfSuit(stClub), -1) << "an empty slot's card does not count";
    std::set<int> picked;
    for (int i = 0; i < 50; ++i)
        picked.insert(group.RandomNonEmptySlot());
    EXPECT_EQ(picked, (std::set<int> { 2, 4 }));

    TZuCardGroup& full = Hand({ 2, 3 });
    EXPECT_EQ(full.FirstEmptySlot(), 1) << "none empty: the last slot";

    TZuCardGroup& none = Hand({}); // a group without slots
    EXPECT_EQ(none.NonEmptyCount(), 0);
    EXPECT_EQ(none.RandomNonEmptySlot(), -1);
    EXPECT_EQ(none.LastCard(), nullptr);
    EXPECT_EQ(none.FirstEmptySlot(), -1);
    EXPECT_EQ(none.CardAt(0), nullptr);
}

TEST_F(GroupTest, RandomCardsDealsEverySlotARandomOrdinaryCard)
{
    FixRandomSeed(11);
    TZuCardGroup& group = Hand({ 14, 14, 14, 14, 14, 14 });
    group.SetRandomCards(true);
    const std::vector<int> ids = IDs(group);
    EXPECT_THAT(ids, testing::Each(testing::AllOf(testing::Ge(2), testing::Le(53))));
    EXPECT_GT(std::set<int>(ids.begin(), ids.end()).size(), 1u);

    TZuCardGroup& autoEmpty = Hand({ 14, 14 });
    autoEmpty.SetAutoEmpty(true);
    autoEmpty.SetRandomCards(true);
    EXPECT_EQ(IDs(autoEmpty), (std::vector<int> { 14, 14 })) << "not with AutoEmpty at run time";
    ReleaseRandomSeed();
}
