#include "zucards/courts.h"

#include "zucards/canvas.h"
#include "zucards/court_figures.h"
#include "zucards/faces.h"

namespace zucards {

namespace {

const QRectF Frame(14.5, 8.5, 42, 79);

CourtPalette paletteFor(Suit suit)
{
    switch (suit) {
    case Suit::Clubs:
        return { ink::Blue, ink::Red, ink::Yellow };
    case Suit::Diamonds:
        return { ink::Red, ink::Yellow, ink::Blue };
    case Suit::Hearts:
        return { ink::Red, ink::Blue, ink::Yellow };
    case Suit::Spades:
        return { ink::Blue, ink::Yellow, ink::Red };
    }
    return {};
}

// Half the suits hold their object on the left, as printed decks turn their courts.
bool heldLeft(Suit suit)
{
    return suit == Suit::Diamonds || suit == Suit::Spades;
}

void drawFigureHalf(QPainter& painter, Suit suit, int rank)
{
    painter.save();
    if (heldLeft(suit)) {
        painter.translate(CardWidth, 0);
        painter.scale(-1, 1);
    }
    const CourtPalette palette = paletteFor(suit);
    if (rank == 11)
        drawJackHalf(painter, palette);
    else if (rank == 12)
        drawQueenHalf(painter, palette);
    else
        drawKingHalf(painter, palette);
    painter.restore();
    const qreal pipX = heldLeft(suit) ? 50.5 : 20.5;
    drawSuit(painter, suit, QPointF(pipX, 15), 8);
}

void drawHalf(QPainter& painter, Suit suit, int rank)
{
    painter.save();
    painter.setClipRect(QRectF(Frame.left(), Frame.top(), Frame.width(), 48 - Frame.top()));
    painter.fillRect(Frame, QColor(0xff, 0xfb, 0xec));
    drawFigureHalf(painter, suit, rank);
    painter.restore();
}

} // namespace

void drawCourt(QPainter& painter, Suit suit, int rank)
{
    drawIndices(painter, rankLabel(rank), suit);
    drawBothEnds(painter, [&] { drawHalf(painter, suit, rank); });
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(suitColor(suit), 0.6));
    painter.drawLine(QPointF(Frame.left(), 48), QPointF(Frame.right(), 48));
    painter.setPen(QPen(suitColor(suit), 0.9));
    painter.drawRect(Frame);
}

} // namespace zucards
