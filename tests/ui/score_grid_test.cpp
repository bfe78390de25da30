#include "tests/ui/score_grid_fixture.h"
#include "ui/score_grid/score_grid.h"

#include "tests/support/recording_sink.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

const char* const Question = "Jste si jist vymazaním tohoto řádku ?";

void Press(TPubStrGrid& grid, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&grid, &event);
}

// A 4 × 4 table whose column 1 holds "r1".."r3", current cell (1, row).
void Prepare(TPubStrGrid& grid, int rows, int row)
{
    grid.SetColCount(4);
    grid.SetRowCount(rows);
    for (int r = 1; r < rows; ++r)
        grid.SetCells(1, r, QStringLiteral("r%1").arg(r));
    grid.setCurrentCell(row, 1);
}

// Whether asking to edit the cell opens an editor on it.
bool Edits(TPubStrGrid& grid, int col, int row)
{
    grid.editItem(grid.item(row, col));
    return grid.indexWidget(grid.model()->index(row, col)) != nullptr;
}

QStringList Column1(const TPubStrGrid& grid)
{
    QStringList cells;
    for (int r = 1; r < grid.RowCount(); ++r)
        cells << grid.Cells(1, r);
    return cells;
}

TEST(ScoreGridKeys, RowKeys)
{
    struct TCase {
        const char* what;
        int rows, row;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool reply;
        QStringList after;
        size_t questions;
    };
    const TCase cases[] = {
        { "Down on the last row appends", 4, 3, Qt::Key_Down, {}, true, { "r1", "r2", "r3", "" },
            0 },
        { "Down elsewhere only moves", 4, 2, Qt::Key_Down, {}, true, { "r1", "r2", "r3" }, 0 },
        { "Insert", 4, 2, Qt::Key_Insert, {}, true, { "r1", "", "r2", "r3" }, 0 },
        { "Ctrl+Delete, yes", 4, 2, Qt::Key_Delete, Qt::ControlModifier, true, { "r1", "r3" }, 1 },
        { "Ctrl+Delete, no", 4, 2, Qt::Key_Delete, Qt::ControlModifier, false, { "r1", "r2", "r3" },
            1 },
        { "Ctrl+Delete on two rows", 2, 1, Qt::Key_Delete, Qt::ControlModifier, true, { "r1" }, 0 },
        { "Delete alone", 4, 2, Qt::Key_Delete, {}, true, { "r1", "r2", "r3" }, 0 },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        TScopedRecordingSink sink;
        sink.shown.confirmReply = c.reply;
        TPubStrGrid grid;
        Prepare(grid, c.rows, c.row);
        Press(grid, c.key, c.modifiers);
        EXPECT_EQ(Column1(grid), c.after);
        ASSERT_EQ(sink.shown.confirmations.size(), c.questions);
        if (c.questions) {
            EXPECT_EQ(sink.shown.confirmations[0], Question);
        }
    }
}

TEST(ScoreGridKeys, DownMovesIntoTheAppendedRow)
{
    TPubStrGrid grid;
    Prepare(grid, 4, 3);
    Press(grid, Qt::Key_Down);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Row(), 4);
}

// The score tables: nothing typed, pressed or clicked changes them.
TEST(ScoreGridReadOnly, IgnoresKeysAndTakesNoFocus)
{
    TScopedRecordingSink sink;
    TPubStrGrid grid;
    Prepare(grid, 4, 3);
    grid.SetReadOnly(true);
    EXPECT_EQ(grid.focusPolicy(), Qt::NoFocus);
    const std::string before = Describe(grid);
    for (auto [key, modifiers] :
        { std::pair { Qt::Key_Down, Qt::KeyboardModifiers() }, { Qt::Key_Insert, {} },
            { Qt::Key_Delete, Qt::ControlModifier }, { Qt::Key_X, {} }, { Qt::Key_Up, {} } })
        Press(grid, key, modifiers);
    EXPECT_EQ(Describe(grid), before);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_TRUE(sink.shown.confirmations.empty());

    EXPECT_FALSE(Edits(grid, 1, 3));
    grid.SetCellIfChanged(1, 3, "9"); // the program still writes
    EXPECT_EQ(grid.Cells(1, 3), "9");

    grid.SetReadOnly(false);
    EXPECT_TRUE(Edits(grid, 1, 3));
}

TEST(ScoreGridCells, HeadersAreNeitherSelectedNorEdited)
{
    TPubStrGrid grid;
    FillSample(grid);
    grid.selectAll();
    EXPECT_FALSE(grid.CellState(grid.model()->index(0, 1)) & gdSelected);
    EXPECT_FALSE(grid.CellState(grid.model()->index(2, 0)) & gdSelected);
    EXPECT_TRUE(grid.CellState(grid.model()->index(1, 1)) & gdSelected);
    EXPECT_FALSE(Edits(grid, 1, 0));

    // Inserting above the first data row keeps the header row a header.
    grid.InsertRow(0);
    EXPECT_EQ(grid.item(1, 0)->flags(), Qt::NoItemFlags);
    EXPECT_TRUE(grid.item(1, 1)->flags() & Qt::ItemIsEditable);

    grid.setCurrentCell(1, 1);
    grid.ClearSelection();
    EXPECT_FALSE(grid.selectionModel()->hasSelection());
    EXPECT_FALSE(grid.currentIndex().isValid());
}

