#include "tests/cards/deck_fixture.h"

#include <QString>

// The deck-file reader is not part of this library yet: these tests plug a
// stand-in into the deck's reader seam to check what the deck does with what
// a reader hands back, and that without a reader a custom deck cannot start.
class TDeckCustomTest : public TDeckTest {
protected:
    // A reader that hands back a file whose entries run 41, 2, 3, ..., with the
    // given shuffle count, and records the names it was asked for.
    void PlugReader(int shuffleCount, bool succeeds = true)
    {
        deck.SetDeckFileReader([=, this](const QString& name, TZuDeckFileContent& content) {
            asked.push_back(name);
            if (!succeeds) return false;
            for (int i = 0; i < ZuDeckFileCards; ++i)
                content.Cards[i] = 2 + i % 52;
            content.Cards[0] = 41;
            content.CardCount = 52;
            content.ShuffleCount = shuffleCount;
            return true;
        });
    }

    std::vector<QString> asked;
};

TEST_F(TDeckCustomTest, WithoutADeckFileReaderACustomDeckCannotBeSwitchedOn)
{
    deck.SetShuffleCount(2);
    deck.SetCustomDeckFileName(QStringLiteral("deck.zvd"));
    deck.SetCustomDeck(true);
    EXPECT_FALSE(deck.CustomDeck());
    EXPECT_EQ(deck.ShuffleCount(), 2);
    deck.SetShuffleCount(0);
    deck.PrepareDeck();
    EXPECT_EQ(visual->CardLast().ID(), 2) << "the included cards";
}

TEST_F(TDeckCustomTest, CustomDeckDealsTheFilesEntriesFromTheLastOneTaken)
{
    PlugReader(0);
    deck.SetCustomDeckFileName(QStringLiteral("my.zvd"));
    deck.SetCustomDeck(true);
    ASSERT_TRUE(deck.CustomDeck());
    EXPECT_EQ(asked, (std::vector<QString> { QStringLiteral("my.zvd") }));
    deck.PrepareDeck();
    EXPECT_EQ(deck.Count(), 52);
    EXPECT_EQ(visual->CardLast().ID(), 41);
    const std::vector<int> ids = TakeAll();
    ASSERT_EQ(ids.size(), 52u);
    EXPECT_EQ(ids.front(), 53); // entry 52
    EXPECT_EQ(ids[50], 3);
    EXPECT_EQ(ids.back(), 41); // entry 1
}

TEST_F(TDeckCustomTest, TheFilesShuffleCountHoldsWhileCustomAndTheOwnComesBackAfter)
{
    PlugReader(5);
    deck.SetShuffleCount(2);
    deck.SetCustomDeckFileName(QStringLiteral("a.zvd"));
    deck.SetCustomDeck(true);
    EXPECT_EQ(deck.ShuffleCount(), 5);
    deck.SetCustomDeck(true); // another file read keeps the deck's own count saved
    deck.SetCustomDeck(false);
    EXPECT_EQ(deck.ShuffleCount(), 2);
}

TEST_F(TDeckCustomTest, AFailedReadSwitchesTheCustomDeckOffAndKeepsTheCount)
{
    PlugReader(5, false);
    deck.SetShuffleCount(3);
    deck.SetCustomDeckFileName(QStringLiteral("bad.zvd"));
    deck.SetCustomDeck(true);
    EXPECT_FALSE(deck.CustomDeck());
    EXPECT_EQ(deck.ShuffleCount(), 3);
    deck.SetShuffleCount(1);
    deck.SetCustomDeck(false);
    EXPECT_EQ(deck.ShuffleCount(), 1) << "nothing to restore: the deck was never custom";
}

TEST_F(TDeckCustomTest, ClearingTheFileNameEndsTheCustomDeckWithoutRestoringTheCount)
{
    PlugReader(5);
    deck.SetShuffleCount(2);
    deck.SetCustomDeckFileName(QStringLiteral("a.zvd"));
    deck.SetCustomDeck(true);
    deck.SetCustomDeckFileName(QString());
    EXPECT_FALSE(deck.CustomDeck());
    EXPECT_EQ(deck.ShuffleCount(), 5);
    deck.SetShuffleCount(0);
    deck.PrepareDeck();
    EXPECT_EQ(visual->CardLast().ID(), 2) << "the included cards again";
}

TEST_F(TDeckCustomTest, LoadingReadsTheFileOfACustomDeckAgain)
{
    PlugReader(4);
    deck.SetCustomDeckFileName(QStringLiteral("gone.zvd"));
    deck.SetCustomDeck(true);
    ASSERT_TRUE(deck.CustomDeck());
    PlugReader(4, false); // the file went away meanwhile
    asked.clear();
    deck.Loaded();
    EXPECT_EQ(asked, (std::vector<QString> { QStringLiteral("gone.zvd") }));
    EXPECT_FALSE(deck.CustomDeck());
}
