#include "zucards/suits.h"

#include "zucards/canvas.h"

namespace zucards {

namespace {

QPainterPath heartPath()
{
    QPainterPath p;
    p.moveTo(0, 48);
    p.cubicTo(-12, 30, -50, 10, -50, -18);
    p.cubicTo(-50, -38, -37, -49, -24, -49);
    p.cubicTo(-12, -49, -3, -41, 0, -30);
    p.cubicTo(3, -41, 12, -49, 24, -49);
    p.cubicTo(37, -49, 50, -38, 50, -18);
    p.cubicTo(50, 10, 12, 30, 0, 48);
    p.closeSubpath();
    return p;
}

QPainterPath diamondPath()
{
    QPainterPath p;
    p.moveTo(0, -52);
    p.quadTo(17, -24, 41, 0);
    p.quadTo(17, 24, 0, 52);
    p.quadTo(-17, 24, -41, 0);
    p.quadTo(-17, -24, 0, -52);
    p.closeSubpath();
    return p;
}

// The flared stem shared by spades and clubs.
void addStem(QPainterPath& p, qreal top)
{
    p.moveTo(-4, top);
    p.cubicTo(-4, 34, -9, 44, -20, 51);
    p.lineTo(20, 51);
    p.cubicTo(9, 44, 4, 34, 4, top);
    p.closeSubpath();
}

QPainterPath spadePath()
{
    QPainterPath p;
    p.moveTo(0, -52);
    p.cubicTo(10, -34, 50, -14, 50, 11);
    p.cubicTo(50, 28, 38, 36, 26, 36);
    p.cubicTo(14, 36, 6, 29, 2, 22);
    p.lineTo(-2, 22);
    p.cubicTo(-6, 29, -14, 36, -26, 36);
    p.cubicTo(-38, 36, -50, 28, -50, 11);
    p.cubicTo(-50, -14, -10, -34, 0, -52);
    p.closeSubpath();
    addStem(p, 14);
    return p;
}

QPainterPath clubPath()
{
    // United piece by piece: overlapping subpaths of opposite direction would leave holes.
    QPainterPath p;
    const QPointF leaves[] = { { 0, -27 }, { -26, 11 }, { 26, 11 } };
    for (const QPointF& centre : leaves) {
        QPainterPath leaf;
        leaf.addEllipse(centre, 23, 23);
        p = p.united(leaf);
    }
    QPainterPath heart;
    heart.addPolygon(QPolygonF { { 0, -14 }, { -16, 14 }, { 16, 14 } });
    heart.closeSubpath();
    QPainterPath stem;
    addStem(stem, 6);
    return p.united(heart).united(stem);
}

} // namespace

bool isRed(Suit suit)
{
    return suit == Suit::Diamonds || suit == Suit::Hearts;
}

QColor suitColor(Suit suit)
{
    return isRed(suit) ? ink::Red : ink::Black;
}

const QPainterPath& suitShape(Suit suit)
{
    static const QPainterPath shapes[] = { clubPath(), diamondPath(), heartPath(), spadePath() };
    return shapes[static_cast<int>(suit)];
}

void drawSuit(QPainter& painter, Suit suit, QPointF centre, qreal height, bool upsideDown,
    const QColor& color)
{
    painter.save();
    painter.translate(centre);
    if (upsideDown) painter.rotate(180);
    painter.scale(height / 100.0, height / 100.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color.isValid() ? color : suitColor(suit));
    painter.drawPath(suitShape(suit));
    painter.restore();
}

} // namespace zucards
