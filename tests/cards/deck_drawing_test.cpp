#include "tests/cards/deck_fixture.h"

// Pixel checks of the visual deck's picture against the card pictures it is
// drawn from. Points are picked inside the cards, away from the cut corners.
class TDeckDrawingTest : public TDeckTest {
protected:
    void SetUp() override
    {
        TDeckTest::SetUp();
        visual->SetBrushColor(brush);
        deck.PrepareDeck(); // bottom card the two of clubs, top card face down
    }

    const QImage& Bitmap() const { return visual->Bitmap(); }
    QColor At(int x, int y) const { return PixelAt(Bitmap(), x, y); }
    const QImage* Back() const { return visual->CardFirst().BackImage(); }
    const QImage* BottomFace() const { return CardPicture(visual->CardLast().ID()); }

    const QColor brush { 0, 128, 0 };
};

TEST_F(TDeckDrawingTest, FullSingleStackShowsTheBottomEdgeFourLayerEdgesAndTheTopCard)
{
    ASSERT_EQ(visual->BitmapSize(), QSize(103, 104));
    EXPECT_EQ(At(8, 48), PictureAt(BottomFace(), 8, 48)) << "the bottom card peeks out";
    EXPECT_EQ(visual->CardLast().BoundsRect(), QRect(0, 0, 71, 96));
    // Layer edges step 4 right and 2 down: (16,0), (20,2), (24,4), (28,6).
    for (int layer = 0; layer < 4; ++layer) {
        const int x = 16 + 4 * layer, y = 2 * layer;
        EXPECT_EQ(At(x + 2, y + 50), PictureAt(Back(), 2, 50)) << layer;
    }
    EXPECT_EQ(At(50, 1), PictureAt(Back(), 34, 1)) << "the first layer's top edge";
    EXPECT_EQ(visual->CardFirst().BoundsRect(), QRect(32, 8, 71, 96));
    EXPECT_EQ(At(32 + 35, 8 + 48), PictureAt(Back(), 35, 48));
    EXPECT_EQ(At(101, 5), brush) << "right of the layers' top edges";
    EXPECT_EQ(At(20, 102), brush) << "below the layers";
}

TEST_F(TDeckDrawingTest, ThinnedStackMovesTheTopCardUpLeftAndClearsWhereItWas)
{
    visual->SetLayers(0);
    EXPECT_EQ(visual->CardFirst().BoundsRect(), QRect(20, 2, 71, 96));
    EXPECT_EQ(At(20 + 35, 2 + 48), PictureAt(Back(), 35, 48));
    EXPECT_EQ(At(18, 50), PictureAt(Back(), 2, 50)) << "one layer edge is left";
    EXPECT_EQ(At(8, 48), PictureAt(BottomFace(), 8, 48));
    EXPECT_EQ(At(97, 50), brush);
    EXPECT_EQ(At(60, 101), brush);
}

TEST_F(TDeckDrawingTest, UsedUpDeckShowsOnlyTheEmptyDeckBack)
{
    TakeAll();
    ASSERT_TRUE(visual->DeckEmpty());
    const QImage* o = CardPicture(BackPictureNumber(cbO));
    EXPECT_EQ(At(16 + 35, 48), PictureAt(o, 35, 48));
    EXPECT_EQ(At(16 + 5, 20), PictureAt(o, 5, 20));
    EXPECT_EQ(At(8, 48), brush) << "no bottom card";
    EXPECT_EQ(At(95, 50), brush) << "no stack";
    EXPECT_EQ(At(50, 100), brush);
    EXPECT_EQ(visual->CardFirst().BoundsRect(), QRect(0, 0, 71, 96));

    visual->SetDeckEmptyCardBack(cbFishBlue);
    EXPECT_EQ(At(16 + 35, 48), PictureAt(CardPicture(BackPictureNumber(cbFishBlue)), 35, 48));
}

TEST_F(TDeckDrawingTest, FullThinnedAndUsedUpLookDifferent)
{
    const QImage full = Bitmap().copy();
    visual->SetLayers(1);
    const QImage thinned = Bitmap().copy();
    visual->SetExhausted(true);
    visual->SetDeckEmpty(true);
    const QImage usedUp = Bitmap().copy();
    EXPECT_NE(full, thinned);
    EXPECT_NE(thinned, usedUp);
    EXPECT_NE(full, usedUp);
}

TEST_F(TDeckDrawingTest, DoubleStackIsWiderAndStepsOnlyRight)
{
    visual->SetDeckType(dcDouble);
    ASSERT_EQ(visual->BitmapSize(), QSize(139, 96));
    for (int layer = 0; layer < 13; ++layer)
        EXPECT_EQ(At(16 + 4 * layer + 2, 50), PictureAt(Back(), 2, 50)) << layer;
    EXPECT_EQ(visual->CardFirst().BoundsRect(), QRect(68, 0, 71, 96));
    EXPECT_EQ(At(68 + 35, 48), PictureAt(Back(), 35, 48));
    EXPECT_EQ(At(8, 48), PictureAt(BottomFace(), 8, 48));

    visual->SetLayers(0);
    EXPECT_EQ(visual->CardFirst().BoundsRect(), QRect(20, 0, 71, 96));
    EXPECT_EQ(At(120, 48), brush);

    visual->SetDeckType(dcSingle);
    EXPECT_EQ(visual->BitmapSize(), QSize(103, 104));
    EXPECT_EQ(visual->CardFirst().BoundsRect(), QRect(32, 8, 71, 96));
}

TEST_F(TDeckDrawingTest, HiddenBottomCardLeavesItsStripClear)
{
    visual->SetShowLastCard(false);
    EXPECT_EQ(At(8, 48), brush);
    visual->SetShowLastCard(true);
    EXPECT_EQ(At(8, 48), PictureAt(BottomFace(), 8, 48));
}

TEST_F(TDeckDrawingTest, NegativeCardsAreDrawnInverted)
{
    const QColor back = PictureAt(Back(), 35, 48);
    visual->CardFirst().SetNegative(true);
    EXPECT_EQ(At(32 + 35, 8 + 48), QColor(255 - back.red(), 255 - back.green(), 255 - back.blue()));
    const QColor face = PictureAt(BottomFace(), 8, 48);
    visual->CardLast().SetNegative(true);
    EXPECT_EQ(At(8, 48), QColor(255 - face.red(), 255 - face.green(), 255 - face.blue()));
    visual->CardFirst().SetNegative(false);
    EXPECT_EQ(At(32 + 35, 8 + 48), back);
}

TEST_F(TDeckDrawingTest, FaceUpTopCardShowsTheCardTakenLast)
{
    visual->SetShowBack(false);
    EXPECT_EQ(At(32 + 35, 8 + 48), PictureAt(CardPicture(53), 35, 48));
    deck.NextCard();
    deck.NextCard();
    EXPECT_EQ(visual->CardFirst().ID(), 52);
    EXPECT_EQ(At(32 + 35, 8 + 48), PictureAt(CardPicture(52), 35, 48));
}

TEST_F(TDeckDrawingTest, DisabledDeckDoesNotDraw)
{
    const QImage before = Bitmap().copy();
    visual->SetEnabled(false);
    visual->SetLayers(0);
    EXPECT_EQ(Bitmap(), before);
    EXPECT_EQ(visual->Layers(), 0);
}
