#include "tests/cards/group_fixture.h"

namespace {

// Lays every card out without painting, as hit testing does.
void Measure(TZuCardGroup& group)
{
    group.HitTest(-1, -1);
}

} // namespace

TEST_F(GroupTest, EachStyleAndSideStepsTheCardsAndSizesThePicture)
{
    struct TRow {
        TZuCascadeStyle style;
        TZuCascadeSide side;
        QRect middle; // slot 1 of three
        QSize surface;
    };
    const TRow rows[] = {
        { csNormal, csRight, QRect(76, 0, 71, 96), QSize(223, 96) },
        { csTight, csRight, QRect(16, 0, 16, 96), QSize(103, 96) },
        { csLoose, csRight, QRect(38, 0, 38, 96), QSize(147, 96) },
        { csNormal, csDown, QRect(0, 101, 71, 96), QSize(71, 298) },
        { csTight, csDown, QRect(0, 16, 71, 16), QSize(71, 128) },
        { csLoose, csDown, QRect(0, 50, 71, 50), QSize(71, 196) },
    };
    for (const TRow& row : rows) {
        TZuCardGroup& group = Hand({ 2, 3, 4 }, row.style, row.side);
        EXPECT_EQ(Shown(group, 0).topLeft(), QPoint(0, 0)) << row.style << row.side;
        EXPECT_EQ(Shown(group, 1), row.middle) << row.style << row.side;
        const QPoint last = row.side == csRight ? QPoint(row.middle.left() * 2, 0)
                                                : QPoint(0, row.middle.top() * 2);
        EXPECT_EQ(Shown(group, 2), QRect(last, QSize(71, 96))) << "the last card shows whole";
        EXPECT_EQ(group.BitmapSize(), row.surface) << row.style << row.side;
        delete &group;
    }
}

TEST_F(GroupTest, SixCardsNeedTheSurfaceOfTheirStyle)
{
    const std::vector<int> six = { 2, 3, 4, 5, 6, 7 };
    const std::pair<TZuCascadeStyle, int> widths[]
        = { { csNormal, 451 }, { csLoose, 261 }, { csTight, 151 } };
    for (const auto& [style, width] : widths) {
        TZuCardGroup& group = Hand(six, style);
        group.SetAutoSize(true);
        EXPECT_EQ(group.BitmapSize(), QSize(width, 96)) << style;
        EXPECT_EQ(group.size(), QSize(width, 96)) << "AutoSize takes the picture's size";
        delete &group;
    }
}

TEST_F(GroupTest, TightCardsShowMoreOfThemselvesOverEmptySlotsAfterThem)
{
    TZuCardGroup& group = Hand({ 2, 3, 4, 5, 6, 7 }, csTight);
    EXPECT_EQ(group.BitmapSize(), QSize(151, 96));
    EXPECT_EQ(Shown(group, 2), QRect(32, 0, 16, 96));

    group.CardAt(3)->SetEmpty(true);
    group.CardAt(4)->SetEmpty(true);
    EXPECT_EQ(Shown(group, 2), QRect(32, 0, 48, 96)) << "16 + 16 + 16 up to the next card";
    EXPECT_EQ(Shown(group, 1).width(), 16) << "a card followed by a card does not grow";

    group.CardAt(5)->SetEmpty(true);
    Measure(group);
    EXPECT_EQ(Shown(group, 2).width(), 71) << "only empty slots up to the last: whole";

    TZuCardGroup& seven = Hand({ 2, EmptySlot, EmptySlot, EmptySlot, EmptySlot, 7, 8 }, csTight);
    EXPECT_EQ(Shown(seven, 0).width(), 71) << "16 + 4 * 16 is capped at the card's width";
}

TEST_F(GroupTest, DownwardTightCardsGrowInHeight)
{
    TZuCardGroup& group = Hand({ 2, 3, EmptySlot, EmptySlot, 6 }, csTight, csDown);
    Measure(group);
    EXPECT_EQ(Shown(group, 0), QRect(0, 0, 71, 16));
    EXPECT_EQ(Shown(group, 1), QRect(0, 16, 71, 48));
    EXPECT_EQ(group.BitmapSize(), QSize(71, 4 * 16 + 96));
}

TEST_F(GroupTest, LooseCardsShowWholeBeforeAnEmptySlot)
{
    TZuCardGroup& group = Hand({ 2, 3, EmptySlot, 5 }, csLoose);
    Measure(group);
    EXPECT_EQ(Shown(group, 0).width(), 38);
    EXPECT_EQ(Shown(group, 1).width(), 71);
    EXPECT_EQ(Shown(group, 2).width(), 38) << "an empty slot keeps its own step";
}

TEST_F(GroupTest, TightnessIsClampedAndZeroStacksTheCards)
{
    TZuCardGroup& group = Hand({ 2, 3, 4 }, csTight);
    group.SetTightness(99);
    EXPECT_EQ(group.Tightness(), 70);
    group.SetTightness(-3);
    EXPECT_EQ(group.Tightness(), 0);
    Measure(group);
    EXPECT_EQ(Shown(group, 1), QRect(0, 0, 0, 96));
    EXPECT_EQ(Shown(group, 2), QRect(0, 0, 71, 96));
    EXPECT_EQ(group.BitmapSize(), QSize(71, 96));
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
}

TEST_F(GroupTest, LeavingTheTightStyleTurnsAutoTightOffAndResetsTheStep)
{
    TZuCardGroup& group = Hand({ 2, 3 });
    group.SetAutoTight(true);
    group.SetTightness(40);
    group.SetCascadeStyle(csLoose);
    EXPECT_FALSE(group.AutoTight());
    EXPECT_EQ(group.Tightness(), 16);

    TZuCardGroup empty(&form);
    empty.SetAutoTight(true);
    empty.SetTightness(40);
    empty.AdjustTightness();
    EXPECT_EQ(empty.Tightness(), 40) << "a group without slots keeps its step";
}
