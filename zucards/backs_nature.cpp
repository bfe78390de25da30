#include "zucards/backs.h"

#include "zucards/canvas.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace zucards {

namespace {

// An ivy leaf of three pointed lobes, stem at the origin, pointing up; 20 units wide.
QPainterPath ivyLeaf()
{
    QPainterPath p;
    p.moveTo(0, 0);
    p.cubicTo(-3, 1, -9, 0, -10, -5);
    p.cubicTo(-8, -6.5, -6.5, -6.5, -4.5, -7);
    p.cubicTo(-6.5, -10, -4, -14, 0, -17);
    p.cubicTo(4, -14, 6.5, -10, 4.5, -7);
    p.cubicTo(6.5, -6.5, 8, -6.5, 10, -5);
    p.cubicTo(9, 0, 3, 1, 0, 0);
    p.closeSubpath();
    return p;
}

struct IvyColours {
    QColor ground, stem, leaf, leafDark, vein;
};

void drawLeaf(
    QPainter& painter, QPointF at, qreal angle, qreal size, const QColor& fill, const QColor& vein)
{
    static const QPainterPath leaf = ivyLeaf();
    painter.save();
    painter.translate(at);
    painter.rotate(angle);
    painter.scale(size / 20, size / 20);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(leaf);
    painter.setPen(QPen(vein, 0.9));
    painter.drawLine(QPointF(0, 0), QPointF(0, -13));
    painter.drawLine(QPointF(0, -2), QPointF(-7, -5));
    painter.drawLine(QPointF(0, -2), QPointF(7, -5));
    painter.restore();
}

// One vine winding down the card with leaves alternating on either side.
void drawVine(QPainter& painter, qreal x0, qreal phase, const IvyColours& c, const QRectF& panel)
{
    QPainterPath stem;
    const auto xAt = [&](qreal y) { return x0 + 6 * std::sin(y / 9 + phase); };
    stem.moveTo(xAt(panel.top() - 4), panel.top() - 4);
    for (qreal y = panel.top(); y <= panel.bottom() + 4; y += 2)
        stem.lineTo(xAt(y), y);
    painter.setPen(QPen(c.stem, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(stem);
    int side = 0;
    for (qreal y = panel.top() + 2 + phase * 3; y < panel.bottom() + 6; y += 9, ++side) {
        const bool left = side % 2 == 0;
        const QColor fill = side % 3 == 0 ? c.leafDark : c.leaf;
        drawLeaf(painter, QPointF(xAt(y), y), left ? -70 : 70, 11, fill, c.vein);
    }
}

QPainterPath fishBody()
{
    QPainterPath p;
    p.moveTo(7, 0);
    p.cubicTo(4, -4.8, -3, -4.8, -5, 0);
    p.cubicTo(-3, 4.8, 4, 4.8, 7, 0);
    p.moveTo(-4, 0);
    p.lineTo(-8.5, -3.8);
    p.quadTo(-7, 0, -8.5, 3.8);
    p.closeSubpath();
    return p.simplified();
}

void drawFish(QPainter& painter, QPointF at, qreal size, bool leftward, const QColor& body,
    const QColor& stripe)
{
    static const QPainterPath shape = fishBody();
    painter.save();
    painter.translate(at);
    painter.scale(leftward ? -size / 16 : size / 16, size / 16);
    painter.setPen(QPen(QColor(0x10, 0x20, 0x30), 0.6));
    painter.setBrush(body);
    painter.drawPath(shape);
    painter.setPen(QPen(stripe, 1.3));
    painter.drawLine(QPointF(1.5, -3.2), QPointF(1.5, 3.2));
    painter.drawLine(QPointF(-2, -2.8), QPointF(-2, 2.8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x10, 0x10, 0x10));
    painter.drawEllipse(QPointF(4.3, -1.1), 0.8, 0.8);
    painter.restore();
}

void drawBubbles(QPainter& painter, const QRectF& panel, const QColor& colour)
{
    painter.setPen(QPen(colour, 0.5));
    painter.setBrush(Qt::NoBrush);
    const QPointF bubbles[] = { { 12, 20 }, { 14, 15 }, { 13, 10 }, { 52, 44 }, { 54, 39 },
        { 30, 66 }, { 31, 61 }, { 58, 80 } };
    for (int i = 0; i < 8; ++i)
        painter.drawEllipse(panel.topLeft() + bubbles[i], 0.9 + (i % 3) * 0.4, 0.9 + (i % 3) * 0.4);
}

void drawWeed(QPainter& painter, const QRectF& panel, const QColor& colour)
{
    painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const qreal x = panel.left() + 5 + i * 10.5;
        QPainterPath weed;
        weed.moveTo(x, panel.bottom());
        weed.cubicTo(x - 3, panel.bottom() - 5, x + 3, panel.bottom() - 9, x - 1,
            panel.bottom() - 13 - (i % 2) * 4);
        painter.drawPath(weed);
    }
}

void drawPetals(QPainter& painter, QPointF centre, int count, qreal length, qreal width,
    const QColor& colour, qreal turn = 0)
{
    painter.setPen(QPen(colour.darker(130), 0.5));
    painter.setBrush(colour);
    for (int i = 0; i < count; ++i) {
        painter.save();
        painter.translate(centre);
        painter.rotate(turn + i * 360.0 / count);
        painter.drawEllipse(QPointF(0, -length / 2), width / 2, length / 2);
        painter.restore();
    }
}

// A shallow reef: sand, a starfish and clownfish of several sizes swimming both ways.
void drawReef(QPainter& painter, const QRectF& panel)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf2, 0xdc, 0x9a));
    painter.drawEllipse(QRectF(panel.left() - 12, panel.bottom() - 9, panel.width() + 24, 22));
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? 1.6 : 4.0, a = i * M_PI / 5 - M_PI / 2;
        star << panel.bottomRight() + QPointF(-13 + r * std::cos(a), -5 + r * std::sin(a));
    }
    painter.setPen(QPen(QColor(0xa8, 0x30, 0x20), 0.5));
    painter.setBrush(QColor(0xf0, 0x5a, 0x3a));
    painter.drawPolygon(star);
    struct Swimmer {
        qreal x, y, size;
        bool left;
        int colour;
    };
    static const Swimmer school[] = { { 17, 12, 15, false, 0 }, { 47, 20, 12, true, 1 },
        { 31, 33, 18, true, 0 }, { 13, 48, 11, false, 1 }, { 48, 52, 15, true, 0 },
        { 24, 66, 13, false, 0 }, { 52, 74, 10, true, 1 } };
    const QColor bodies[] = { QColor(0xfa, 0x7d, 0x12), QColor(0xfc, 0xd2, 0x2a) };
    for (const Swimmer& f : school)
        drawFish(painter, panel.topLeft() + QPointF(f.x, f.y), f.size, f.left, bodies[f.colour],
            QColor(0xfc, 0xf8, 0xf0));
}

} // namespace

