#include "tests/cards/deck_fixture.h"

namespace {

struct TLayerDrop {
    int position; // the taken card's position: the cards left after taking it
    int layers;
    bool operator==(const TLayerDrop&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TLayerDrop& d)
{
    return out << "{" << d.position << ", " << d.layers << "}";
}

} // namespace

class TDeckLayersTest : public TDeckTest {
protected:
    // Takes every card but the last and records where the stack thinned.
    std::vector<TLayerDrop> TakeAllButOne()
    {
        std::vector<TLayerDrop> drops;
        int layers = visual->Layers();
        while (deck.Count() > 1) {
            deck.NextCard();
            if (visual->Layers() != layers) drops.push_back({ deck.Count(), visual->Layers() });
            layers = visual->Layers();
        }
        return drops;
    }
};

TEST_F(TDeckLayersTest, SingleStackOfFiftyTwoThinsAtPositions38_25_12AndEndsUsedUp)
{
    deck.PrepareDeck();
    EXPECT_EQ(visual->Layers(), 3);
    EXPECT_FALSE(visual->DeckEmpty());
    EXPECT_EQ(TakeAllButOne(), (std::vector<TLayerDrop> { { 38, 2 }, { 25, 1 }, { 12, 0 } }));
    EXPECT_FALSE(visual->DeckEmpty());
    EXPECT_FALSE(visual->Exhausted());

    EXPECT_EQ(deck.NextCard(), 2); // the 52nd card
    EXPECT_TRUE(visual->DeckEmpty());
    EXPECT_TRUE(visual->Exhausted());
    EXPECT_EQ(visual->Layers(), 0);
}

TEST_F(TDeckLayersTest, DoubleStackOfFiftyTwoEndsAtZeroLayersWithoutLookingUsedUp)
{
    visual->SetDeckType(dcDouble);
    deck.PrepareDeck();
    EXPECT_EQ(visual->Layers(), 12);
    EXPECT_EQ(TakeAllButOne(), (std::vector<TLayerDrop> { { 38, 11 }, { 25, 10 }, { 12, 9 } }));

    // The last card drops the ninth layer (position 0), then the end loop
    // takes the other eight away.
    EXPECT_EQ(deck.NextCard(), 2);
    EXPECT_EQ(visual->Layers(), 0);
    EXPECT_FALSE(visual->DeckEmpty());
    EXPECT_TRUE(visual->Exhausted());

    // Taking from the exhausted deck changes nothing more.
    EXPECT_EQ(deck.NextCard(), -1);
    EXPECT_FALSE(visual->DeckEmpty());
    EXPECT_EQ(visual->Layers(), 0);
}

TEST_F(TDeckLayersTest, BigDecksThinEveryEightCardsFromPosition96Down)
{
    for (int copies : { 2, 4 }) {
        SCOPED_TRACE(copies);
        IncludeCopies(copies);
        visual->SetDeckType(dcDouble);
        deck.PrepareDeck();
        std::vector<TLayerDrop> expected;
        for (int position = 96, layers = 11; position >= 8; position -= 8, --layers)
            expected.push_back({ position, layers });
        EXPECT_EQ(TakeAllButOne(), expected);
        // Position 0 finds no layer left: the end loop shows the deck used up.
        deck.NextCard();
        EXPECT_TRUE(visual->DeckEmpty());
        EXPECT_EQ(visual->Layers(), 0);
    }
}

TEST_F(TDeckLayersTest, SingleStackOfABigDeckIsDownToTheTopCardAfterPosition80)
{
    IncludeCopies(2);
    deck.PrepareDeck();
    EXPECT_EQ(TakeAllButOne(), (std::vector<TLayerDrop> { { 96, 2 }, { 88, 1 }, { 80, 0 } }));
    deck.NextCard();
    EXPECT_TRUE(visual->DeckEmpty());
}

TEST_F(TDeckLayersTest, PreparationShowsTheFullStackAgain)
{
    deck.PrepareDeck();
    TakeAll();
    ASSERT_TRUE(visual->DeckEmpty());
    deck.PrepareDeck();
    EXPECT_FALSE(visual->DeckEmpty());
    EXPECT_FALSE(visual->Exhausted());
    EXPECT_EQ(visual->Layers(), 3);
    EXPECT_EQ(deck.Count(), 52);
}

TEST(DeckLayers, DroppingBelowZeroIsRefusedUntilTheDeckIsExhausted)
{
    QWidget form;
    TZuCardDeck visual(&form);
    visual.SetLayers(0);
    visual.DropLayer();
    EXPECT_EQ(visual.Layers(), 0);
    EXPECT_FALSE(visual.DeckEmpty());

    visual.SetExhausted(true);
    visual.DropLayer();
    EXPECT_TRUE(visual.DeckEmpty());
    EXPECT_EQ(visual.Layers(), 3) << "writing DeckType again restores the layers";
}

TEST(DeckLayers, DeckTypeAndDeckEmptySetTheFullLayerCount)
{
    QWidget form;
    TZuCardDeck visual(&form);
    EXPECT_EQ(visual.DeckType(), dcSingle);
    EXPECT_EQ(visual.Layers(), 3);
    visual.SetDeckType(dcDouble);
    EXPECT_EQ(visual.Layers(), 12);
    visual.SetLayers(5);
    visual.SetDeckEmpty(true);
    EXPECT_EQ(visual.Layers(), 5) << "showing the deck used up keeps the layers";
    visual.SetDeckEmpty(false);
    EXPECT_EQ(visual.Layers(), 12);
    visual.SetDeckType(dcSingle);
    EXPECT_EQ(visual.Layers(), 3);
}

TEST(DeckLayers, NewVisualDeckIsAFullSingleStackWithAFaceUpBottomCard)
{
    QWidget form;
    TZuCardDeck visual(&form);
    EXPECT_EQ(visual.DeckEmptyCardBack(), cbO);
    EXPECT_TRUE(visual.ShowLastCard());
    EXPECT_FALSE(visual.DeckEmpty());
    EXPECT_FALSE(visual.Empty());
    EXPECT_FALSE(visual.Exhausted());
    EXPECT_FALSE(visual.CardLast().ShowBack());
    EXPECT_TRUE(visual.CardFirst().ShowBack());
    EXPECT_EQ(visual.CardLast().Index(), 0);
    EXPECT_EQ(visual.CardFirst().Index(), 1);
    EXPECT_EQ(visual.size(), QSize(103, 104));
}

TEST(DeckLayers, AutoEmptyDeckStartsUsedUpAfterLoading)
{
    QWidget form;
    TZuCardDeck visual(&form);
    visual.SetAutoEmpty(true);
    visual.Loaded();
    EXPECT_TRUE(visual.DeckEmpty());
}

TEST(DeckLayers, BackAndFaceDownGoToTheTopCardButTheBottomCardStaysFaceUp)
{
    QWidget form;
    TZuCardDeck visual(&form);
    visual.SetCardBack(cbRobot);
    EXPECT_EQ(visual.CardFirst().CardBack(), cbRobot);
    EXPECT_EQ(visual.CardLast().CardBack(), cbRobot);
    visual.SetShowBack(false);
    EXPECT_FALSE(visual.CardFirst().ShowBack());
    visual.SetShowBack(true);
    EXPECT_TRUE(visual.CardFirst().ShowBack());
    EXPECT_FALSE(visual.CardLast().ShowBack());
}

TEST(DeckLayers, WritingACardCopiesItIntoTheDecksOwnCard)
{
    QWidget form;
    TZuCardDeck visual(&form);
    TZuCardDeck other(&form);
    other.CardFirst().SetID(30);
    other.CardFirst().SetCardBack(cbCastle);
    visual.SetCardFirst(other.CardFirst());
    EXPECT_EQ(visual.CardFirst().ID(), 30);
    EXPECT_EQ(visual.CardFirst().CardBack(), cbCastle);
    EXPECT_NE(&visual.CardFirst(), &other.CardFirst());
    other.CardLast().SetID(41);
    visual.SetCardLast(other.CardLast());
    EXPECT_EQ(visual.CardLast().ID(), 41);
}
