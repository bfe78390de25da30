#include "cards/group/zucard_group.h"

#include "cards/pictures/zucard_paint.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

// Where card i sits, how much of it shows and how large the group's picture
// is. Cards step along the row by a fixed amount per style; the last card
// always shows whole, and a card shows more of itself over empty slots after it.
TZuCardGroup::TPlace TZuCardGroup::Place(int i) const
{
    const bool right = FCascadeSide == csRight;
    const int whole = right ? ZuCardWidth : ZuCardHeight;
    int step = 0;
    switch (FCascadeStyle) {
    case csNormal:
        step = whole + 5;
        break;
    case csTight:
        step = FTightness;
        break;
    case csLoose:
        step = right ? 38 : 50;
        break;
    }
    const int n = SlotCount() - 1;
    if (FCloseUp && FCascadeStyle != csNormal) return ClosedUpPlace(i, step, whole);
    int shown = FCascadeStyle == csNormal ? whole : step;
    if (i == n)
        shown = whole;
    else if (FCascadeStyle == csLoose && CardAt(i + 1)->Empty())
        shown = whole;
    else if (FCascadeStyle == csTight)
        shown = Grown(i, shown, whole);

    const int offset = step * i;
    const int length = step * n + whole;
    if (right) {
        // The row stands on its lower edge; a marked card rises into the room above.
        const int lift = MarkLift();
        const TZuSingleCard& card = *CardAt(i);
        const int top = card.Negative() && !card.Empty() ? 0 : lift;
        return { QRect(offset, top, shown, ZuCardHeight), QSize(length, ZuCardHeight + lift) };
    }
    return { QRect(0, offset, ZuCardWidth, shown), QSize(ZuCardWidth, length) };
}

// A row lying along the table lifts its marked cards whatever its step; a
// closed-up row has no marked cards to lift, only cards to play.
int TZuCardGroup::MarkLift() const
{
    return FCascadeSide == csRight && !FCloseUp ? std::max(0, CardFinish().markLift) : 0;
}

// The cards before slot i that are not empty set its place; the cards as a
// whole are centred in the group, which keeps the length of all its slots.
TZuCardGroup::TPlace TZuCardGroup::ClosedUpPlace(int i, int step, int whole) const
{
    const bool right = FCascadeSide == csRight;
    int before = 0, cards = 0, last = -1;
    for (int j = 0; j < SlotCount(); ++j)
        if (!CardAt(j)->Empty()) {
            if (j < i) ++before;
            ++cards;
            last = j;
        }
    const int n = SlotCount() - 1;
    const int length = step * n + whole;
    const int used = cards > 0 ? step * (cards - 1) + whole : 0;
    const int offset = (length - used) / 2 + step * before;
    // An empty slot takes no room: nothing there to see or to press.
    const int shown = CardAt(i)->Empty() ? 0 : i == last ? whole : step;
    if (right) return { QRect(offset, 0, shown, ZuCardHeight), QSize(length, ZuCardHeight) };
    return { QRect(0, offset, ZuCardWidth, shown), QSize(ZuCardWidth, length) };
}

void TZuCardGroup::SetCloseUp(bool b)
{
    if (b == FCloseUp) return;
    FCloseUp = b;
    RedrawCards(true);
}

// csTight: a card shows one more step for each empty slot after it, looking at
// no more slots than a whole card spans, and whole when only empty slots
// follow it up to the last one.
int TZuCardGroup::Grown(int i, int shown, int whole) const
{
    const int t = FTightness;
    const int k = t == 0 ? whole - 1 : whole / t - 1;
    const int n = SlotCount() - 1;
    for (int j = i + 1; j <= i + k + 1 && j <= n; ++j) {
        if (!CardAt(j)->Empty()) break;
        if (j == n) return whole;
        shown = std::min(shown + t, whole);
    }
    return shown;
}

void TZuCardGroup::DrawCard(TZuSingleCard& card, bool immediate)
{
    // A group not placed on a window paints nothing; it is redrawn when placed.
    if (!FMeasuring && !parentWidget()) return;
    // Slots added or changed while loading are drawn all at once by Loaded.
    if (!FMeasuring && FLoadingGroup) return;
    const int i = card.Index();
    if (CardAt(i) != &card) return; // not in the list yet
    const TPlace place = Place(i);
    if (!FMeasuring) ResizeSurface(place.surface);
    card.SetBoundsRect(place.shown);
    if (FMeasuring) return;
    if (FDrawingHeld) {
        FDrawingPending = true;
        SortAfterLastCard(card);
        return;
    }
    // One card more or less moves the others along: all are drawn again.
    if (FCloseUp && FCascadeStyle != csNormal && !FRedrawingAll) {
        FRedrawingAll = true;
        RedrawCards(immediate);
        FRedrawingAll = false;
        if (!FDrawingHeldCards) update();
        SortAfterLastCard(card);
        return;
    }

    // In a row whose marked cards rise, a slot's card moves up and down in
    // its own column, which is cleared whole.
    const int lift = MarkLift();
    const QRect column(place.shown.x(), 0, place.shown.width(), place.surface.height());
    if (lift > 0) ClearRect(column);
    if (card.Empty()) {
        ClearRect(place.shown);
        // The card before may now show more of itself over this slot.
        if (FCascadeStyle != csNormal && i > 0 && !FCloseUp) DrawCard(*CardAt(i - 1), immediate);
    } else {
        // The card before lies under this one: its cut corners show that card,
        // whatever the picture held there before.
        if (FCascadeStyle != csNormal && i > 0 && !CardAt(i - 1)->Empty() && !FCloseUp)
            PaintCard(*CardAt(i - 1), Place(i - 1).shown.topLeft(), place.shown);
        // Closed up, the cards are drawn whole from the first up, each over
        // the one before it.
        PaintCard(card, place.shown.topLeft(),
            FCloseUp ? QRect(place.shown.topLeft(), QSize(ZuCardWidth, ZuCardHeight))
                     : place.shown);
    }
    if (FCascadeStyle == csNormal) {
        const QRect& r = place.shown;
        ClearRect(FCascadeSide == csRight
                ? QRect(r.left() + ZuCardWidth, 0, 5, place.surface.height())
                : QRect(0, r.top() + ZuCardHeight, ZuCardWidth, 5));
    }
    // The first paint of a held group draws into its picture, which it then shows.
    if (FDrawingHeldCards) return;
    if (immediate)
        update();
    else
        PaintArea(QRect(lift > 0 ? column.topLeft() : place.shown.topLeft(),
            QPoint(BitmapSize().width() - 1, BitmapSize().height() - 1)));
    SortAfterLastCard(card);
}

