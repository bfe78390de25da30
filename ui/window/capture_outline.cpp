#include "ui/window/capture_outline.h"

#include "cards/zucard.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

// Outside the card by this much, so the line never hides its corner marks.
constexpr int kMargin = 3;
constexpr qreal kPen = 2.5;
constexpr qreal kRadius = 7;

} // namespace

TCaptureOutline::TCaptureOutline(
    QWidget* table, TZuCardGroup* hand, std::array<TZuCardGroup*, 2> rows)
    : QWidget(table)
    , FHand(hand)
    , FRows(rows)
{
    setObjectName(QStringLiteral("CaptureOutline"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
    FHand->installEventFilter(this);
    for (TZuCardGroup* row : FRows)
        row->installEventFilter(this);
}

void TCaptureOutline::SetOn(bool on)
{
    FOn = on;
    // The pointer is followed over the hand only while there is something to show.
    FHand->setMouseTracking(on || FHand->hasMouseTracking());
    FHover = -1;
    Refresh();
}

int TCaptureOutline::PointedSlot() const
{
    return FHover >= 0 ? FHover : FHand->FocusedSlot();
}

std::vector<QRect> TCaptureOutline::CardsToOutline() const
{
    const int slot = PointedSlot();
    if (!FOn || slot < 0 || !CaptureOf || FHand->isHidden()) return {};
    std::vector<QRect> rects;
    for (const TTableSlot& place : CaptureOf(slot)) {
        if (place.row < 0 || place.row > 1) continue;
        const TZuCardGroup* row = FRows[place.row];
        if (place.slot < 0 || place.slot >= row->SlotCount()) continue;
        const TZuSingleCard* card = row->CardAt(place.slot);
        if (card->Empty()) continue;
        // What shows of the card: in a grown row the next card covers the rest.
        rects.push_back(card->BoundsRect().translated(row->pos()));
    }
    return rects;
}

void TCaptureOutline::Refresh()
{
    std::vector<QRect> rects = CardsToOutline();
    if (rects == FRects && isVisible() == !rects.empty()) return;
    FRects = std::move(rects);
    if (FRects.empty()) {
        hide();
        return;
    }
    setGeometry(parentWidget()->rect());
    show();
    raise();
    update();
}

bool TCaptureOutline::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (watched == FHand) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            const int slot = FHand->HitTest(at.x(), at.y());
            FHover = slot >= 0 && !FHand->CardAt(slot)->Empty() ? slot : -1;
            Refresh();
        }
        break;
    case QEvent::Leave:
    case QEvent::Hide:
        if (watched == FHand) {
            FHover = -1;
            Refresh();
        }
        break;
    case QEvent::Paint:
    case QEvent::Move:
        // A card played, dealt or marked, or the ring moved: each repaints.
        Refresh();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TCaptureOutline::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A dark band under a light line: it reads on the felt and on a white
    // face alike, and is neither the marks' gold nor the ring's dashes.
    for (const QRect& card : FRects) {
        QPainterPath path;
        path.addRoundedRect(
            QRectF(card).adjusted(-kMargin, -kMargin, kMargin, kMargin), kRadius, kRadius);
        painter.setPen(QPen(QColor(0, 40, 20, 160), kPen + 2.5));
        painter.drawPath(path);
        painter.setPen(QPen(QColor(170, 255, 200), kPen));
        painter.drawPath(path);
    }
}
