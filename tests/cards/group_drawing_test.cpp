#include "tests/cards/group_fixture.h"

namespace {

QColor At(const QImage& image, int x, int y)
{
    const qreal scale = image.devicePixelRatio();
    return image.pixelColor(int(x * scale), int(y * scale));
}

// Counts the pixels of `area` (in the group's picture) that differ from the
// card picture's pixels at `from`, or from their inversion; the picture's
// transparent pixels are skipped.
int Mismatches(const QImage& bitmap, const QRect& area, const QImage& picture, QPoint from = {},
    bool inverted = false)
{
    int wrong = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x) {
            QColor want = At(picture, from.x() + x, from.y() + y);
            if (want.alpha() == 0) continue;
            if (inverted) want = QColor(255 - want.red(), 255 - want.green(), 255 - want.blue());
            if (At(bitmap, area.left() + x, area.top() + y).rgb() != want.rgb()) ++wrong;
        }
    return wrong;
}

bool AllGreen(const QImage& bitmap, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (At(bitmap, x, y).rgb() != TableGreen.rgb()) return false;
    return true;
}

} // namespace

TEST_F(GroupTest, EmptySlotsAndGapsShowTheBrush)
{
    TZuCardGroup& group = Hand({ 10, E, 36 });
    const QImage& bitmap = group.Bitmap();
    EXPECT_TRUE(AllGreen(bitmap, QRect(71, 0, 81, 96))) << "gap, empty slot, gap";

    group.CardAt(0)->SetEmpty(true);
    EXPECT_TRUE(AllGreen(bitmap, QRect(0, 0, 71, 96)));
    group.CardAt(1)->SetEmpty(false);
    EXPECT_EQ(Mismatches(bitmap, QRect(76, 0, 71, 96), *CardPicture(14)), 0)
        << "a refilled slot shows its card again";

    group.CardList().Clear();
    EXPECT_TRUE(AllGreen(group.Bitmap(), QRect(QPoint(0, 0), group.BitmapSize())))
        << "a group without slots clears its surface";
}

TEST_F(GroupTest, CascadedCardsOverlapAndEmptyingOneRedrawsTheOneBeforeIt)
{
    TZuCardGroup& group = Hand({ 2, 3, 4, 5, 6, 7 }, csTight);
    const QImage& bitmap = group.Bitmap();
    EXPECT_EQ(Mismatches(bitmap, QRect(16, 0, 16, 96), *CardPicture(3)), 0);
    EXPECT_EQ(Mismatches(bitmap, QRect(80, 0, 71, 96), *CardPicture(7)), 0);
    EXPECT_EQ(At(bitmap, 32, 0), At(*CardPicture(3), 16, 0))
        << "a cut corner shows the card beneath";
    EXPECT_EQ(At(bitmap, 0, 0), TableGreen) << "and the first card's shows the table";

    group.CardAt(3)->SetEmpty(true);
    // Card 2 now shows its columns 16..31 where card 3 was.
    EXPECT_EQ(Mismatches(bitmap, QRect(48, 0, 16, 96), *CardPicture(4), { 16, 0 }), 0);
    EXPECT_EQ(Shown(group, 2).width(), 32);

    TZuCardGroup& loose = Hand({ 2, 3, 4 }, csLoose);
    loose.CardAt(2)->SetEmpty(true);
    EXPECT_EQ(Shown(loose, 1).width(), 71);
    EXPECT_EQ(Mismatches(loose.Bitmap(), QRect(76, 0, 33, 96), *CardPicture(3), { 38, 0 }), 0);
    EXPECT_TRUE(AllGreen(loose.Bitmap(), QRect(109, 0, 38, 96)));
}

TEST_F(GroupTest, AMarkedCardIsDrawnInvertedUnmarkingRestoresItAndTheScreenShowsThePicture)
{
    TZuCardGroup& group = Hand({ 10, 23 });
    const QImage& bitmap = group.Bitmap();
    const QImage& face = *CardPicture(23);

    group.CardAt(1)->SetNegative(true);
    EXPECT_EQ(Mismatches(bitmap, QRect(76, 0, 71, 96), face, {}, true), 0);
    EXPECT_NE(At(bitmap, 76 + 35, 48).rgb(), At(face, 35, 48).rgb());
    EXPECT_EQ(At(bitmap, 76, 0), TableGreen) << "the cut corner is not part of the card";
    EXPECT_EQ(Mismatches(bitmap, QRect(0, 0, 71, 96), *CardPicture(10)), 0)
        << "its neighbour is untouched";

    group.SetAutoSize(true);
    const QImage shot = group.grab().toImage().convertToFormat(bitmap.format());
    ASSERT_EQ(shot.size(), bitmap.size());
    EXPECT_EQ(shot.copy(), bitmap.copy()) << "the screen shows the group's picture";

    group.CardAt(1)->SetNegative(false);
    EXPECT_EQ(Mismatches(bitmap, QRect(76, 0, 71, 96), face), 0);
    EXPECT_EQ(At(bitmap, 76, 0), TableGreen);
    group.SetShowBack(true);
    const QImage& back = *CardPicture(BackPictureNumber(cbDefault));
    EXPECT_EQ(Mismatches(bitmap, QRect(76, 0, 71, 96), back), 0) << "face down: the back";
}

