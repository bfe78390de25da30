// Sizing and moving rows and columns with the mouse on the header row and
// column, as far as the grid is not read-only.

#include "ui/score_grid/score_grid.h"

#include <QMouseEvent>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// How close to a cell's far edge a press starts sizing.
constexpr int EdgeGrip = 3;

} // namespace

TPubStrGrid::TDrag TPubStrGrid::DragAt(QPoint pos) const
{
    const int row = rowAt(pos.y()), col = columnAt(pos.x());
    if (row < 0 || col < 0 || !IsFixed(col, row)) return {};
    const int right = columnViewportPosition(col) + columnWidth(col);
    const int bottom = rowViewportPosition(row) + rowHeight(row);
    if (row == 0 && right - pos.x() <= EdgeGrip)
        return { TDrag::dkColSize, col, pos.x(), columnWidth(col) };
    if (col == 0 && bottom - pos.y() <= EdgeGrip)
        return { TDrag::dkRowSize, row, pos.y(), rowHeight(row) };
    if (col == 0 && row > 0) return { TDrag::dkRowMove, row, pos.y(), 0 };
    if (row == 0 && col > 0) return { TDrag::dkColMove, col, pos.x(), 0 };
    return {};
}

void TPubStrGrid::mousePressEvent(QMouseEvent* event)
{
    FDrag = FReadOnly || event->button() != Qt::LeftButton ? TDrag {} : DragAt(event->pos());
    if (FDrag.kind == TDrag::dkNone) return QTableWidget::mousePressEvent(event);
    CloseEditor();
    viewport()->setCursor(FDrag.kind == TDrag::dkRowSize ? Qt::SplitVCursor
            : FDrag.kind == TDrag::dkColSize             ? Qt::SplitHCursor
                                                         : Qt::ClosedHandCursor);
    event->accept();
}

void TPubStrGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->pos();
    switch (FDrag.kind) {
    case TDrag::dkNone:
        return QTableWidget::mouseMoveEvent(event);
    case TDrag::dkRowSize:
        SetRowHeights(FDrag.index, std::max(0, FDrag.size + pos.y() - FDrag.start));
        break;
    case TDrag::dkColSize:
        SetColWidths(FDrag.index, std::max(0, FDrag.size + pos.x() - FDrag.start));
        break;
    default:
        break; // a move takes effect where the button is released
    }
    event->accept();
}

void TPubStrGrid::mouseReleaseEvent(QMouseEvent* event)
{
    const TDrag drag = std::exchange(FDrag, TDrag {});
    if (drag.kind == TDrag::dkNone) return QTableWidget::mouseReleaseEvent(event);
    viewport()->unsetCursor();
    if (drag.kind == TDrag::dkRowMove) MoveRow(drag.index, rowAt(event->pos().y()));
    if (drag.kind == TDrag::dkColMove) MoveColumn(drag.index, columnAt(event->pos().x()));
    event->accept();
}

// The header row and column stay where they are: only rows and columns from
// 1 on move, and only to places from 1 on.
void TPubStrGrid::MoveRow(int from, int to)
{
    if (from < 1 || to < 1 || from >= RowCount() || to >= RowCount() || from == to) return;
    CloseEditor();
    std::vector<QTableWidgetItem*> items;
    for (int c = 0; c < ColCount(); ++c)
        items.push_back(takeItem(from, c));
    const int height = rowHeight(from);
    removeRow(from);
    insertRow(to);
    for (int c = 0; c < ColCount(); ++c)
        if (items[c]) setItem(to, c, items[c]);
    setRowHeight(to, height);
    MarkFixedCells();
}

void TPubStrGrid::MoveColumn(int from, int to)
{
    if (from < 1 || to < 1 || from >= ColCount() || to >= ColCount() || from == to) return;
    CloseEditor();
    std::vector<QTableWidgetItem*> items;
    for (int r = 0; r < RowCount(); ++r)
        items.push_back(takeItem(r, from));
    const int width = columnWidth(from);
    removeColumn(from);
    insertColumn(to);
    for (int r = 0; r < RowCount(); ++r)
        if (items[r]) setItem(r, to, items[r]);
    setColumnWidth(to, width);
    MarkFixedCells();
}
