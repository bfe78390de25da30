#include "ui/score_grid/score_grid.h"

#include "ui/score_grid/score_grid_painter.h"

#include "platform/message_sink.h"

#include <QHeaderView>

namespace {

constexpr Qt::ItemFlags FixedFlags = Qt::NoItemFlags;
constexpr Qt::ItemFlags CellFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;

} // namespace

void TPubStrGrid::Report(const char* what) noexcept
{
    try {
        MessageSink().Error(what);
    } catch (...) {
        // Nothing is left to tell the person with.
    }
}

TPubStrGrid::TPubStrGrid(QWidget* parent)
    : QTableWidget(5, 5, parent)
    , FColor(palette().color(QPalette::Base))
    , FFixedColor(palette().color(QPalette::Button))
{
    // The fixed row and column are cells of the table; Qt's own headers stay hidden.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    SetDefaultColWidth(64);
    SetDefaultRowHeight(21);
    setItemDelegate(new TGridCellPainter(this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(true);
    ApplyEditTriggers();
    MarkFixedCells();
}

TPubStrGrid::~TPubStrGrid()
{
    if (!FAutoSave || FFileName.isEmpty()) return;
    // A destructor must not throw: whatever goes wrong is reported instead.
    try {
        SaveToFile(FFileName);
    } catch (const std::exception& e) {
        Report(e.what());
    } catch (...) {
        Report("Unable to save the table.");
    }
}

void TPubStrGrid::SetRowCount(int n)
{
    if (n < 0 || n > MaxRows || n == RowCount()) return;
    CloseEditor();
    setRowCount(n);
    MarkFixedCells();
}

void TPubStrGrid::SetColCount(int n)
{
    if (n < 0 || n > MaxCols || n == ColCount()) return;
    CloseEditor();
    setColumnCount(n);
    MarkFixedCells();
}

void TPubStrGrid::SetDefaultRowHeight(int h)
{
    if (h < 0) return;
    FDefaultRowHeight = h;
    verticalHeader()->setDefaultSectionSize(h);
    for (int r = 0; r < RowCount(); ++r)
        setRowHeight(r, h);
}

void TPubStrGrid::SetDefaultColWidth(int w)
{
    if (w < 0) return;
    FDefaultColWidth = w;
    horizontalHeader()->setDefaultSectionSize(w);
    for (int c = 0; c < ColCount(); ++c)
        setColumnWidth(c, w);
}

void TPubStrGrid::SetRowHeights(int row, int h)
{
    if (row >= 0 && row < RowCount() && h >= 0) setRowHeight(row, h);
}

void TPubStrGrid::SetColWidths(int col, int w)
{
    if (col >= 0 && col < ColCount() && w >= 0) setColumnWidth(col, w);
}

QString TPubStrGrid::Cells(int col, int row) const
{
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

void TPubStrGrid::SetCells(int col, int row, const QString& text)
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return;
    if (QTableWidgetItem* cell = item(row, col))
        cell->setText(text);
    else
        ItemFor(col, row, text);
}

void TPubStrGrid::SetCellIfChanged(int col, int row, const QString& text)
{
    if (Cells(col, row) != text) SetCells(col, row, text);
}

// A new item takes its text at once: one change, one repaint.
QTableWidgetItem* TPubStrGrid::ItemFor(int col, int row, const QString& text)
{
    if (QTableWidgetItem* cell = item(row, col)) return cell;
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(IsFixed(col, row) ? FixedFlags : CellFlags);
    setItem(row, col, cell);
    return cell;
}

// Header cells can be neither edited, selected nor made current. A cell
// without an item would take the model's default flags, so every header cell
// has one; rows that move in or out of row 0 change their flags.
void TPubStrGrid::MarkFixedCells()
{
    for (int r = 0; r < RowCount(); ++r) {
        ItemFor(0, r)->setFlags(FixedFlags);
        if (QTableWidgetItem* cell = item(r, 1); cell && r > 0) cell->setFlags(CellFlags);
    }
    for (int c = 0; c < ColCount(); ++c) {
        ItemFor(c, 0)->setFlags(FixedFlags);
        if (QTableWidgetItem* cell = item(1, c); cell && c > 0) cell->setFlags(CellFlags);
    }
}

void TPubStrGrid::InsertRow(int row)
{
    if (row < 0 || row > RowCount() || RowCount() >= MaxRows) return;
    CloseEditor();
    insertRow(row);
    setRowHeight(row, FDefaultRowHeight);
    MarkFixedCells();
}

void TPubStrGrid::DeleteRow(int row)
{
    if (row < 0 || row >= RowCount()) return;
    CloseEditor();
    removeRow(row);
    MarkFixedCells();
}

void TPubStrGrid::CloseEditor()
{
    if (state() != QAbstractItemView::EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TPubStrGrid::ClearSelection()
{
    clearSelection();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    viewport()->update();
}

void TPubStrGrid::RepaintNow()
{
    viewport()->repaint();
}

void TPubStrGrid::SetColor(const QColor& c)
{
    FColor = c;
    viewport()->update();
}

void TPubStrGrid::SetFixedColor(const QColor& c)
{
    FFixedColor = c;
    viewport()->update();
}

void TPubStrGrid::SetDefaultDrawing(bool b)
{
    FDefaultDrawing = b;
    viewport()->update();
}

void TPubStrGrid::SetCellDelimiter(QChar d)
{
    if (ValidDelimiter(d)) FCellDelimiter = d;
}

void TPubStrGrid::SetFileName(const QString& name)
{
    FFileName = name;
    if (!name.isEmpty()) LoadFromFile(name);
}

void TPubStrGrid::Loaded()
{
    if (!FFileName.isEmpty()) LoadFromFile(FFileName);
    ApplyHCol();
    ApplyHRow();
}

void TPubStrGrid::SetHCol(const QStringList& list)
{
    FHCol = list;
    ApplyHCol();
    viewport()->update();
}

void TPubStrGrid::SetHRow(const QStringList& list)
{
    FHRow = list;
    ApplyHRow();
    viewport()->update();
}

void TPubStrGrid::ApplyHCol()
{
    for (int i = 0; i < ColCount(); ++i)
        SetCellIfChanged(i, 0, i < FHCol.size() ? FHCol[i] : QString());
}

void TPubStrGrid::ApplyHRow()
{
    for (int i = 0; i + 1 < RowCount(); ++i)
        SetCellIfChanged(0, i + 1, i < FHRow.size() ? FHRow[i] : QString());
}

void TPubStrGrid::SetGrid3D(bool b)
{
    if (b == FGrid3D) return;
    FGrid3D = b;
    viewport()->update();
}

void TPubStrGrid::SetAlignment(TAlignment a)
{
    if (a == FAlignment) return;
    FAlignment = a;
    viewport()->update();
}

TGridDrawState TPubStrGrid::CellState(const QModelIndex& index) const
{
    TGridDrawState state = 0;
    if (IsFixed(index.column(), index.row())) state |= gdFixed;
    if (selectionModel()->isSelected(index)) state |= gdSelected;
    if (index == currentIndex() && hasFocus()) state |= gdFocused;
    return state;
}