void drawIvyBack(QPainter& painter, const QRectF& panel, bool blue)
{
    const IvyColours c = blue
        ? IvyColours { QColor(0x12, 0x3d, 0x82), QColor(0x9d, 0xc0, 0xf0), QColor(0x5c, 0x9a, 0xe8),
              QColor(0xbf, 0xd8, 0xf8), QColor(0x12, 0x3d, 0x82) }
        : IvyColours { QColor(0x10, 0x10, 0x10), QColor(0x6b, 0x8e, 0x3a), QColor(0x2f, 0x7a, 0x2c),
              QColor(0x5c, 0xa8, 0x3c), QColor(0xc8, 0xe6, 0x9a) };
    painter.fillRect(panel, c.ground);
    for (int i = 0; i < 4; ++i)
        drawVine(painter, panel.left() + 7 + i * 16, i * 1.7, c, panel);
}

void drawFishBack(QPainter& painter, const QRectF& panel, bool blue)
{
    QLinearGradient water(panel.topLeft(), panel.bottomLeft());
    water.setColorAt(0, blue ? QColor(0x2a, 0x5c, 0xc8) : QColor(0x8c, 0xec, 0xf2));
    water.setColorAt(1, blue ? QColor(0x0a, 0x1e, 0x5a) : QColor(0x12, 0xa8, 0xc0));
    painter.fillRect(panel, water);
    drawWeed(painter, panel, blue ? QColor(0x1e, 0x7a, 0x6a) : QColor(0x2c, 0x8a, 0x3a));
    drawBubbles(painter, panel, blue ? QColor(0xb0, 0xd0, 0xff) : QColor(0xf4, 0xfc, 0xfc));
    if (!blue) {
        drawReef(painter, panel);
        return;
    }
    const QColor silver(0xd8, 0xe4, 0xf2), blueStripe(0x3a, 0x6a, 0xc8);
    for (int i = 0; i < 9; ++i) {
        const qreal t = i / 8.0;
        const QPointF at = panel.topLeft() + QPointF(12 + 40 * t + (i % 2) * 8 - 4, 12 + 62 * t);
        drawFish(painter, at, 11 + (i % 3) * 2, false, silver, blueStripe);
    }
    drawFish(painter, panel.topLeft() + QPointF(44, 22), 20, true, QColor(0xfc, 0xd2, 0x2a),
        QColor(0x1a, 0x30, 0x70));
    drawFish(painter, panel.topLeft() + QPointF(18, 64), 18, true, QColor(0xfc, 0xd2, 0x2a),
        QColor(0x1a, 0x30, 0x70));
}

void drawFlowerBack(QPainter& painter, const QRectF& panel)
{
    painter.fillRect(panel, QColor(0x8c, 0xcc, 0x6e));
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 6; ++col) {
            const QPointF c
                = panel.topLeft() + QPointF(5 + col * 11 + (row % 2) * 5.5, 5 + row * 11);
            drawPetals(painter, c, 5, 3.6, 2.6, QColor(0xfc, 0xf4, 0xd8));
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0xf2, 0xa6, 0x1c));
            painter.drawEllipse(c, 1.0, 1.0);
        }
    const QPointF centre = panel.center();
    painter.setPen(QPen(QColor(0x1e, 0x5a, 0x1c), 0.6));
    painter.setBrush(QColor(0x2f, 0x7a, 0x2c));
    for (const qreal angle : { 40.0, 140.0, 220.0, 320.0 }) {
        painter.save();
        painter.translate(centre);
        painter.rotate(angle);
        painter.drawEllipse(QPointF(0, -20), 5, 9);
        painter.restore();
    }
    drawPetals(painter, centre, 10, 24, 10, QColor(0xe8, 0x30, 0x5a));
    drawPetals(painter, centre, 10, 15, 7, QColor(0xf7, 0x72, 0x96), 18);
    painter.setPen(QPen(QColor(0xa8, 0x60, 0x00), 0.6));
    painter.setBrush(QColor(0xfc, 0xc8, 0x2a));
    painter.drawEllipse(centre, 4.5, 4.5);
}

} // namespace zucards
