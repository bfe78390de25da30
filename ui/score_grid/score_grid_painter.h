#pragma once

#include <QStyledItemDelegate>

class TPubStrGrid;

// Draws the cells of a TPubStrGrid: asks the grid's hooks for colours and
// alignment, centres the text vertically and adds the raised-cell lines.
class TGridCellPainter : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TGridCellPainter(TPubStrGrid* grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;

private:
    void DrawText(QPainter* painter, const QRect& rect, const QModelIndex& index,
        const struct TGridFont& font) const;

    TPubStrGrid* FGrid;
};
