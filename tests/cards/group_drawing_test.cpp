#include "tests/cards/group_fixture.h"

namespace {

QColor At(const QImage& image, int x, int y)
{
    const qreal scale = image.devicePixelRatio();
    return image.pixelColor(int(x * scale), int(y * scale));
}

QColor Inverted(const QColor& c)
{
    return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
}

// Counts the pixels of `area` (in the group's picture) that differ from the
// card picture's pixels at `from`; the picture's transparent pixels are skipped.
int Mismatches(const QImage& bitmap, const QRect& area, const QImage& picture, QPoint from,
    bool inverted = false)
{
    int wrong = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x) {
            const QColor want = At(picture, from.x() + x, from.y() + y);
            if (want.alpha() == 0) continue;
            const QColor got = At(bitmap, area.left() + x, area.top() + y);
            if (got.rgb() != (inverted ? Inverted(want) : want).rgb()) ++wrong;
        }
    return wrong;
}

bool AllOf(const QImage& bitmap, const QRect& area, const QColor& colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (At(bitmap, x, y).rgb() != colour.rgb()) return false;
    return true;
}

} // namespace

TEST_F(GroupTest, FaceUpCardsAreCopiedFromTheirPicturesLeftToRight)
{
    TZuCardGroup& group = Hand({ 10, 23, 36 }, csTight);
    const QImage& bitmap = group.Bitmap();
    EXPECT_EQ(Mismatches(bitmap, QRect(0, 0, 16, 96), *CardPicture(10), { 0, 0 }), 0);
    EXPECT_EQ(Mismatches(bitmap, QRect(16, 0, 16, 96), *CardPicture(23), { 0, 0 }), 0);
    EXPECT_EQ(Mismatches(bitmap, QRect(32, 0, 71, 96), *CardPicture(36), { 0, 0 }), 0);
    EXPECT_EQ(At(bitmap, 32, 0), At(*CardPicture(23), 16, 0))
        << "a cut corner shows the card beneath";
    EXPECT_EQ(At(bitmap, 0, 0), TableGreen) << "and the first card's shows the table";

    group.SetShowBack(true);
    const QImage& back = *CardPicture(BackPictureNumber(cbDefault));
    EXPECT_EQ(Mismatches(bitmap, QRect(32, 0, 71, 96), back, { 0, 0 }), 0);
}

TEST_F(GroupTest, AnEmptySlotShowsTheBrushAndSoDoTheGaps)
{
    TZuCardGroup& group = Hand({ 10, EmptySlot, 36 });
    const QImage& bitmap = group.Bitmap();
    EXPECT_TRUE(AllOf(bitmap, QRect(76, 0, 71, 96), TableGreen));
    EXPECT_TRUE(AllOf(bitmap, QRect(71, 0, 5, 96), TableGreen));
    EXPECT_TRUE(AllOf(bitmap, QRect(147, 0, 5, 96), TableGreen));

    group.CardAt(0)->SetEmpty(true);
    EXPECT_TRUE(AllOf(bitmap, QRect(0, 0, 71, 96), TableGreen));
    group.CardAt(1)->SetEmpty(false);
    EXPECT_EQ(Mismatches(bitmap, QRect(76, 0, 71, 96), *CardPicture(14), { 0, 0 }), 0)
        << "a refilled slot shows its card again";
}

TEST_F(GroupTest, EmptyingACascadedCardRedrawsTheOneBeforeIt)
{
    TZuCardGroup& group = Hand({ 2, 3, 4, 5, 6, 7 }, csTight);
    group.CardAt(3)->SetEmpty(true);
    const QImage& bitmap = group.Bitmap();
    // Card 2 now shows its columns 16..31 where card 3 was.
    EXPECT_EQ(Mismatches(bitmap, QRect(48, 0, 16, 96), *CardPicture(4), { 16, 0 }), 0);
    EXPECT_EQ(Shown(group, 2).width(), 32);

    TZuCardGroup& loose = Hand({ 2, 3, 4 }, csLoose);
    loose.CardAt(2)->SetEmpty(true);
    EXPECT_EQ(Shown(loose, 1).width(), 71);
    EXPECT_EQ(Mismatches(loose.Bitmap(), QRect(76, 0, 33, 96), *CardPicture(3), { 38, 0 }), 0);
    EXPECT_TRUE(AllOf(loose.Bitmap(), QRect(109, 0, 38, 96), TableGreen));
}

TEST_F(GroupTest, AMarkedCardIsDrawnInvertedAndUnmarkingRestoresIt)
{
    TZuCardGroup& group = Hand({ 10, 23 });
    const QImage& bitmap = group.Bitmap();
    const QImage& face = *CardPicture(23);

    group.CardAt(1)->SetNegative(true);
    EXPECT_EQ(Mismatches(bitmap, QRect(76, 0, 71, 96), face, { 0, 0 }, true), 0);
    EXPECT_NE(At(bitmap, 76 + 35, 48).rgb(), At(face, 35, 48).rgb());
    EXPECT_EQ(At(bitmap, 76, 0), TableGreen) << "the cut corner is not part of the card";
    EXPECT_EQ(Mismatches(bitmap, QRect(0, 0, 71, 96), *CardPicture(10), { 0, 0 }), 0)
        << "its neighbour is untouched";

    group.CardAt(1)->SetNegative(false);
    EXPECT_EQ(Mismatches(bitmap, QRect(76, 0, 71, 96), face, { 0, 0 }), 0);
    EXPECT_EQ(At(bitmap, 76, 0), TableGreen);
}

TEST_F(GroupTest, AGroupPaintsOnlyOnceItIsPlacedOnAWindow)
{
    TZuCardGroup loose;
    loose.SetShowBack(false);
    for (int i = 0; i < 3; ++i)
        loose.CardList().Add();
    EXPECT_EQ(loose.BitmapSize(), QSize(71, 96)) << "a new group's surface";
    EXPECT_EQ(loose.HitTest(80, 10), 1) << "hit testing needs no window";

    loose.setParent(&form);
    EXPECT_EQ(loose.BitmapSize(), QSize(223, 96));
    EXPECT_EQ(Mismatches(loose.Bitmap(), QRect(152, 0, 71, 96), *CardPicture(14), { 0, 0 }), 0);
}

TEST_F(GroupTest, AGroupWithoutSlotsClearsItsSurface)
{
    TZuCardGroup& group = Hand({ 10 });
    group.CardList().Clear();
    EXPECT_TRUE(AllOf(group.Bitmap(), QRect(QPoint(0, 0), group.BitmapSize()), TableGreen));
}

TEST_F(GroupTest, WhatTheGroupShowsOnScreenIsItsPicture)
{
    TZuCardGroup& group = Hand({ 10, EmptySlot, 36 }, csLoose);
    group.SetAutoSize(true);
    group.CardAt(2)->SetNegative(true);
    const QImage shot = group.grab().toImage();
    const QImage& bitmap = group.Bitmap();
    ASSERT_EQ(shot.size(), bitmap.size());
    int wrong = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) != bitmap.pixel(x, y)) ++wrong;
    EXPECT_EQ(wrong, 0);
}
