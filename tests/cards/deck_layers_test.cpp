// How the visual stack thins as the virtual deck hands out its cards.
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

// Every eighth position from 96 down to 8, starting from `layers` after the first drop.
std::vector<TLayerDrop> EveryEighth(int layers)
{
    std::vector<TLayerDrop> drops;
    for (int position = 96; position >= 8 && layers >= 0; position -= 8)
        drops.push_back({ position, layers-- });
    return drops;
}

} // namespace

TEST_F(TDeckTest, TheStackThinsAtItsPositionsAndEndsBareOrUsedUp)
{
    struct Case {
        int copies;
        TZuVisualDeckType type;
        std::vector<TLayerDrop> drops; // taking all but the last card
        bool usedUp; // after the last card
    };
    const Case cases[] = {
        { 1, dcSingle, { { 38, 2 }, { 25, 1 }, { 12, 0 } }, true },
        // The last card drops the ninth layer (position 0), then the end loop
        // takes the other eight away: no used-up look.
        { 1, dcDouble, { { 38, 11 }, { 25, 10 }, { 12, 9 } }, false },
        { 2, dcSingle, EveryEighth(2), true },
        // Position 0 finds no layer left: the end loop shows the deck used up.
        { 2, dcDouble, EveryEighth(11), true },
        { 4, dcDouble, EveryEighth(11), true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.copies << " copies, type " << c.type);
        IncludeCopies(c.copies);
        // The type is written only when it changes: preparing alone gives the full stack back.
        if (visual->DeckType() != c.type) visual->SetDeckType(c.type);
        deck.PrepareDeck();
        const int full = c.type == dcSingle ? 3 : 12;
        EXPECT_EQ(visual->Layers(), full);
        std::vector<TLayerDrop> drops;
        for (int layers = full; deck.Count() > 1; layers = visual->Layers()) {
            deck.NextCard();
            if (visual->Layers() != layers) drops.push_back({ deck.Count(), visual->Layers() });
        }
        EXPECT_EQ(drops, c.drops);
        EXPECT_FALSE(visual->DeckEmpty());
        EXPECT_FALSE(visual->Exhausted());

        EXPECT_EQ(deck.NextCard(), 2);
        EXPECT_EQ(visual->DeckEmpty(), c.usedUp);
        EXPECT_TRUE(visual->Exhausted());
        EXPECT_EQ(visual->Layers(), 0);
        // Taking from the exhausted deck changes nothing more.
        EXPECT_EQ(deck.NextCard(), -1);
        EXPECT_EQ(visual->DeckEmpty(), c.usedUp);
        EXPECT_EQ(visual->Layers(), 0);
    }
}
