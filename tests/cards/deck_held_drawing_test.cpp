// A deck whose drawing waits for its first paint: while held it lays its
// cards out as a deck that draws at once, and its first paint draws the
// same picture that deck holds.
#include "tests/cards/deck_fixture.h"

#include <functional>

class TDeckHeldDrawingTest : public TDeckTest {
protected:
    void SetUp() override
    {
        TDeckTest::SetUp();
        held = new TZuCardDeck(&form, TZuDeckDrawing::WhenShown);
        for (TZuCardDeck* d : { visual, held })
            d->SetBrushColor(QColor(0, 128, 0));
    }

    // The same change on both decks.
    void Both(const std::function<void(TZuCardDeck&)>& change)
    {
        change(*visual);
        change(*held);
    }

    void ExpectSameLayout(const char* step) const
    {
        EXPECT_EQ(held->BitmapSize(), visual->BitmapSize()) << step;
        EXPECT_EQ(held->size(), visual->size()) << step;
        EXPECT_EQ(held->CardFirst().BoundsRect(), visual->CardFirst().BoundsRect()) << step;
        EXPECT_EQ(held->CardLast().BoundsRect(), visual->CardLast().BoundsRect()) << step;
    }

    bool HeldPictureBlank() const
    {
        QImage blank(held->Bitmap().size(), held->Bitmap().format());
        blank.fill(QColor(0, 128, 0));
        return held->Bitmap() == blank;
    }

    TZuCardDeck* held = nullptr; // owned by the form
};

TEST_F(TDeckHeldDrawingTest, LaysOutAsADrawnDeckDrawsNothingAndItsFirstPaintDrawsTheSamePicture)
{
    ExpectSameLayout("made");
    Both([](TZuCardDeck& d) {
        d.CardLast().SetID(9);
        d.CardFirst().SetID(40);
        d.SetShowBack(false);
    });
    ExpectSameLayout("cards set");
    for (int layers : { 2, 1, 0 }) {
        Both([layers](TZuCardDeck& d) { d.SetLayers(layers); });
        ExpectSameLayout("thinned");
    }
    Both([](TZuCardDeck& d) { d.SetDeckType(dcDouble); });
    ExpectSameLayout("double");
    Both([](TZuCardDeck& d) { d.SetShowLastCard(false); });
    ExpectSameLayout("no bottom card");
    EXPECT_TRUE(held->DrawingHeld());
    EXPECT_TRUE(HeldPictureBlank()) << "a held deck draws nothing";

    held->grab();
    EXPECT_FALSE(held->DrawingHeld());
    EXPECT_EQ(held->Bitmap(), visual->Bitmap()) << "the first paint draws the deck as it stands";
    // Drawn from now on, as any deck.
    Both([](TZuCardDeck& d) {
        d.SetShowLastCard(true);
        d.SetDeckEmpty(true);
    });
    ExpectSameLayout("used up");
    EXPECT_EQ(held->Bitmap(), visual->Bitmap());
}
