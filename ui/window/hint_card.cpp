#include "ui/window/hint_card.h"

#include "cards/zucard.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kRing(0xff, 0xc8, 0x1e);

} // namespace

THintCard::THintCard(QWidget* table)
    : QWidget(table)
    , FRing(kRing)
{
    setObjectName(QStringLiteral("HintCard"));
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    resize(ZuCardWidth + 2 * Ring, ZuCardHeight + 2 * Ring);
    hide();
}

void THintCard::SetLook(const QColor& ring, QPoint lift, bool clickable)
{
    FRing = ring;
    FLift = lift;
    setAttribute(Qt::WA_TransparentForMouseEvents, !clickable);
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void THintCard::ShowSlot(TZuCardGroup* hand, int slot)
{
    const TZuSingleCard* card = hand && slot >= 0 ? hand->CardAt(slot) : nullptr;
    if (!card || card->Empty()) {
        FSlot = -1;
        hide();
        return;
    }
    FSlot = slot;
    FHand = hand;
    // Drawn for the table's scale, as the hand's own cards are, and only at it.
    FPicture = *CardPictureAt(card->PictureNumber(), CardPictureScale() * hand->ViewScale());
    // The group measures its slots on demand; the bounds are then current.
    hand->HitTest(-1, -1);
    const QPoint corner = hand->pos() + card->BoundsRect().topLeft();
    move(corner - QPoint(Ring, Ring) + FLift);
    show();
    raise();
    update();
}

void THintCard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(QPoint(Ring, Ring), FPicture);
    QPen pen(FRing, Ring);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal half = Ring / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), 6, 6);
    if (FHand && FSlot >= 0 && FHand->FocusedSlot() == FSlot)
        ZuPaintFocusRing(painter, rect().adjusted(Ring, Ring, -Ring, -Ring));
}

void THintCard::mousePressEvent(QMouseEvent* event)
{
    // Handled here: the window's own press handling is for its background.
    event->accept();
}

void THintCard::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())
        && OnClick)
        OnClick(FSlot);
    event->accept();
}
