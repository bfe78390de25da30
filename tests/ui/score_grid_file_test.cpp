#include "tests/ui/score_grid_fixture.h"
#include "ui/score_grid/score_grid.h"

#include "tests/support/recording_sink.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

class GridFileTest : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static void Write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QTemporaryDir dir;
    TScopedRecordingSink sink;
};

TEST_F(GridFileTest, WritesTheDocumentedLayout)
{
    TPubStrGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetCells(2, 1, "7");
    grid.SetCells(0, 2, "row header, never stored");
    ASSERT_TRUE(grid.SaveToFile(Path("score.txt")));
    EXPECT_EQ(
        Read(Path("score.txt")), QByteArray("|\r\n3|3\r\n21\r\n\r\n\r\nTop\r\n2|1|7\r\n\r\n"));

    grid.SetRowHeights(2, 30);
    grid.SetColWidths(1, 40);
    ASSERT_TRUE(grid.SaveToFile(Path("sized.txt")));
    EXPECT_EQ(Read(Path("sized.txt")),
        QByteArray("|\r\n3|3\r\n21\r\n\r\n\r\nTop\r\nRow 2 Height: 30\r\nColumn 1 Width: 40\r\n"
                   "2|1|7\r\n\r\n"));
}

// Texts with the delimiter, line breaks and escape characters read back
// exactly, whatever the delimiter.
TEST_F(GridFileTest, RoundTripKeepsEveryText)
{
    const QString awkward[] = { "a|b|c", "two\nlines", "cr\r\nlf", "back\\slash\\", "\\d\\n",
        "řádek; n", "", "tab\there" };
    for (QChar delimiter : { QChar('|'), QChar(';'), QChar('n'), QChar('\\') }) {
        SCOPED_TRACE(QString(delimiter).toStdString());
        TPubStrGrid saved;
        saved.SetColCount(5);
        saved.SetRowCount(4);
        saved.SetDefaultRowHeight(18);
        saved.SetCellDelimiter(delimiter);
        saved.SetCaption1("Caption | one\nwith a break");
        saved.SetCaption2("second \\ caption");
        saved.SetCaption2Placement(cpBottom);
        saved.SetRowHeights(3, 40);
        saved.SetColWidths(4, 99);
        int i = 0;
        for (int r = 0; r < 4; ++r)
            for (int c = 1; c < 5; ++c)
                saved.SetCells(c, r, awkward[i++ % std::size(awkward)]);
        ASSERT_TRUE(saved.SaveToFile(Path("round.txt")));

        TPubStrGrid loaded;
        FillSample(loaded); // replaced entirely, column 0 aside
        loaded.SetHRow({});
        ASSERT_TRUE(loaded.LoadFromFile(Path("round.txt")));
        EXPECT_EQ(Describe(loaded), Describe(saved));
    }
    EXPECT_TRUE(sink.shown.errors.empty());
}

TEST_F(GridFileTest, BackupKeepsTheFirstOldFile)
{
    TPubStrGrid grid;
    const QString path = Path("score.txt"), backup = Path("score.txtBAK");
    for (const char* text : { "1", "2", "3" }) {
        grid.SetCells(1, 1, text);
        ASSERT_TRUE(grid.SaveToFile(path));
    }
    EXPECT_TRUE(Read(path).contains("1|1|3\r\n"));
    EXPECT_TRUE(Read(backup).contains("1|1|1\r\n")); // a backup already there stays
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file left";

    grid.SetAutoBackup(false);
    ASSERT_TRUE(grid.SaveToFile(Path("plain.txt")));
    ASSERT_TRUE(grid.SaveToFile(Path("plain.txt")));
    EXPECT_FALSE(QFile::exists(Path("plain.txtBAK")));
}

TEST_F(GridFileTest, FailedSaveReportsAndKeepsTheOldFile)
{
    TPubStrGrid grid;
    QDir(dir.path()).mkdir("folder");
    EXPECT_FALSE(grid.SaveToFile(Path("folder")));
    EXPECT_FALSE(grid.SaveToFile(Path("missing/score.txt")));
    EXPECT_TRUE(QFileInfo(Path("folder")).isDir());
    EXPECT_FALSE(QFile::exists(Path("folderBAK")));
    ASSERT_EQ(sink.shown.errors.size(), 2u);
    EXPECT_NE(sink.shown.errors[1].find("missing"), std::string::npos);
}

