// These tests plug a stand-in into the deck's reader seam to check what the
// deck does with what a reader hands back, and that without a reader or a
// readable file a custom deck cannot start. Real files: deck_file_test.cpp.
#include "tests/cards/deck_fixture.h"

#include <QString>

class TDeckCustomTest : public TDeckTest {
protected:
    // A reader that hands back a file whose entries run 41, 3, 4, ..., 53, 2, ...
    // with the given shuffle count, and records the names it was asked for.
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
    void SwitchOn(const char* name)
    {
        deck.SetCustomDeckFileName(QString::fromLatin1(name));
        deck.SetCustomDeck(true);
    }

    std::vector<QString> asked;
};

TEST_F(TDeckCustomTest, WithoutAReaderOrAReadableFileTheDeckStaysOnItsIncludedCards)
{
    for (bool plugged : { false, true }) {
        SCOPED_TRACE(plugged);
        if (plugged) PlugReader(5, false);
        deck.SetShuffleCount(3);
        SwitchOn("bad.zvd");
        EXPECT_FALSE(deck.CustomDeck());
        EXPECT_EQ(deck.ShuffleCount(), 3);
        deck.SetShuffleCount(0);
        deck.SetCustomDeck(false);
        EXPECT_EQ(deck.ShuffleCount(), 0) << "nothing to restore: the deck was never custom";
        deck.PrepareDeck();
        EXPECT_EQ(visual->CardLast().ID(), 2);
    }
}

TEST_F(TDeckCustomTest, ACustomDeckDealsTheFilesEntriesWithItsShuffleCountUntilItEnds)
{
    PlugReader(0);
    deck.SetShuffleCount(2);
    SwitchOn("my.zvd");
    ASSERT_TRUE(deck.CustomDeck());
    EXPECT_EQ(deck.ShuffleCount(), 0);
    deck.PrepareDeck();
    EXPECT_EQ(visual->CardLast().ID(), 41);
    std::vector<int> entries; // from the last one taken, entry 52, to entry 1
    for (int id = 53; id >= 3; --id)
        entries.push_back(id);
    entries.push_back(41);
    EXPECT_EQ(TakeAll(), entries);
    SwitchOn("other.zvd"); // another file read keeps the deck's own count saved
    deck.SetCustomDeck(false);
    EXPECT_EQ(deck.ShuffleCount(), 2);

    // Clearing the file name ends it without restoring the count.
    PlugReader(5);
    SwitchOn("a.zvd");
    deck.SetCustomDeckFileName(QString());
    EXPECT_FALSE(deck.CustomDeck());
    EXPECT_EQ(deck.ShuffleCount(), 5);

    // Loading reads the file again, which went away meanwhile.
    SwitchOn("gone.zvd");
    ASSERT_TRUE(deck.CustomDeck());
    PlugReader(4, false);
    deck.Loaded();
    EXPECT_FALSE(deck.CustomDeck());
    EXPECT_EQ(asked,
        (std::vector<QString> { QStringLiteral("my.zvd"), QStringLiteral("other.zvd"),
            QStringLiteral("a.zvd"), QStringLiteral("gone.zvd"), QStringLiteral("gone.zvd") }));
}
