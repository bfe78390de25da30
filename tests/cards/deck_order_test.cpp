#include "tests/cards/deck_fixture.h"

#include <algorithm>
#include <numeric>

namespace {

std::vector<int> Descending(int from, int to)
{
    std::vector<int> ids(from - to + 1);
    std::iota(ids.rbegin(), ids.rend(), to);
    return ids;
}

} // namespace

TEST_F(TDeckTest, UnshuffledDeckDealsTheAceOfHeartsFirstAndTheTwoOfClubsLast)
{
    deck.PrepareDeck();
    EXPECT_EQ(deck.Count(), 52);
    EXPECT_EQ(visual->CardLast().ID(), 2);
    EXPECT_EQ(visual->CardFirst().ID(), 53);
    EXPECT_EQ(TakeAll(), Descending(53, 2));
}

TEST_F(TDeckTest, CountFallsByOnePerCardAndTheExhaustedDeckGivesMinusOneForEver)
{
    IncludeCopies(2);
    deck.PrepareDeck();
    for (int left = 104; left > 0; --left) {
        ASSERT_EQ(deck.Count(), left);
        const int id = deck.NextCard();
        ASSERT_GE(id, 2) << "the card that empties the deck is still a card";
        EXPECT_EQ(visual->CardFirst().ID(), id);
    }
    EXPECT_EQ(deck.Count(), 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(deck.NextCard(), -1);
    EXPECT_EQ(deck.Count(), 0);
}

TEST_F(TDeckTest, CopiesOfACardAreDealtSideBySideWhenUnshuffled)
{
    IncludeCopies(4);
    deck.PrepareDeck();
    const std::vector<int> ids = TakeAll();
    ASSERT_EQ(ids.size(), 208u);
    EXPECT_EQ(
        std::vector<int>(ids.begin(), ids.begin() + 5), (std::vector<int> { 53, 53, 53, 53, 52 }));
    EXPECT_EQ(ids.back(), 2);
    EXPECT_EQ(visual->CardLast().ID(), 2);
}

TEST_F(TDeckTest, FixedSeedGivesTheSameDealEveryTime)
{
    // Pins the shuffle (ShuffleCount passes of swap-with-Random(Total)) over the
    // process-wide generator: a change to either changes this deal.
    deck.SetShuffleCount(2);
    FixRandomSeed(20260301);
    deck.PrepareDeck();
    const std::vector<int> golden { 6, 41, 28, 2, 25, 38, 19, 15, 4, 7, 21, 35, 39, 11, 26, 8, 16,
        29, 52, 20, 12, 34, 31, 23, 10, 51, 3, 5, 33, 17, 42, 22, 44, 30, 45, 14, 13, 43, 9, 37, 27,
        36, 53, 48, 47, 50, 24, 32, 49, 40, 18, 46 };
    EXPECT_EQ(visual->CardFirst().ID(), golden.front());
    EXPECT_EQ(visual->CardLast().ID(), golden.back());
    EXPECT_EQ(TakeAll(), golden);
}

TEST_F(TDeckTest, PreparationReseedsTheGeneratorAndShufflesEveryCardOnce)
{
    deck.SetShuffleCount(2);
    FixRandomSeed(7);
    deck.PrepareDeck();
    const std::vector<int> first = TakeAll();
    for (int i = 0; i < 10; ++i)
        Random(100); // whatever ran in between
    deck.PrepareDeck();
    EXPECT_EQ(TakeAll(), first);

    std::vector<int> sorted = first;
    std::sort(sorted.rbegin(), sorted.rend());
    EXPECT_EQ(sorted, Descending(53, 2));
    EXPECT_NE(first, Descending(53, 2));
}

TEST_F(TDeckTest, NewDeckHoldsFiftyTwoBlanksUntilPrepared)
{
    TZuVirtualDeck fresh;
    EXPECT_EQ(fresh.Count(), 52);
    EXPECT_EQ(fresh.ShuffleCount(), 0);
    EXPECT_TRUE(fresh.DealAnimation());
    EXPECT_FALSE(fresh.CustomDeck());
    EXPECT_EQ(fresh.VisualDeck(), nullptr);
    EXPECT_EQ(fresh.IncludedCards().Count(), 52);
}

TEST_F(TDeckTest, PreparationIsAnnouncedAfterTheDeckIsReady)
{
    int calls = 0;
    deck.AfterPrepareDeck = [&](TZuVirtualDeck* sender) {
        ++calls;
        EXPECT_EQ(sender, &deck);
        EXPECT_EQ(sender->Count(), 52);
        EXPECT_EQ(AnimationLockCount(), 1u) << "still inside the locked preparation";
    };
    deck.PrepareDeck();
    deck.PrepareDeck();
    EXPECT_EQ(calls, 2);
}

TEST_F(TDeckTest, WithoutAVisualDeckCardsComeInTheSameOrderAndCountStillFalls)
{
    TZuVirtualDeck bare;
    bare.PrepareDeck();
    EXPECT_EQ(bare.NextCard(), 53);
    EXPECT_EQ(bare.Count(), 51);
    for (int i = 0; i < 51; ++i)
        bare.NextCard();
    EXPECT_EQ(bare.Count(), 0);
    EXPECT_EQ(bare.NextCard(), -1);
}

TEST_F(TDeckTest, EmptyIncludedCardsGiveAnExhaustedDeck)
{
    IncludeCopies(0);
    deck.PrepareDeck();
    EXPECT_EQ(deck.Count(), 0);
    EXPECT_EQ(deck.NextCard(), -1);
}