// Whatever is wrong with a file, it is refused as a whole with one message
// naming it, and the table stays exactly as it was.
TEST_F(GridFileTest, BadFilesLeaveTheGridUnchanged)
{
    const QByteArray valid = "|\r\n3|4\r\n21\r\nC1\r\nC2\r\nTop\r\n1|1|x\r\n3|2|y\r\n\r\n";
    static const char binary[] = "|\r\n3|4\r\n21\r\n\0\r\n\r\nTop\r\n\r\n"; // the NUL inside
    std::vector<std::pair<const char*, QByteArray>> bad = {
        { "foreign text", "hello world\r\nthis is not a table\r\n\r\n" },
        { "binary", QByteArray(binary, sizeof binary - 1) },
        { "a million rows", "|\r\n1000000|4\r\n21\r\n\r\n\r\nTop\r\n\r\n" },
        { "too many columns", "|\r\n3|300\r\n21\r\n\r\n\r\nTop\r\n\r\n" },
        { "line too long", "|\r\n3|4\r\n21\r\n" + QByteArray(70000, 'x') + "\r\n\r\nTop\r\n\r\n" },
        { "cell outside the table", "|\r\n3|4\r\n21\r\n\r\n\r\nTop\r\n4|1|x\r\n\r\n" },
        { "cell in column 0", "|\r\n3|4\r\n21\r\n\r\n\r\nTop\r\n0|1|x\r\n\r\n" },
        { "row size outside", "|\r\n3|4\r\n21\r\n\r\n\r\nTop\r\nRow 3 Height: 9\r\n\r\n" },
        { "not a number", "|\r\n3|x\r\n21\r\n\r\n\r\nTop\r\n\r\n" },
        { "negative height", "|\r\n3|4\r\n-5\r\n\r\n\r\nTop\r\n\r\n" },
        { "broken escape", "|\r\n3|4\r\n21\r\n\r\n\r\nTop\r\n1|1|a\\q\r\n\r\n" },
        { "digit delimiter", "5\r\n354\r\n21\r\n\r\n\r\nTop\r\n\r\n" },
        { "not UTF-8", "|\r\n3|4\r\n21\r\n\xff\xfe\r\n\r\nTop\r\n\r\n" },
        { "unknown placement", "|\r\n3|4\r\n21\r\n\r\n\r\nLeft\r\n\r\n" },
        { "stray line", "|\r\n3|4\r\n21\r\n\r\n\r\nTop\r\nhello\r\n\r\n" },
    };
    for (qsizetype cut = 0; cut < valid.size(); ++cut)
        bad.push_back({ "cut short", valid.left(cut) });

    TPubStrGrid grid;
    FillSample(grid);
    const std::string before = Describe(grid);
    const QString path = Path("bad.txt");
    for (const auto& [what, bytes] : bad) {
        SCOPED_TRACE(std::string(what) + ": " + bytes.left(40).toStdString());
        Write(path, bytes);
        sink.shown.errors.clear();
        EXPECT_FALSE(grid.LoadFromFile(path));
        EXPECT_EQ(Describe(grid), before);
        ASSERT_EQ(sink.shown.errors.size(), 1u);
        EXPECT_NE(sink.shown.errors[0].find("bad.txt"), std::string::npos);
    }
    Write(path, valid);
    EXPECT_TRUE(grid.LoadFromFile(path));
    EXPECT_EQ(grid.Cells(3, 2), "y");
}

TEST_F(GridFileTest, HugeFileIsRefusedUnread)
{
    QFile file(Path("huge.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("|\r\n3|4\r\n");
    ASSERT_TRUE(file.resize(qint64(65) << 20)); // sparse: no disk spent
    file.close();
    TPubStrGrid grid;
    const std::string before = Describe(grid);
    EXPECT_FALSE(grid.LoadFromFile(Path("huge.txt")));
    EXPECT_EQ(Describe(grid), before);
    EXPECT_EQ(sink.shown.errors.size(), 1u);
}

TEST_F(GridFileTest, MissingFileIsNoError)
{
    TPubStrGrid grid;
    FillSample(grid);
    const std::string before = Describe(grid);
    EXPECT_TRUE(grid.LoadFromFile(Path("none.txt")));
    EXPECT_EQ(Describe(grid), before);
    EXPECT_TRUE(sink.shown.errors.empty());
}

TEST_F(GridFileTest, DelimiterRefusesDigitsBlanksAndBreaks)
{
    TPubStrGrid grid;
    for (QChar d : { QChar('0'), QChar('7'), QChar(' '), QChar('\t'), QChar('\n'), QChar('\r') }) {
        grid.SetCellDelimiter(d);
        EXPECT_EQ(grid.CellDelimiter(), QChar('|')) << int(d.unicode());
    }
    grid.SetCellDelimiter(';');
    EXPECT_EQ(grid.CellDelimiter(), QChar(';'));
}

// The file name loads at once; the destructor saves to it, and a save that
// fails there is reported, never thrown.
TEST_F(GridFileTest, FileNameLoadsAndDestructorSaves)
{
    auto grid = std::make_unique<TPubStrGrid>();
    grid->SetFileName(Path("auto.txt"));
    FillSample(*grid);
    const std::string saved = Describe(*grid);
    grid.reset();
    ASSERT_TRUE(QFile::exists(Path("auto.txt")));

    grid = std::make_unique<TPubStrGrid>();
    grid->SetHRow({ "Pera", "Mika" }); // row headers are the program's, not the file's
    grid->SetFileName(Path("auto.txt"));
    EXPECT_EQ(Describe(*grid), saved);

    grid->SetFileName(Path("missing/auto.txt"));
    EXPECT_NO_THROW(grid.reset());
    EXPECT_EQ(sink.shown.errors.size(), 1u);
}

} // namespace
