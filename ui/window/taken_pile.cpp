#include "ui/window/taken_pile.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int kCardWidth = 40;
constexpr int kCardHeight = 54;
constexpr int kLayerStep = 2;
const QColor kBack(0x8e, 0x1f, 0x2d);
const QColor kBackLine(0xc4, 0x4a, 0x58);

// One face-down card of the pile: a rounded back, a white rim and a lattice.
void PaintBack(QPainter& painter, const QRectF& card)
{
    QPainterPath outline;
    outline.addRoundedRect(card, 4, 4);
    painter.fillPath(outline, Qt::white);
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
    painter.drawPath(outline);
    const QRectF inner = card.adjusted(3, 3, -3, -3);
    QPainterPath back;
    back.addRoundedRect(inner, 2, 2);
    painter.fillPath(back, kBack);
    painter.save();
    painter.setClipPath(back);
    painter.setPen(QPen(kBackLine, 1));
    for (qreal d = -inner.height(); d < inner.width(); d += 6) {
        painter.drawLine(QPointF(inner.left() + d, inner.top()),
            QPointF(inner.left() + d + inner.height(), inner.bottom()));
        painter.drawLine(QPointF(inner.left() + d, inner.bottom()),
            QPointF(inner.left() + d + inner.height(), inner.top()));
    }
    painter.restore();
}

} // namespace

TTakenPile::TTakenPile(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(PileWidth, PileHeight);
    setCursor(Qt::PointingHandCursor);
    hide();
}

void TTakenPile::Show(int count, const QString& owner, bool canOpen)
{
    // Asked after every move for all four piles: an unchanged pile is not
    // repainted, so a move repaints only the places it changed.
    const QString text = tr("Pokupljene karte: %1 (%2)").arg(owner).arg(count);
    if (count == FCount && canOpen == FCanOpen && text == toolTip() && isHidden() == (count == 0))
        return;
    FCount = count;
    FCanOpen = canOpen;
    setToolTip(text);
    setAccessibleName(text);
    setFocusPolicy(canOpen ? Qt::TabFocus : Qt::NoFocus);
    setCursor(canOpen ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setVisible(count > 0);
    update();
}

void TTakenPile::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A card or two under the top one show the pile's thickness.
    const int layers = std::clamp(FCount / 8, 0, 2);
    for (int layer = layers; layer >= 0; --layer) {
        const QRectF card(
            0.5 + layer * kLayerStep, 0.5 + (2 - layer) * kLayerStep, kCardWidth, kCardHeight);
        PaintBack(painter, card);
    }
    // The count on a dark badge over the pile's foot.
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(11);
    painter.setFont(bold);
    const QString count = QString::number(FCount);
    const int width = painter.fontMetrics().horizontalAdvance(count) + 8;
    const QRectF badge((kCardWidth - width) / 2.0 + 2, PileHeight - 17, width, 15);
    QPainterPath box;
    box.addRoundedRect(badge, 7, 7);
    painter.fillPath(box, QColor(0, 0, 0, 170));
    painter.setPen(Qt::white);
    painter.drawText(badge, Qt::AlignCenter, count);
    if (hasFocus()) {
        painter.setPen(QPen(QColor(0xff, 0xe0, 0x4d), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5);
    }
}

void TTakenPile::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && FCanOpen
        && rect().contains(event->position().toPoint()) && OnOpen)
        OnOpen();
    event->accept();
}

void TTakenPile::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (FCanOpen && OnOpen
        && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        OnOpen();
        return;
    }
    QWidget::keyPressEvent(event);
}
