#include "cards/group/zucard_group.h"

#include "cards/table/zucard_wait_timer.h"
#include "cards/sprite/zugraphics_lock.h"

#include <QMouseEvent>
#include <QPointer>

namespace {

TZuTablePos TablePosOf(int number)
{
    return number >= tpAuto && number <= tpRight ? TZuTablePos(number) : tpAuto;
}

} // namespace

TZuPlayResult TZuCardGroup::Play()
{
    int position = -1;
    TZuTablePos tablePos = FTablePlayPos;
    bool faceDown = false;
    if (FController != ctComputer) {
        // The move is made elsewhere: by the handler or by a later click.
        if (BeforePlay) BeforePlay(this, position, tablePos, faceDown);
        return prAborted;
    }
    position = RandomNonEmptySlot();
    if (BeforePlay) BeforePlay(this, position, tablePos, faceDown);
    if (position >= 0 && position < SlotCount()) PlayCard(position, faceDown, tablePos);
    return prFinished;
}

void TZuCardGroup::PlayCard(int position, bool faceDown, TZuTablePos tablePos)
{
    if (FPlayDelay > 0 && FController == ctComputer) {
        QPointer<TZuCardGroup> self(this);
        WaitPlayDelay();
        if (!self) return; // the group went away while messages were handled
    }
    if (TZuSingleCard* card = CardAt(position)) card->PlayToTable(tablePos, faceDown);
}

// Clicks on groups are ignored while the lock is held, so none plays a card
// in the middle of a computer's pause.
void TZuCardGroup::WaitPlayDelay()
{
    TZuAnimationLockGuard hold;
    ZuWait(FPlayDelay);
}

void TZuCardGroup::CardPlayed(TZuSingleCard& card, int tablePos)
{
    if (AfterPlay) AfterPlay(this, card.Index(), TablePosOf(tablePos));
}

void TZuCardGroup::mouseMoveEvent(QMouseEvent* event)
{
    if (FCardCursor != Qt::ArrowCursor) {
        const QPoint at = event->position().toPoint();
        if (const TZuSingleCard* card = CardAt(HitTest(at.x(), at.y())))
            setCursor(card->Empty() ? Qt::ArrowCursor : FCardCursor);
    }
    TZuCustomCardControl::mouseMoveEvent(event);
}

void TZuCardGroup::mouseReleaseEvent(QMouseEvent* event)
{
    if (AnimationLocked()) return;
    const QPoint at = event->position().toPoint();
    const int slot = HitTest(at.x(), at.y());
    setCursor(Qt::ArrowCursor);
    bool playIt = false;
    TZuTablePos tablePos = FTablePlayPos;
    bool faceDown = false;
    if (slot >= 0 && OnCardClick) {
        QPointer<TZuCardGroup> self(this);
        OnCardClick(this, CardAt(slot), slot, playIt, tablePos, faceDown, event->button());
        if (!self) return;
    }
    // An empty slot is clicked like any other, but never played.
    const TZuSingleCard* card = CardAt(slot);
    if (FTable && playIt && card && !card->Empty()) PlayCard(slot, faceDown, tablePos);
}
