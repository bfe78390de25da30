// The order the deck deals its cards in, the shuffle, and Count.
#include "tests/cards/deck_fixture.h"

#include "cards/ids/id_shuffle.h"
#include "platform/random.h"

#include <algorithm>
#include <numeric>

namespace {

// Every copy of a card side by side, from the ace of hearts (53) down to the
// two of clubs (2).
std::vector<int> Unshuffled(int copies)
{
    std::vector<int> ids;
    for (int id = 53; id >= 2; --id)
        ids.insert(ids.end(), copies, id);
    return ids;
}

struct TDeckCase {
    int copies;
    bool visualDeck;
};

} // namespace

TEST_F(TDeckTest, UnshuffledDeckDealsTheAceOfHeartsFirstAndTheTwoOfClubsLast)
{
    for (TDeckCase c : { TDeckCase { 1, true }, TDeckCase { 4, true }, TDeckCase { 1, false } }) {
        SCOPED_TRACE(c.copies);
        IncludeCopies(c.copies);
        deck.SetVisualDeck(c.visualDeck ? visual : nullptr);
        deck.PrepareDeck();
        if (c.visualDeck) {
            EXPECT_EQ(visual->CardLast().ID(), 2);
            EXPECT_EQ(visual->CardFirst().ID(), 53);
        }
        EXPECT_EQ(TakeAll(), Unshuffled(c.copies));
    }
}

TEST_F(TDeckTest, CountFallsByOnePerCardAndAnExhaustedDeckGivesMinusOneForEver)
{
    for (TDeckCase c : { TDeckCase { 2, true }, TDeckCase { 1, false }, TDeckCase { 0, true } }) {
        SCOPED_TRACE(c.copies);
        IncludeCopies(c.copies);
        deck.SetVisualDeck(c.visualDeck ? visual : nullptr);
        deck.PrepareDeck();
        for (int left = 52 * c.copies; left > 0; --left) {
            ASSERT_EQ(deck.Count(), left);
            const int id = deck.NextCard();
            ASSERT_GE(id, 2) << "the card that empties the deck is still a card";
            if (c.visualDeck) {
                EXPECT_EQ(visual->CardFirst().ID(), id);
            }
        }
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(deck.NextCard(), -1);
        EXPECT_EQ(deck.Count(), 0);
    }
}

TEST_F(TDeckTest, FixedSeedGivesTheSameDealsInTheSameOrder)
{
    // Pins the shuffle (ShuffleCount passes of swap-with-Random(Total)) over the
    // process-wide generator: a change to either changes this deal. The seed
    // fixes the run, not each preparation: the next deck differs, and setting
    // the seed again deals the same decks again.
    deck.SetShuffleCount(2);
    const std::vector<int> golden { 6, 41, 28, 2, 25, 38, 19, 15, 4, 7, 21, 35, 39, 11, 26, 8, 16,
        29, 52, 20, 12, 34, 31, 23, 10, 51, 3, 5, 33, 17, 42, 22, 44, 30, 45, 14, 13, 43, 9, 37, 27,
        36, 53, 48, 47, 50, 24, 32, 49, 40, 18, 46 };
    int announced = 0, shownFirst = 0; // after each preparation, still inside its lock
    deck.AfterPrepareDeck = [&](TZuVirtualDeck* sender) {
        EXPECT_EQ(sender, &deck);
        shownFirst = visual->CardFirst().ID();
        EXPECT_EQ(AnimationLockCount(), 1u);
        ++announced;
    };
    std::vector<int> second;
    for (int run = 1; run <= 2; ++run) {
        FixRandomSeed(20260301);
        deck.PrepareDeck();
        EXPECT_EQ(announced, 2 * run - 1);
        EXPECT_EQ(shownFirst, golden.front());
        EXPECT_EQ(visual->CardLast().ID(), golden.back());
        EXPECT_EQ(TakeAll(), golden);
        deck.PrepareDeck();
        std::vector<int> next = TakeAll();
        EXPECT_EQ(shownFirst, next.front());
        if (run == 1) second = next;
        EXPECT_EQ(next, second);
    }
    ReleaseRandomSeed();
    EXPECT_NE(second, golden);
    std::sort(second.begin(), second.end());
    std::vector<int> cards = golden;
    std::sort(cards.begin(), cards.end());
    EXPECT_EQ(second, cards) << "the same cards, in another order";
}

TEST_F(TDeckTest, TheDeckShufflesItsIdsAsTheSharedShuffleDoes)
{
    for (int passes : { kStandardShufflePasses, 5 }) {
        deck.SetShuffleCount(passes);
        std::vector<int> ids(52);
        std::iota(ids.begin(), ids.end(), 2);
        FixRandomSeed(77);
        ShuffleIds(ids, passes, Random);
        FixRandomSeed(77);
        deck.PrepareDeck();
        // The deck deals from the end of its list.
        EXPECT_EQ(TakeAll(), std::vector<int>(ids.rbegin(), ids.rend())) << passes;
    }
    ReleaseRandomSeed();
}