TEST_F(GroupTest, AMarkedCardRisesInARowOfWholeCardsAndComesBackDownUnmarked)
{
    const TZuCardFinish lifting { 4, QColor(0xff, 0xc8, 0x1e), 6 };
    TZuCardGroup& group = Hand({ 10, 23 });
    group.SetCardFinish(lifting);
    const QImage& bitmap = group.Bitmap();
    ASSERT_EQ(group.BitmapSize(), QSize(76 + 71, 96 + 6)) << "the row makes room above";
    EXPECT_EQ(group.CardAt(1)->BoundsRect().top(), 6);
    EXPECT_EQ(At(bitmap, 76 + 35, 2), TableGreen) << "the room is empty";

    group.CardAt(1)->SetNegative(true);
    EXPECT_EQ(group.CardAt(1)->BoundsRect().top(), 0) << "the marked card rises";
    EXPECT_EQ(group.CardAt(0)->BoundsRect().top(), 6) << "its neighbour stays down";
    EXPECT_NE(At(bitmap, 76 + 35, 2), TableGreen) << "the card fills the room above";
    EXPECT_EQ(At(bitmap, 76 + 35, 96 + 3), TableGreen) << "the strip it left is cleared";
    EXPECT_EQ(At(bitmap, 35, 2), TableGreen) << "above the neighbour nothing changed";

    group.CardAt(1)->SetNegative(false);
    EXPECT_EQ(group.CardAt(1)->BoundsRect().top(), 6);
    EXPECT_EQ(At(bitmap, 76 + 35, 2), TableGreen) << "nothing of it is left above";
    EXPECT_NE(At(bitmap, 76 + 35, 96 + 3), TableGreen) << "it is back down";

    // A row grown tight rises the same: its room above is kept.
    TZuCardGroup& tight = Hand({ 2, 3, 4 }, csTight);
    tight.SetCardFinish(lifting);
    tight.CardAt(1)->SetNegative(true);
    EXPECT_EQ(tight.BitmapSize().height(), 96 + 6);
    EXPECT_EQ(tight.CardAt(1)->BoundsRect().top(), 0);
    EXPECT_EQ(tight.CardAt(2)->BoundsRect().top(), 6);

    // A closed-up row is a hand to play from: its cards keep to their line.
    TZuCardGroup& hand = Hand({ 2, 3, 4 }, csTight);
    hand.SetCloseUp(true);
    hand.SetCardFinish(lifting);
    hand.CardAt(1)->SetNegative(true);
    EXPECT_EQ(hand.BitmapSize().height(), 96);
    EXPECT_EQ(hand.CardAt(1)->BoundsRect().top(), 0);
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
    EXPECT_EQ(Mismatches(loose.Bitmap(), QRect(152, 0, 71, 96), *CardPicture(14)), 0);
}

TEST_F(GroupTest, AHeldGroupDrawsNothingUntilItFirstShowsThenTheSameAsOneNeverHeld)
{
    // Both groups go through the same changes; only the first is held.
    auto make = [this](bool held) {
        auto* group = new TZuCardGroup(&form);
        if (held) group->HoldDrawingUntilShown();
        group->SetShowBack(false);
        group->SetCascadeStyle(csTight);
        group->SetSortStyle(soValue);
        for (int id : { 30, 4, 19, 45, 7, 12 })
            group->CardList().Add().Card().SetID(id);
        group->CardAt(2)->SetEmpty(true);
        group->CardAt(4)->SetNegative(true);
        group->SetCascadeStyle(csLoose);
        group->move(10, 300);
        return group;
    };
    TZuCardGroup* held = make(true);
    TZuCardGroup* plain = make(false);

    ASSERT_TRUE(held->DrawingHeld());
    EXPECT_EQ(held->BitmapSize(), plain->BitmapSize()) << "held, it still sizes itself";
    EXPECT_EQ(held->size(), plain->size());
    EXPECT_EQ(IDs(*held), IDs(*plain)) << "held, it still sorts";
    for (int slot = 0; slot < held->SlotCount(); ++slot)
        EXPECT_EQ(Shown(*held, slot), Shown(*plain, slot)) << slot;
    // Held, its picture is only sized: the first paint draws every pixel.

    held->show();
    plain->show();
    const QImage onScreen = held->grab().toImage();
    EXPECT_FALSE(held->DrawingHeld());
    EXPECT_EQ(held->Bitmap(), plain->Bitmap()) << "the first paint draws the cards as they stand";
    EXPECT_EQ(onScreen, plain->grab().toImage());

    // From then on every change is drawn at once, as in any group.
    held->CardAt(0)->SetID(50);
    plain->CardAt(0)->SetID(50);
    held->CardAt(2)->SetEmpty(false);
    plain->CardAt(2)->SetEmpty(false);
    EXPECT_EQ(held->Bitmap(), plain->Bitmap());
    EXPECT_EQ(Mismatches(held->Bitmap(), Shown(*held, 5), *CardPicture(held->CardAt(5)->ID())), 0);
}