TEST(ScoreGridCells, HeaderListsAndUnchangedWrites)
{
    TPubStrGrid grid; // 5 × 5
    grid.SetHCol({ "", "Poeni", "Table", "Bonus", "Total", "beyond" });
    grid.SetHRow({ "S", "W" });
    EXPECT_EQ(grid.Cells(4, 0), "Total");
    EXPECT_EQ(grid.Cells(0, 2), "W");
    grid.SetCells(0, 4, "old");
    grid.SetHRow({ "S" }); // fewer items empty the rest
    EXPECT_EQ(grid.Cells(0, 1), "S");
    EXPECT_EQ(grid.Cells(0, 2), "");
    EXPECT_EQ(grid.Cells(0, 4), "");

    int changed = 0;
    QObject::connect(grid.model(), &QAbstractItemModel::dataChanged, [&] { ++changed; });
    grid.SetCellIfChanged(1, 1, "5");
    grid.SetCellIfChanged(1, 1, "5");
    grid.SetHCol(grid.HCol());
    EXPECT_EQ(changed, 1);
}

// A press, a move and a release of the left button on the table's surface.
void Drag(TPubStrGrid& grid, QPoint from, QPoint to)
{
    QWidget* surface = grid.viewport();
    QMouseEvent press(QEvent::MouseButtonPress, from, surface->mapToGlobal(from), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, to, surface->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
        Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, to, surface->mapToGlobal(to), Qt::LeftButton,
        Qt::NoButton, Qt::NoModifier);
    for (QMouseEvent* event : { &press, &move, &release })
        QApplication::sendEvent(surface, event);
}

// Rows move by their header cell, columns size by the edge of theirs; a
// read-only table does neither.
TEST(ScoreGridMouse, HeadersMoveRowsAndSizeColumns)
{
    for (bool readOnly : { false, true }) {
        SCOPED_TRACE(readOnly ? "read-only" : "editable");
        TPubStrGrid grid;
        Prepare(grid, 4, 1);
        grid.SetHRow({ "a", "b", "c" });
        grid.SetDefaultColWidth(50);
        grid.SetDefaultRowHeight(20);
        grid.resize(300, 200);
        grid.show();
        grid.SetReadOnly(readOnly);
        const std::string before = Describe(grid);

        Drag(grid, QPoint(10, 3 * 20 + 10), QPoint(10, 1 * 20 + 10)); // row 3 to row 1
        Drag(grid, QPoint(2 * 50 - 2, 10), QPoint(2 * 50 + 28, 10)); // column 1 wider by 30
        if (readOnly) {
            EXPECT_EQ(Describe(grid), before);
            continue;
        }
        EXPECT_EQ(Column1(grid), QStringList({ "r3", "r1", "r2" }));
        EXPECT_EQ(grid.Cells(0, 1), "c") << "the header cell moves with its row";
        EXPECT_EQ(grid.item(1, 0)->flags(), Qt::NoItemFlags);
        EXPECT_EQ(grid.ColWidths(1), 80);
        EXPECT_EQ(grid.ColWidths(2), 50);
    }
}

// Rendered cells: the colour hook's brush and font, the alignment hook, the
// vertically centred text band and the raised lines of Grid3D.
class ScoreGridDrawing : public ::testing::Test {
protected:
    ScoreGridDrawing()
    {
        grid.SetColCount(3);
        grid.SetRowCount(3);
        grid.SetDefaultColWidth(80);
        grid.SetDefaultRowHeight(40);
        grid.SetColor(Qt::white);
        grid.setFrameShape(QFrame::NoFrame);
        grid.resize(240, 120);
        grid.show();
    }

    QImage Cell(int col, int row)
    {
        const QRect rect = grid.visualRect(grid.model()->index(row, col));
        return grid.viewport()->grab(rect).toImage();
    }

    // The bounding box of the pixels of the given colour.
    static QRect Ink(const QImage& image, QColor colour)
    {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour) box |= QRect(x, y, 1, 1);
        return box;
    }

    TPubStrGrid grid;
};

TEST_F(ScoreGridDrawing, HooksDecideColourAndAlignment)
{
    grid.SetCells(1, 1, "WWW");
    grid.OnGetCellColor
        = [](TPubStrGrid*, int row, int col, TGridDrawState, QBrush& brush, TGridFont& font) {
              if (row == 1 && col == 1) brush = QColor(Qt::yellow), font.Color = Qt::blue;
          };
    grid.OnGetAlignment = [](TPubStrGrid*, int, int, TAlignment& a) { a = taRightJustify; };
    const QImage cell = Cell(1, 1);
    EXPECT_EQ(cell.pixelColor(1, cell.height() - 2), QColor(Qt::yellow));
    const QRect text = Ink(cell, Qt::blue);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_GT(text.left(), cell.width() / 2) << "right-aligned";
    EXPECT_LE(cell.width() - 1 - text.right(), 4);
    const int middle = (text.top() + text.bottom()) / 2;
    EXPECT_NEAR(middle, cell.height() / 2, 4) << "centred vertically";
}

TEST_F(ScoreGridDrawing, Grid3DDrawsLightTopAndLeftEdges)
{
    const QColor light = grid.palette().color(QPalette::HighlightedText);
    grid.SetColor(Qt::darkGray);
    auto edge = [&] {
        const QImage cell = Cell(2, 2);
        return std::pair { cell.pixelColor(cell.width() / 2, 0),
            cell.pixelColor(0, cell.height() / 2) };
    };
    EXPECT_NE(edge().first, light);
    grid.SetGrid3D(true);
    EXPECT_EQ(edge(), std::pair(light, light));
    grid.SetGridLines(false);
    EXPECT_NE(edge().first, light);
}

} // namespace
