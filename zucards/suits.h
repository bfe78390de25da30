#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace zucards {

// In the library's own resource order.
enum class Suit { Clubs, Diamonds, Hearts, Spades };

bool isRed(Suit suit);
QColor suitColor(Suit suit);

// The suit symbol in a box 100 units wide centred on the origin, point or stem downwards.
const QPainterPath& suitShape(Suit suit);

// Fills the suit symbol `height` card units tall centred on `centre`; `upsideDown` turns
// it as pips in the lower half of a card are printed.
void drawSuit(QPainter& painter, Suit suit, QPointF centre, qreal height, bool upsideDown = false,
    const QColor& color = QColor());

} // namespace zucards
