#include "game/rules/table_reflow.h"

#include <gtest/gtest.h>

namespace {

constexpr int _ = kNoCard;

TMatchState WithTable(std::vector<int> upper, std::vector<int> lower)
{
    TMatchState state;
    state.table = { std::move(upper), std::move(lower) };
    return state;
}

} // namespace

TEST(TableReflow, EachRowsCardsMoveInOrderToTheMiddle)
{
    TMatchState state = WithTable({ 5, _, 9, _, _, 30 }, { _, _, _, _, _, 41 });
    EXPECT_TRUE(ReflowTableToMiddle(state));
    EXPECT_EQ(state.table[0], (std::vector<int> { _, 5, 9, 30, _, _ }));
    EXPECT_EQ(state.table[1], (std::vector<int> { _, _, 41, _, _, _ }));
    // Once in the middle they stay.
    EXPECT_FALSE(ReflowTableToMiddle(state));
    EXPECT_EQ(state.table[0], (std::vector<int> { _, 5, 9, 30, _, _ }));

    // Two cards stand exactly in the middle; a grown row keeps its length.
    state = WithTable({ 2, 3, _, _, _, _ }, { 7, _, _, _, _, _, _, 8 });
    EXPECT_TRUE(ReflowTableToMiddle(state));
    EXPECT_EQ(state.table[0], (std::vector<int> { _, _, 2, 3, _, _ }));
    EXPECT_EQ(state.table[1], (std::vector<int> { _, _, _, 7, 8, _, _, _ }));
}

TEST(TableReflow, FullAndEmptyRowsAndEverythingElseStayAsTheyAre)
{
    TMatchState state = WithTable({ 2, 3, 4, 5, 6, 7 }, std::vector<int>(6, _));
    state.hands[SeatS] = { 20, 21, 22, 23, 24, 25 };
    state.deck = { 40, 41 };
    state.CurrentPlayer = SeatE;
    const TMatchState before = state;
    EXPECT_FALSE(ReflowTableToMiddle(state));
    EXPECT_EQ(state.table, before.table);
    EXPECT_EQ(state.hands, before.hands);
    EXPECT_EQ(state.deck, before.deck);
    EXPECT_EQ(state.CurrentPlayer, before.CurrentPlayer);
}
