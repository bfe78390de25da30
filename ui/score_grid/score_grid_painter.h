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
    // A cell whose text is cut shows it whole in a tooltip.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
        const QModelIndex& index) override;

    // The text as a cell `width` pixels wide shows it in `font`: at most its
    // first 255 characters, cut at the end with "…" when it does not fit.
    static QString ShownText(const QString& text, const QFont& font, int width);

private:
    void DrawText(QPainter* painter, const QRect& rect, const QModelIndex& index,
        const struct TGridFont& font) const;

    TPubStrGrid* FGrid;
};
