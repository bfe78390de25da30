#include "ui/score_grid/score_grid_painter.h"

#include "ui/score_grid/score_grid.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// The longest text a cell shows.
constexpr int MaxShownText = 255;

Qt::Alignment HorizontalFlag(TAlignment a)
{
    switch (a) {
    case taRightJustify:
        return Qt::AlignRight;
    case taCenter:
        return Qt::AlignHCenter;
    case taLeftJustify:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

TGridCellPainter::TGridCellPainter(TPubStrGrid* grid)
    : QStyledItemDelegate(grid)
    , FGrid(grid)
{
}

void TGridCellPainter::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int row = index.row(), col = index.column();
    const TGridDrawState state = FGrid->CellState(index);
    const QPalette& palette = FGrid->palette();
    const bool selected = (state & gdSelected) && !(state & gdFixed);
    QBrush brush(state & gdFixed ? FGrid->FixedColor()
            : selected           ? palette.color(QPalette::Highlight)
                                 : FGrid->Color());
    TGridFont font { option.font,
        palette.color(selected ? QPalette::HighlightedText : QPalette::Text) };
    if (FGrid->OnGetCellColor) FGrid->OnGetCellColor(FGrid, row, col, state, brush, font);

    painter->save();
    if (FGrid->DefaultDrawing()) {
        painter->fillRect(option.rect, brush);
        DrawText(painter, option.rect, index, font);
    } else {
        QStyledItemDelegate::paint(painter, option, index);
    }
    if (FGrid->Grid3D() && FGrid->GridLines()) {
        const QRect& r = option.rect;
        painter->setPen(palette.color(QPalette::HighlightedText));
        painter->drawLine(r.bottomLeft(), r.topLeft());
        painter->drawLine(r.topLeft(), r.topRight());
    }
    painter->restore();
}

QString TGridCellPainter::ShownText(const QString& text, const QFont& font, int width)
{
    // The band of DrawText starts 2 pixels in; a text may run on to the
    // cell's edge. One that does not fit is cut to the band.
    const QString limited = text.left(MaxShownText);
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(limited) <= width - 2) return limited;
    return metrics.elidedText(limited, Qt::ElideRight, width - 4);
}

bool TGridCellPainter::helpEvent(QHelpEvent* event, QAbstractItemView* view,
    const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (ShownText(text, option.font, option.rect.width()) == text.left(MaxShownText)) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
    return true;
}

// The text sits in a band one line high, centred in the cell, 2 pixels in
// from either side.
void TGridCellPainter::DrawText(
    QPainter* painter, const QRect& rect, const QModelIndex& index, const TGridFont& font) const
{
    TAlignment alignment = FGrid->Alignment();
    if (FGrid->OnGetAlignment) FGrid->OnGetAlignment(FGrid, index.row(), index.column(), alignment);
    const int h = QFontMetrics(font.Font).height();
    const int top = (rect.top() + rect.top() + rect.height() - h) / 2;
    const QRect band(rect.left() + 2, top, rect.width() - 4, h);
    painter->setClipRect(rect);
    painter->setFont(font.Font);
    painter->setPen(font.Color);
    const QString text = ShownText(index.data(Qt::DisplayRole).toString(), font.Font, rect.width());
    painter->drawText(band, HorizontalFlag(alignment) | Qt::AlignTop | Qt::TextExpandTabs, text);
}
