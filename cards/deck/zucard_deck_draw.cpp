// The deck branch of the card drawing routine: where the bottom card, the
// stack's edge layers and the top card go in the deck's off-screen picture.
#include "cards/deck/zucard_deck_visual.h"

#include "cards/pictures/zucard_pictures.h"

#include "cards/sprite/zugraphics_sprite.h"

#include <QPainter>

namespace {

constexpr int BottomEdge = 16; // how much of the bottom card peeks out on the left
constexpr int LayerEdge = 4; // each layer shows this much of its left edge
constexpr int SingleStepDown = 2; // ... and, with dcSingle, of its top edge

QSize PictureSize(TZuVisualDeckType type)
{
    return type == dcSingle ? QSize(103, 104) : QSize(139, 96);
}

void Clear(QPainter& painter, const QRect& area, const QColor& brush)
{
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(area, brush);
}

// A transparent copy of part of a picture (logical units) with its top-left at `at`.
void DrawPart(QPainter& painter, QPoint at, const QImage* picture, const QRect& part)
{
    if (!picture || picture->isNull()) return;
    const qreal scale = picture->devicePixelRatio();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(
        QRectF(at, part.size()), *picture, QRectF(part.topLeft() * scale, part.size() * scale));
}

void Invert(QPainter& painter, const QRect& area)
{
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.fillRect(area, Qt::white);
}

} // namespace

void TZuCardDeck::RedrawCard(TZuSingleCard& card, bool immediate)
{
    if (FDrawingHeld) {
        LayOutCard(card);
        return;
    }
    const QSize size = PictureSize(FDeckType);
    if (&card == FCardLast.get()) {
        // Drawing the bottom card sizes the picture for both.
        SetBitmapSize(size.width(), size.height());
        DrawBottomCard(card);
        ShowChange(
            QRect(0, 0, BitmapSize().width() - ZuCardWidth, BitmapSize().height()), immediate);
        return;
    }
    if (Bitmap().isNull()) SetBitmapSize(size.width(), size.height());
    if (FDeckEmpty) {
        DrawUsedUp(card);
        ShowChange(QRect(QPoint(0, 0), BitmapSize()), immediate);
        return;
    }
    DrawTopCard(card);
    const int from = card.BoundsRect().left() - LayerEdge * FLayers - LayerEdge;
    ShowChange(QRect(from, 0, BitmapSize().width() - from, BitmapSize().height()), immediate);
}

void TZuCardDeck::LayOutCard(TZuSingleCard& card)
{
    const QSize size = PictureSize(FDeckType);
    if (&card == FCardLast.get()) {
        SetBitmapSize(size.width(), size.height());
        if (!FDeckEmpty && FShowLastCard)
            card.SetBoundsRect(QRect(0, 0, ZuCardWidth, ZuCardHeight));
        return;
    }
    if (Bitmap().isNull()) SetBitmapSize(size.width(), size.height());
    card.SetBoundsRect(FDeckEmpty ? QRect(0, 0, ZuCardWidth, ZuCardHeight) : TopCardBounds());
}

QRect TZuCardDeck::TopCardBounds() const
{
    const int steps = FLayers + 1;
    const int y = FDeckType == dcSingle ? SingleStepDown * steps : 0;
    return QRect(BottomEdge + LayerEdge * steps, y, ZuCardWidth, ZuCardHeight);
}

void TZuCardDeck::DrawBottomCard(TZuSingleCard& card)
{
    if (FDeckEmpty) return; // the top card's drawing clears this strip
    QPainter painter(&Bitmap());
    const QRect strip(0, 0, BottomEdge, ZuCardHeight);
    Clear(painter, strip, BrushColor());
    if (!FShowLastCard) return;
    DrawPart(painter, strip.topLeft(), card.Picture(), strip);
    if (card.Negative()) Invert(painter, strip);
    card.SetBoundsRect(QRect(0, 0, ZuCardWidth, ZuCardHeight));
}

void TZuCardDeck::DrawTopCard(TZuSingleCard& card)
{
    QPainter painter(&Bitmap());
    const QSize size = BitmapSize();
    // Everything right of the bottom card's strip is drawn anew, so a thinner
    // stack leaves nothing of the thicker one behind.
    Clear(painter, QRect(BottomEdge, 0, size.width() - BottomEdge, size.height()), BrushColor());
    const QImage* back = card.BackImage();
    int x = BottomEdge;
    int y = 0;
    for (int layer = 0; layer <= FLayers; ++layer) {
        DrawPart(painter, QPoint(x, y), back, QRect(0, 0, LayerEdge, ZuCardHeight));
        if (FDeckType == dcSingle) {
            DrawPart(painter, QPoint(x, y), back, QRect(0, 0, ZuCardWidth, SingleStepDown));
            y += SingleStepDown;
        }
        x += LayerEdge;
    }
    const QRect bounds = TopCardBounds();
    DrawPart(painter, bounds.topLeft(), card.Picture(), QRect(0, 0, ZuCardWidth, ZuCardHeight));
    if (card.Negative()) Invert(painter, bounds);
    card.SetBoundsRect(bounds);
}

void TZuCardDeck::DrawUsedUp(TZuSingleCard& card)
{
    QPainter painter(&Bitmap());
    Clear(painter, QRect(QPoint(0, 0), BitmapSize()), BrushColor());
    DrawPart(painter, QPoint(BottomEdge, 0), CardPicture(BackPictureNumber(FDeckEmptyCardBack)),
        QRect(0, 0, ZuCardWidth, ZuCardHeight));
    card.SetBoundsRect(QRect(0, 0, ZuCardWidth, ZuCardHeight));
}

void TZuCardDeck::ShowChange(const QRect& area, bool immediate)
{
    if (FDrawingInPaint) return;
    if (immediate)
        update();
    else
        PaintArea(area);
}
