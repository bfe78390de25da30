// A long name wherever the window shows one: whole, or cut at its end with
// the whole name in a tooltip. The names come through "Promena imena".
#include "tests/ui/main_window_fixture.h"

#include "ui/dialogs/rename_dialog.h"
#include "ui/score_grid/score_grid.h"
#include "ui/score_grid/score_grid_painter.h"
#include "ui/window/score_panel.h"

#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>

namespace {

const QString kLong = QStringLiteral("Aleksandar Veliki-Petrovic");
const QString kEllipsis = QString(QChar(0x2026));

// Whole, or cut at its end where the tooltip holds the whole text.
void ExpectWholeOrCut(const QString& shown, const QString& tooltip, const QString& whole)
{
    if (shown == whole) {
        EXPECT_TRUE(tooltip.isEmpty()) << tooltip.toStdString();
        return;
    }
    EXPECT_TRUE(shown.endsWith(kEllipsis)) << shown.toStdString();
    EXPECT_TRUE(whole.startsWith(shown.chopped(1))) << shown.toStdString();
    EXPECT_EQ(tooltip, whole);
}

// The tooltip Qt shows when the mouse rests on the middle of a grid cell;
// empty when the cell shows none.
QString CellTooltip(TPubStrGrid* grid, int column, int row)
{
    const QPoint at = grid->visualRect(grid->model()->index(row, column)).center();
    QHelpEvent event(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &event);
    // Accepted only where a tooltip was shown for the cell.
    return event.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST_F(MainWindowTest, LongNamesShowWholeOrCutAtTheirEndWithTheWholeNameInATooltip)
{
    TForm1& w = Make();
    // Thirty letters with diacritics, as long as a name may be.
    const QString thirty = QString::fromUtf8("Đorđe Šćepanović Žarković Čiča");
    ASSERT_EQ(thirty.size(), 30);
    const QString names[] = { QString::fromUtf8("Bojana Đokić"), thirty, kLong + " Drugi", thirty };
    const char* edits[] = { "EditSouth", "EditWest", "EditNorth", "EditEast" };
    ASSERT_TRUE(WithModal<TFPromenaImena>([&] { w.Promenaimena1Click(); },
        [&](TFPromenaImena& d) {
            for (int seat = SeatS; seat <= SeatE; ++seat)
                d.findChild<QLineEdit*>(edits[seat])->setText(names[seat]);
            d.findChild<QPushButton*>("ButtonAccept")->click();
        }));
    // A match whose first player is a computer, its start declined.
    sink.shown.confirmReply = false;
    for (std::uint64_t seed = 1; Controller().CurrentPlayer() == w.PlayerS && seed < 50; ++seed) {
        FixRandomSeed(seed);
        w.New1Click();
    }
    const int onTurn = Controller().SeatOf(Controller().CurrentPlayer());
    ASSERT_NE(onTurn, SeatS);

    QLabel* status = w.StatusPanel(1);
    const QString turn = QStringLiteral("Na potezu: ") + names[onTurn];
    ExpectWholeOrCut(status->text(), status->toolTip(), turn);
    EXPECT_NE(status->text(), turn) << "too long for its panel";
    EXPECT_EQ(status->accessibleName(), turn) << "read whole";
    EXPECT_LE(
        status->fontMetrics().horizontalAdvance(status->text()), status->contentsRect().width());

    // The seats' labels stay on the table.
    const int tableWidth = TForm1::ClientWidth;
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        QLabel* label = Controller().Seat(seat)->PlayerNameLabel();
        ExpectWholeOrCut(label->text(), label->toolTip(), names[seat]);
        EXPECT_TRUE(label->accessibleName().endsWith(names[seat])) << "read whole: " << seat;
        EXPECT_GE(label->x(), 0) << seat;
        EXPECT_LE(label->geometry().right(), tableWidth) << seat;
    }

    // The score grid's name column: the painter draws the cut text, the
    // tooltip shows the whole.
    TPubStrGrid* grid = w.ScorePanel(Controller().ActiveScoreGrid())->Grid();
    int rows = 0;
    for (int row = 1; row < grid->RowCount(); ++row) {
        const QString name = grid->Cells(0, row);
        if (name.isEmpty()) continue;
        ++rows;
        const QString shown = TGridCellPainter::ShownText(name, grid->font(), grid->ColWidths(0));
        EXPECT_LE(grid->fontMetrics().horizontalAdvance(shown), grid->ColWidths(0) - 2);
        ExpectWholeOrCut(shown, CellTooltip(grid, 0, row), name);
    }
    EXPECT_EQ(rows, 4);
    for (int column = 1; column < grid->ColCount(); ++column)
        EXPECT_EQ(CellTooltip(grid, column, 0), QString()) << "a header that fits: " << column;

    // A wider window widens the names' column: the long names show whole.
    const int narrow = grid->ColWidths(0);
    w.show();
    w.resize(1900, 700);
    QApplication::processEvents();
    w.SettleTableScale();
    EXPECT_GT(grid->ColWidths(0), narrow);
    for (int row = 1; row < grid->RowCount(); ++row) {
        const QString name = grid->Cells(0, row);
        EXPECT_EQ(TGridCellPainter::ShownText(name, grid->font(), grid->ColWidths(0)), name)
            << name.toStdString();
    }
    const QRect table = w.Talon1->parentWidget()->rect();
    EXPECT_TRUE(table.contains(w.ScorePanel(Controller().ActiveScoreGrid())->geometry()));
}

} // namespace
