#include "tests/cards/group_fixture.h"

// Six cards in each style and side; AutoSize takes the picture's size (a table
// pile is 451 wide).
TEST_F(GroupTest, EachStyleAndSideStepsTheCardsAndSizesThePicture)
{
    struct TRow {
        TZuCascadeStyle style;
        TZuCascadeSide side;
        QRect second;
        QSize surface;
    };
    const TRow rows[] = {
        { csNormal, csRight, QRect(76, 0, 71, 96), QSize(451, 96) },
        { csTight, csRight, QRect(16, 0, 16, 96), QSize(151, 96) },
        { csLoose, csRight, QRect(38, 0, 38, 96), QSize(261, 96) },
        { csNormal, csDown, QRect(0, 101, 71, 96), QSize(71, 601) },
        { csTight, csDown, QRect(0, 16, 71, 16), QSize(71, 176) },
        { csLoose, csDown, QRect(0, 50, 71, 50), QSize(71, 346) },
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(testing::Message() << "style " << row.style << " side " << row.side);
        TZuCardGroup& group = Hand({ 2, 3, 4, 5, 6, 7 }, row.style, row.side);
        group.SetAutoSize(true);
        EXPECT_EQ(Shown(group, 0).topLeft(), QPoint(0, 0));
        EXPECT_EQ(Shown(group, 1), row.second);
        EXPECT_EQ(Shown(group, 5), QRect(row.second.topLeft() * 5, QSize(71, 96)))
            << "the last card shows whole";
        EXPECT_EQ(group.BitmapSize(), row.surface);
        EXPECT_EQ(group.size(), row.surface);
    }
}

// How much of a card shows by the slots after it, row by row: the third card
// of six; over two empty slots 16 + 16 + 16, while the card before it does not
// grow; whole when only empty slots follow; 16 + 4 * 16 capped at the card;
// downward in height; loose: whole before an empty slot, which keeps its
// step. Tightness is clamped to 0..70 and 0 stacks the cards.
TEST_F(GroupTest, ACardShowsMoreOfItselfOverEmptySlotsAfterIt)
{
    struct TRow {
        std::vector<int> ids;
        TZuCascadeStyle style;
        TZuCascadeSide side;
        int tightness, slot;
        QRect shown;
    };
    const TRow rows[] = {
        { { 2, 3, 4, 5, 6, 7 }, csTight, csRight, 16, 2, QRect(32, 0, 16, 96) },
        { { 2, 3, 4, E, E, 7 }, csTight, csRight, 16, 2, QRect(32, 0, 48, 96) },
        { { 2, 3, 4, E, E, 7 }, csTight, csRight, 16, 1, QRect(16, 0, 16, 96) },
        { { 2, 3, 4, E, E, E }, csTight, csRight, 16, 2, QRect(32, 0, 71, 96) },
        { { 2, E, E, E, E, 7, 8 }, csTight, csRight, 16, 0, QRect(0, 0, 71, 96) },
        { { 2, 3, E, E, 6 }, csTight, csDown, 16, 1, QRect(0, 16, 71, 48) },
        { { 2, 3, E, 5 }, csLoose, csRight, 16, 1, QRect(38, 0, 71, 96) },
        { { 2, 3, E, 5 }, csLoose, csRight, 16, 2, QRect(76, 0, 38, 96) },
        { { 2, 3 }, csTight, csRight, 99, 0, QRect(0, 0, 70, 96) },
        { { 2, 3, 4 }, csTight, csRight, -3, 1, QRect(0, 0, 0, 96) },
        { { 2, 3, 4 }, csTight, csRight, 0, 2, QRect(0, 0, 71, 96) },
    };
    for (const TRow& row : rows) {
        TZuCardGroup& group = Hand(row.ids, row.style, row.side);
        group.SetTightness(row.tightness);
        EXPECT_EQ(Shown(group, row.slot), row.shown) << "row " << &row - rows;
    }
}

TEST_F(GroupTest, AutoTightFitsTheStepToTheControl)
{
    TZuCardGroup& group = Hand({ 2, 3, 4, 5, 6 });
    group.SetAutoSize(true);
    group.SetAutoTight(true);
    EXPECT_EQ(group.CascadeStyle(), csTight);
    EXPECT_FALSE(group.AutoSize());

    group.resize(151, 96);
    EXPECT_EQ(group.Tightness(), 16) << "(151 - 71) div 5";
    group.resize(171, 96);
    EXPECT_EQ(group.Tightness(), 20);
    group.CardList().Add(); // fits to the five slots before the new one
    EXPECT_EQ(group.Tightness(), 20);
    group.AdjustTightness();
    EXPECT_EQ(group.Tightness(), 16) << "(171 - 71) div 6";
    group.SetCascadeSide(csDown);
    group.resize(71, 96 + 6 * 30);
    EXPECT_EQ(group.Tightness(), 30);

    group.SetCascadeStyle(csLoose);
    EXPECT_FALSE(group.AutoTight());
    EXPECT_EQ(group.Tightness(), 16) << "leaving csTight resets the step";

    TZuCardGroup& empty = Hand({});
    empty.SetAutoTight(true);
    empty.SetTightness(40);
    empty.AdjustTightness();
    EXPECT_EQ(empty.Tightness(), 40) << "a group without slots keeps its step";
}

// Not in the gap between two cards (73) nor on an edge (76, y 0, x 16); in
// csTight card 2 shows over the empty slots after it (60).
TEST_F(GroupTest, HitTestingFindsTheFirstSlotStrictlyContainingThePoint)
{
    TZuCardGroup& normal = Hand({ 2, 3, 4, 5, 6, 7 });
    TZuCardGroup& tight = Hand({ 2, 3, 4, E, E, 7 }, csTight);
    TZuCardGroup& none = Hand({});
    const std::tuple<TZuCardGroup*, int, int, int> hits[] = { { &normal, 10, 10, 0 },
        { &normal, 73, 10, -1 }, { &normal, 80, 10, 1 }, { &normal, 76, 10, -1 },
        { &normal, 10, 0, -1 }, { &normal, 449, 95, 5 }, { &normal, 500, 10, -1 },
        { &tight, 20, 50, 1 }, { &tight, 16, 50, -1 }, { &tight, 60, 50, 2 },
        { &tight, 100, 50, 5 }, { &tight, 151, 50, -1 }, { &none, 10, 10, -1 } };
    for (const auto& [group, x, y, slot] : hits)
        EXPECT_EQ(group->HitTest(x, y), slot) << x << "," << y;
}
