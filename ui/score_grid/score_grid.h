#pragma once

#include "ui/score_grid/score_grid_limits.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTableWidget>

#include <functional>

class TPubStrGrid;
struct TGridFileData;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// The state a cell is drawn in; flags combine.
using TGridDrawState = unsigned;
constexpr TGridDrawState gdSelected = 1;
constexpr TGridDrawState gdFocused = 2;
constexpr TGridDrawState gdFixed = 4;

// A font together with the colour its text is drawn in.
struct TGridFont {
    QFont Font;
    QColor Color;
};

using TGridColorEvent = std::function<void(TPubStrGrid* sender, int ARow, int ACol,
    TGridDrawState AState, QBrush& ABrush, TGridFont& AFont)>;
using TGridAlignEvent
    = std::function<void(TPubStrGrid* sender, int ARow, int ACol, TAlignment& AAlignment)>;

// A table of text cells whose first row and first column are fixed headers.
// Cells are addressed (column, row) and every cell, the headers included, is
// a real cell of the table. Beyond a plain table it has colour and alignment
// hooks, vertically centred text, a raised-cell look, header texts from two
// lists, keys to append, insert and delete rows, and a text file format.
//
// Nothing here throws out of an event handler or the destructor: file
// failures are reported through MessageSink() and leave the grid unchanged.
class TPubStrGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int MaxRows = GridMaxRows;
    static constexpr int MaxCols = GridMaxCols;

    explicit TPubStrGrid(QWidget* parent = nullptr);
    ~TPubStrGrid() override;

    // Size of the table, fixed row and column included.
    int RowCount() const { return rowCount(); }
    void SetRowCount(int n);
    int ColCount() const { return columnCount(); }
    void SetColCount(int n);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int h); // every row takes it
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int w); // every column takes it
    int RowHeights(int row) const { return rowHeight(row); }
    void SetRowHeights(int row, int h);
    int ColWidths(int col) const { return columnWidth(col); }
    void SetColWidths(int col, int w);

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    // Writes only when the text differs, so an unchanged cell is not repainted.
    void SetCellIfChanged(int col, int row, const QString& text);

    // The current cell.
    int Row() const { return currentRow(); }
    int Col() const { return currentColumn(); }

    void InsertRow(int row);
    void DeleteRow(int row);
    // Moves a whole row or column, its header cell included.
    void MoveRow(int from, int to);
    void MoveColumn(int from, int to);
    void AppendRow() { SetRowCount(RowCount() + 1); }

    // No cell shows selected and there is no current cell.
    void ClearSelection();
    // Copies the whole table to the screen now rather than at the next paint.
    void RepaintNow();

    // Read-only tables (the game's score tables) cannot be edited, take no
    // keyboard focus and ignore the row keys.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool b);

    // Colours: Color for ordinary cells, FixedColor for the header row and column.
    QColor Color() const { return FColor; }
    void SetColor(const QColor& c);
    QColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(const QColor& c);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool b);
    bool GridLines() const { return showGrid(); }
    void SetGridLines(bool b) { setShowGrid(b); }

    bool AutoBackup() const { return FAutoBackup; }
    void SetAutoBackup(bool b) { FAutoBackup = b; }
    QChar CellDelimiter() const { return FCellDelimiter; }
    // Digits, blanks, line breaks and other control characters are refused.
    void SetCellDelimiter(QChar d);
    static bool ValidDelimiter(QChar d) { return ValidGridDelimiter(d); }
    QString FileName() const { return FFileName; }
    // Stores the name and loads the file when the name is not empty.
    void SetFileName(const QString& name);
    QString Caption1() const { return FCaption1; }
    void SetCaption1(const QString& s) { FCaption1 = s; }
    QString Caption2() const { return FCaption2; }
    void SetCaption2(const QString& s) { FCaption2 = s; }
    TCaption2Placement Caption2Placement() const { return FCaption2Placement; }
    void SetCaption2Placement(TCaption2Placement p) { FCaption2Placement = p; }
    bool AutoSave() const { return FAutoSave; }
    void SetAutoSave(bool b) { FAutoSave = b; }
    const QStringList& HCol() const { return FHCol; }
    void SetHCol(const QStringList& list);
    const QStringList& HRow() const { return FHRow; }
    void SetHRow(const QStringList& list);
    bool Grid3D() const { return FGrid3D; }
    void SetGrid3D(bool b);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment a);

    // Saves the whole table; returns false after reporting the failure.
    bool SaveToFile(const QString& name);
    // Loads a table file; a missing file is no error. A file that is not a
    // complete, valid table file is refused as a whole and reported.
    bool LoadFromFile(const QString& name);
    // What a form does once its controls are set up: load the file, then
    // write both header lists.
    void Loaded();

    TGridColorEvent OnGetCellColor;
    TGridAlignEvent OnGetAlignment;

    // Drawing, used by the cell painter.
    TGridDrawState CellState(const QModelIndex& index) const;
    static bool IsFixed(int col, int row) { return col == 0 || row == 0; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // For destructors and event handlers, which must not throw.
    static void Report(const char* what) noexcept;
    void HandleRowKeys(QKeyEvent* event);
    void ApplyHCol();
    void ApplyHRow();
    void MarkFixedCells();
    QTableWidgetItem* ItemFor(int col, int row, const QString& text = QString());
    void CloseEditor();
    void ApplyEditTriggers();
    // A drag on the header row or column: sizing at a cell's far edge,
    // moving elsewhere.
    struct TDrag {
        enum { dkNone, dkRowSize, dkColSize, dkRowMove, dkColMove } kind = dkNone;
        int index = -1;
        int start = 0; // mouse position along the dragged direction
        int size = 0; // size of the row or column when the drag started
    };
    TDrag DragAt(QPoint pos) const;
    TGridFileData Snapshot() const;
    void Apply(const TGridFileData& data);

    int FDefaultRowHeight = 21;
    int FDefaultColWidth = 64;
    bool FReadOnly = false;
    QColor FColor;
    QColor FFixedColor;
    bool FDefaultDrawing = true;
    bool FAutoBackup = true;
    QChar FCellDelimiter = QLatin1Char('|');
    QString FFileName;
    QString FCaption1;
    QString FCaption2;
    TCaption2Placement FCaption2Placement = cpTop;
    bool FAutoSave = true;
    QStringList FHCol;
    QStringList FHRow;
    bool FGrid3D = false;
    TAlignment FAlignment = taLeftJustify;
    TDrag FDrag;
};
