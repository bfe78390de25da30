#include "tests/cards/deck_file_builder.h"
#include "tests/cards/deck_fixture.h"
#include "tests/support/recording_sink.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <climits>
#include <string>
#include <sys/stat.h>

namespace {

struct TFileCase {
    const char* name;
    QByteArray bytes;
    const char* message; // nullptr: the file is read
};

} // namespace

class DeckFileTest : public TDeckTest {
protected:
    QString Write(const QByteArray& bytes, const char* name = "deck.zvd")
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
    TScopedRecordingSink sink;
};

// Every file is read once and checked whole; on failure the player is told
// why and the caller's results stay as they were.
TEST_F(DeckFileTest, FilesAreCheckedAndRefusedWithTheirMessage)
{
    using namespace ZuDeckFile;
    const TFileCase cases[] = {
        { "valid, with bytes after the record", TDeckFileBuilder().bytes + "tail", nullptr },
        { "no valid entries", TDeckFileBuilder().Cards(0).bytes, nullptr },
        { "entries past the count are not cards", TDeckFileBuilder().Cards(1).SetCard(1, 0).bytes,
            nullptr },
        { "length byte 32", TDeckFileBuilder().Byte(0, 32).bytes, UnrecognizedFormat },
        { "length byte 34", TDeckFileBuilder().Byte(0, 34).bytes, UnrecognizedFormat },
        { "magic in other case", TDeckFileBuilder().Byte(1, 'z').bytes, UnrecognizedFormat },
        { "empty", QByteArray(), UnrecognizedFormat },
        { "33 bytes", TDeckFileBuilder().Cut(33).bytes, UnrecognizedFormat },
        { "version 2", TDeckFileBuilder().Version(2).bytes, WrongVersion },
        { "version 2, header only", TDeckFileBuilder().Version(2).Cut(40).bytes, WrongVersion },
        { "header only", TDeckFileBuilder().Cut(34).bytes, Damaged },
        { "one byte short", TDeckFileBuilder().Cut(RecordSize - 1).bytes, Damaged },
        { "count -1", TDeckFileBuilder().Cards(-1).bytes, Damaged },
        { "count 109", TDeckFileBuilder().Cards(109).bytes, Damaged },
        { "ID 1", TDeckFileBuilder().SetCard(51, 1).bytes, Damaged },
        { "ID 56", TDeckFileBuilder().SetCard(0, 56).bytes, Damaged },
        { "shuffles -1", TDeckFileBuilder().Shuffles(-1).bytes, Damaged },
        { "shuffles past the bound", TDeckFileBuilder().Shuffles(MaxShuffleCount + 1).bytes,
            Damaged },
        { "shuffles 2^31-1", TDeckFileBuilder().Shuffles(INT_MAX).bytes, Damaged },
    };
    for (const TFileCase& c : cases) {
        SCOPED_TRACE(c.name);
        sink.shown.errors.clear();
        TZuDeckFileContent content;
        content.CardCount = -99;
        const bool read = ReadDeckFile(Write(c.bytes), content);
        EXPECT_EQ(read, c.message == nullptr);
        if (c.message) {
            EXPECT_EQ(sink.shown.errors, std::vector<std::string> { c.message });
            EXPECT_EQ(content.CardCount, -99);
        } else {
            EXPECT_TRUE(sink.shown.errors.empty());
            EXPECT_EQ(content.Cards[0], 2);
            EXPECT_EQ(content.Appearance[1], 7);
        }
    }

    // Neither a pipe (which would block for ever) nor a folder is read; a
    // missing file is refused without a word.
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    TZuDeckFileContent content;
    for (const QString& name : { fifo, dir.path(), dir.filePath("missing"), QString() }) {
        sink.shown.errors.clear();
        EXPECT_FALSE(ReadDeckFile(name, content)) << name.toStdString();
        const bool missing = name.isEmpty() || name.endsWith("missing");
        EXPECT_EQ(sink.shown.errors,
            missing ? std::vector<std::string> {} : std::vector<std::string> { CannotRead });
    }
}

// A valid file with no shuffles deals from entry 52 down to entry 1, and only
// the file's valid entries however many cards the deck includes; a refused file
// afterwards leaves the deck on its own cards and shuffle count.
TEST_F(DeckFileTest, ACustomDeckDealsTheFilesValidEntriesAndARefusedFileLeavesNoTrace)
{
    TDeckFileBuilder file;
    for (int i = 0; i < 52; ++i)
        file.SetCard(i, 53 - i); // ace of hearts first, two of clubs last
    deck.SetShuffleCount(7);
    deck.SetCustomDeckFileName(Write(file.bytes, "a.zvd"));
    deck.SetCustomDeck(true);
    ASSERT_TRUE(deck.CustomDeck());
    EXPECT_EQ(deck.ShuffleCount(), 0);
    deck.PrepareDeck();
    std::vector<int> dealt = TakeAll();
    ASSERT_EQ(dealt.size(), 52u);
    EXPECT_EQ(dealt.front(), 2) << "entry 52 first";
    EXPECT_EQ(dealt.back(), 53) << "entry 1 last";

    deck.SetCustomDeckFileName(Write(file.Cards(10).bytes, "ten.zvd"));
    deck.SetCustomDeck(true);
    deck.PrepareDeck();
    dealt = TakeAll();
    EXPECT_EQ(dealt, (std::vector<int> { 44, 45, 46, 47, 48, 49, 50, 51, 52, 53 }));

    deck.SetCustomDeckFileName(Write(file.Version(3).bytes, "bad.zvd"));
    deck.SetCustomDeck(true);
    EXPECT_FALSE(deck.CustomDeck());
    EXPECT_EQ(deck.ShuffleCount(), 7) << "the deck's own count is back";
    EXPECT_EQ(sink.shown.errors, std::vector<std::string> { ZuDeckFile::WrongVersion });
    deck.SetShuffleCount(0);
    deck.PrepareDeck();
    std::vector<int> included;
    deck.IncludedCards().FillList(included);
    dealt = TakeAll();
    EXPECT_EQ(std::vector<int>(dealt.rbegin(), dealt.rend()), included)
        << "the included cards, not the old file's";
}
