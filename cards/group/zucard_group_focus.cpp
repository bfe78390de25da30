// The keyboard's focus ring over one card of a group.
#include "cards/group/zucard_group.h"

#include "cards/group/zucard_group_accessible.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

void TZuCardGroup::SetFocusedSlot(int slot)
{
    if (slot < -1 || slot >= SlotCount()) slot = -1;
    if (slot == FFocusedSlot) return;
    FFocusedSlot = slot;
    update();
    if (slot >= 0) ZuNotifyCardFocus(*this, slot);
}

QRect TZuCardGroup::FocusRingRect() const
{
    if (FFocusedSlot < 0 || FFocusedSlot >= SlotCount()) return {};
    const TZuSingleCard& card = *CardAt(FFocusedSlot);
    const QRect shown = card.BoundsRect();
    if (card.Empty() || shown.isEmpty()) return {};
    // Round what shows of the card: round the whole card, the ring would
    // cross the cards of a cascade that lie over it and point at them too.
    return shown.intersected(rect());
}

void TZuCardGroup::PaintFocusRing()
{
    const QRect ring = FocusRingRect();
    if (ring.isEmpty() || DrawLock() > 0) return;
    QPainter painter(this);
    ZuPaintFocusRing(painter, ring);
}

void ZuPaintFocusRing(QPainter& painter, const QRect& ring)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // Dashes of sky blue on navy with a dark edge inside: they read on the
    // green table, on white faces and on an inverted (marked) card alike, and
    // never look like the solid gold ring a game may put round a card of its
    // own (a hint). The band grows with the card.
    const qreal band = std::max(3.0, std::max(ring.width(), ring.height()) / 24.0);
    const QRectF outer = QRectF(ring).adjusted(band / 2, band / 2, -band / 2, -band / 2);
    painter.setPen(QPen(QColor(10, 30, 90), band));
    painter.drawRoundedRect(outer, band, band);
    QPen dashes(QColor(80, 190, 255), band, Qt::CustomDashLine);
    dashes.setDashPattern({ 2, 1.2 });
    painter.setPen(dashes);
    painter.drawRoundedRect(outer, band, band);
    painter.setPen(QPen(QColor(10, 20, 40), std::max(1.0, band / 3)));
    painter.drawRoundedRect(
        outer.adjusted(band / 2 + 0.5, band / 2 + 0.5, -band / 2 - 0.5, -band / 2 - 0.5), band / 2,
        band / 2);
    painter.restore();
}

void TZuCardGroup::NotifyCardChanged(int slot)
{
    if (!FDestroying && slot >= 0 && slot < SlotCount()) ZuNotifyCardChanged(*this, slot);
}