void TZuCardGroup::SortAfterLastCard(const TZuSingleCard& card)
{
    if (card.Index() == SlotCount() - 1 && !card.Empty() && FSortStyle != soNone) Sort(FSortStyle);
}

void TZuCardGroup::PaintCard(const TZuSingleCard& card, QPoint corner, const QRect& clip)
{
    ZuPaintCard(Bitmap(), card, corner, clip, CardFinish());
}

void TZuCardGroup::ClearRect(const QRect& rect)
{
    QPainter painter(&Bitmap());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect, BrushColor());
}

// A resized picture keeps what it showed, so cards not yet redrawn stay in
// place; new parts show the brush.
void TZuCardGroup::ResizeSurface(QSize size)
{
    if (BitmapSize() == size && !Bitmap().isNull()) return;
    const qreal scale = PictureScale();
    QImage next(qRound(size.width() * scale), qRound(size.height() * scale),
        QImage::Format_ARGB32_Premultiplied);
    next.setDevicePixelRatio(scale);
    if (FDrawingHeld) {
        // Nothing was shown yet and the first paint draws the whole picture
        // afresh: its pixels are not touched before then.
        FDrawingPending = true;
        Bitmap() = next;
        PictureChanged();
        return;
    }
    next.fill(BrushColor());
    {
        QPainter painter(&next);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPointF(0, 0), Bitmap());
    }
    Bitmap() = next;
    PictureChanged();
}

void TZuCardGroup::RedrawAtPictureScale()
{
    const QSize size = BitmapSize();
    Bitmap() = QImage();
    ResizeSurface(size);
    RedrawCards(false);
}

void TZuCardGroup::RedrawCards(bool immediate)
{
    if (!parentWidget() || FLoadingGroup) return;
    // Start from the brush, so the cut corners show what lies beneath them now
    // and nothing of an earlier layout. Before the first paint the cards are
    // only laid out: that paint draws the whole picture.
    if (FDrawingHeld)
        FDrawingPending = true;
    else
        Bitmap().fill(BrushColor());
    if (SlotCount() == 0) {
        if (!FDrawingHeldCards) update();
        return;
    }
    for (int i = 0; i < SlotCount(); ++i)
        DrawCard(*CardAt(i), immediate);
}

int TZuCardGroup::HitTest(int x, int y)
{
    FMeasuring = true;
    for (int i = 0; i < SlotCount(); ++i)
        DrawCard(*CardAt(i), false);
    FMeasuring = false;
    for (int i = 0; i < SlotCount(); ++i) {
        const QRect r = CardAt(i)->BoundsRect();
        const int right = r.left() + r.width();
        const int bottom = r.top() + r.height();
        if (r.left() < x && x < right && r.top() < y && y < bottom) return i;
    }
    return -1;
}

void TZuCardGroup::SetTightness(int t)
{
    FTightness = std::clamp(t, 0, 70);
    RedrawCards(true);
}

void TZuCardGroup::SetAutoTight(bool b)
{
    FAutoTight = b;
    if (b) {
        SetCascadeStyle(csTight);
        SetAutoSize(false);
    } else {
        SetTightness(16);
    }
}

void TZuCardGroup::SetCascadeStyle(TZuCascadeStyle s)
{
    FCascadeStyle = s;
    if (s != csTight) SetAutoTight(false);
    RedrawCards(true);
}

void TZuCardGroup::SetCascadeSide(TZuCascadeSide s)
{
    FCascadeSide = s;
    RedrawCards(true);
}

void TZuCardGroup::AdjustTightness()
{
    if (!FAutoTight || SlotCount() == 0) return;
    if (FCascadeSide == csDown)
        SetTightness((height() - ZuCardHeight) / SlotCount());
    else
        SetTightness((width() - ZuCardWidth) / SlotCount());
}

void TZuCardGroup::paintEvent(QPaintEvent* event)
{
    if (FDrawingHeld) {
        FDrawingHeld = false;
        if (std::exchange(FDrawingPending, false)) {
            FDrawingHeldCards = true;
            RedrawCards(false);
            FDrawingHeldCards = false;
        }
    }
    TZuCustomCardControl::paintEvent(event);
    PaintFocusRing();
}

void TZuCardGroup::resizeEvent(QResizeEvent* event)
{
    TZuCustomCardControl::resizeEvent(event);
    AdjustTightness();
}

bool TZuCardGroup::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange) RedrawCards(true);
    return TZuCustomCardControl::event(event);
}
