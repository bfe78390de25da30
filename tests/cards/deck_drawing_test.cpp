// Pixel checks of the visual deck's picture against the card pictures it is
// drawn from. Points are picked inside the cards, away from the cut corners.
#include "tests/cards/deck_fixture.h"

class TDeckDrawingTest : public TDeckTest {
protected:
    void SetUp() override
    {
        TDeckTest::SetUp();
        visual->SetBrushColor(brush);
        deck.PrepareDeck(); // bottom card the two of clubs, top card face down
    }

    QColor At(int x, int y) const { return PixelAt(&visual->Bitmap(), x, y); }
    QColor Back(int x, int y) const { return PixelAt(visual->CardFirst().BackImage(), x, y); }
    QColor BottomFace(int x, int y) const
    {
        return PixelAt(CardPicture(visual->CardLast().ID()), x, y);
    }
    static QColor Inverted(QColor c)
    {
        return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
    }

    const QColor brush { 0, 128, 0 };
};

TEST_F(TDeckDrawingTest, FullSingleStackShowsTheBottomEdgeFourLayerEdgesAndTheTopCard)
{
    ASSERT_EQ(visual->BitmapSize(), QSize(103, 104));
    EXPECT_EQ(At(8, 48), BottomFace(8, 48)) << "the bottom card peeks out";
    EXPECT_EQ(visual->CardLast().BoundsRect(), QRect(0, 0, 71, 96));
    // Layer edges step 4 right and 2 down: (16,0), (20,2), (24,4), (28,6).
    for (int layer = 0; layer < 4; ++layer)
        EXPECT_EQ(At(16 + 4 * layer + 2, 2 * layer + 50), Back(2, 50)) << layer;
    EXPECT_EQ(At(50, 1), Back(34, 1)) << "the first layer's top edge";
    EXPECT_EQ(visual->CardFirst().BoundsRect(), QRect(32, 8, 71, 96));
    EXPECT_EQ(At(32 + 35, 8 + 48), Back(35, 48));
    EXPECT_EQ(At(101, 5), brush) << "right of the layers' top edges";
    EXPECT_EQ(At(20, 102), brush) << "below the layers";

    visual->SetShowLastCard(false);
    EXPECT_EQ(At(8, 48), brush) << "a hidden bottom card leaves its strip clear";
}

TEST_F(TDeckDrawingTest, ThinnedStackMovesTheTopCardUpLeftAndClearsWhereItWas)
{
    visual->SetLayers(0);
    EXPECT_EQ(visual->CardFirst().BoundsRect(), QRect(20, 2, 71, 96));
    EXPECT_EQ(At(20 + 35, 2 + 48), Back(35, 48));
    EXPECT_EQ(At(18, 50), Back(2, 50)) << "one layer edge is left";
    EXPECT_EQ(At(8, 48), BottomFace(8, 48));
    EXPECT_EQ(At(97, 50), brush);
    EXPECT_EQ(At(60, 101), brush);

    const QImage thinned = visual->Bitmap().copy();
    visual->SetEnabled(false);
    visual->SetLayers(3);
    EXPECT_EQ(visual->Bitmap(), thinned) << "a disabled deck does not draw";
    EXPECT_EQ(visual->Layers(), 3);
}

TEST_F(TDeckDrawingTest, UsedUpDeckShowsOnlyTheEmptyDeckBack)
{
    TakeAll();
    ASSERT_TRUE(visual->DeckEmpty());
    const QImage* o = CardPicture(BackPictureNumber(cbO));
    EXPECT_EQ(At(16 + 35, 48), PixelAt(o, 35, 48));
    EXPECT_EQ(At(16 + 5, 20), PixelAt(o, 5, 20));
    EXPECT_EQ(At(8, 48), brush) << "no bottom card";
    EXPECT_EQ(At(95, 50), brush) << "no stack";
    EXPECT_EQ(At(50, 100), brush);
    EXPECT_EQ(visual->CardFirst().BoundsRect(), QRect(0, 0, 71, 96));

    visual->SetDeckEmptyCardBack(cbFishBlue);
    EXPECT_EQ(At(16 + 35, 48), PixelAt(CardPicture(BackPictureNumber(cbFishBlue)), 35, 48));
}

TEST_F(TDeckDrawingTest, DoubleStackIsWiderAndStepsOnlyRight)
{
    visual->SetDeckType(dcDouble);
    ASSERT_EQ(visual->BitmapSize(), QSize(139, 96));
    for (int layer = 0; layer < 13; ++layer)
        EXPECT_EQ(At(16 + 4 * layer + 2, 50), Back(2, 50)) << layer;
    EXPECT_EQ(visual->CardFirst().BoundsRect(), QRect(68, 0, 71, 96));
    EXPECT_EQ(At(68 + 35, 48), Back(35, 48));
    EXPECT_EQ(At(8, 48), BottomFace(8, 48));

    visual->SetLayers(0);
    EXPECT_EQ(visual->CardFirst().BoundsRect(), QRect(20, 0, 71, 96));
    EXPECT_EQ(At(120, 48), brush);

    visual->SetDeckType(dcSingle);
    EXPECT_EQ(visual->BitmapSize(), QSize(103, 104));
    EXPECT_EQ(visual->CardFirst().BoundsRect(), QRect(32, 8, 71, 96));
}

TEST_F(TDeckDrawingTest, NegativeCardsAreDrawnInverted)
{
    const QColor back = Back(35, 48);
    visual->CardFirst().SetNegative(true);
    EXPECT_EQ(At(32 + 35, 8 + 48), Inverted(back));
    visual->CardLast().SetNegative(true);
    EXPECT_EQ(At(8, 48), Inverted(BottomFace(8, 48)));
    visual->CardFirst().SetNegative(false);
    EXPECT_EQ(At(32 + 35, 8 + 48), back);
}

TEST_F(TDeckDrawingTest, BackAndFaceDownGoToTheTopCardWhileTheBottomCardStaysFaceUp)
{
    visual->SetCardBack(cbRobot);
    EXPECT_EQ(At(32 + 35, 8 + 48), PixelAt(CardPicture(BackPictureNumber(cbRobot)), 35, 48));
    visual->SetShowBack(false);
    EXPECT_EQ(At(32 + 35, 8 + 48), PixelAt(CardPicture(53), 35, 48));
    deck.NextCard();
    deck.NextCard();
    EXPECT_EQ(At(32 + 35, 8 + 48), PixelAt(CardPicture(52), 35, 48)) << "the card taken last";
    visual->SetShowBack(true);
    EXPECT_EQ(At(8, 48), BottomFace(8, 48));
}
