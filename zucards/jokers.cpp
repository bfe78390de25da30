#include "zucards/jokers.h"

#include "zucards/canvas.h"

#include <QPainterPath>

#include <cmath>

namespace zucards {

namespace {

struct JokerColours {
    QColor main;
    QColor second;
};

QPen line(qreal width = 0.6)
{
    return QPen(ink::Black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawTitle(QPainter& painter, const QColor& colour)
{
    const QString title = QStringLiteral("JOKER");
    for (int i = 0; i < title.size(); ++i)
        drawFittedText(
            painter, title.mid(i, 1), indexFont(8.5), colour, QPointF(7, 7.5 + i * 8.2), 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? 1.6 : 3.8;
        const qreal a = i * M_PI / 5 - M_PI / 2;
        star << QPointF(7 + r * std::cos(a), 51 + r * std::sin(a));
    }
    painter.drawPolygon(star);
}

void drawTunic(QPainter& painter, const JokerColours& c)
{
    const QPainterPath body = polygonPath({ { 23, 58 }, { 50, 58 }, { 56, 89 }, { 17, 89 } });
    painter.save();
    painter.setClipPath(body);
    painter.fillRect(QRectF(15, 55, 44, 36), c.second);
    painter.setBrush(c.main);
    // Harlequin lozenges meeting at their points; the gaps between them show the second colour.
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 7; ++col) {
            const QPointF centre(36.5 + (col - 3) * 9, 58 + row * 15);
            painter.drawPolygon(QPolygonF { centre + QPointF(0, -7.5), centre + QPointF(4.5, 0),
                centre + QPointF(0, 7.5), centre + QPointF(-4.5, 0) });
        }
    painter.restore();
    painter.setPen(line());
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);
}

void drawRuff(QPainter& painter, const JokerColours& c)
{
    QPolygonF ruff;
    for (int i = 0; i <= 12; ++i) {
        const qreal x = 21 + i * 2.58;
        ruff << QPointF(x, i % 2 ? 52 : 54);
    }
    for (int i = 12; i >= 0; --i)
        ruff << QPointF(21 + i * 2.58, i % 2 ? 62 : 59);
    painter.setPen(line());
    painter.setBrush(ink::Paper);
    painter.drawPolygon(ruff);
    painter.setBrush(c.main);
    for (const qreal x : { 28.0, 36.5, 45.0 })
        painter.drawEllipse(QPointF(x, 66 + (x == 36.5 ? 0 : 2)), 1.6, 1.6);
}

QPainterPath sideHorn()
{
    QPainterPath horn;
    horn.moveTo(26, 37.5);
    horn.quadTo(17, 33, 15.5, 20);
    horn.quadTo(27, 25, 34, 36);
    horn.closeSubpath();
    return horn;
}

void drawCap(QPainter& painter, const JokerColours& c)
{
    painter.setPen(line());
    painter.setBrush(c.main);
    painter.drawPath(sideHorn());
    painter.save();
    painter.translate(73, 0); // mirrored about the jester's middle at x 36.5
    painter.scale(-1, 1);
    painter.drawPath(sideHorn());
    painter.restore();
    QPainterPath middle;
    middle.moveTo(29.5, 36);
    middle.quadTo(31, 21, 36.5, 11);
    middle.quadTo(42, 21, 43.5, 36);
    middle.closeSubpath();
    painter.setBrush(c.second);
    painter.drawPath(middle);
    painter.setBrush(ink::Yellow);
    for (const QPointF tip : { QPointF(15.5, 20), QPointF(36.5, 10.5), QPointF(57.5, 20) })
        painter.drawEllipse(tip, 2.4, 2.4);
    painter.drawRoundedRect(QRectF(25.5, 34, 22, 4.5), 2, 2);
}

void drawArms(QPainter& painter, const JokerColours& c)
{
    painter.setPen(line());
    for (const int side : { -1, 1 }) {
        QPainterPath sleeve;
        sleeve.moveTo(36.5 + side * 12, 59);
        sleeve.quadTo(36.5 + side * 21, 62, 36.5 + side * 19, 74);
        sleeve.lineTo(36.5 + side * 14.5, 73);
        sleeve.quadTo(36.5 + side * 15, 66, 36.5 + side * 10, 64);
        sleeve.closeSubpath();
        painter.setBrush(side < 0 ? c.second : c.main);
        painter.drawPath(sleeve);
        painter.setBrush(ink::Skin);
        painter.drawEllipse(QPointF(36.5 + side * 16.8, 75.5), 2.4, 2.1);
    }
}

void drawFace(QPainter& painter, const JokerColours& c)
{
    painter.setPen(line());
    painter.setBrush(ink::Skin);
    painter.drawEllipse(QPointF(36.5, 45.5), 7.5, 8.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf3, 0x90, 0x90));
    painter.drawEllipse(QPointF(31.5, 48), 1.8, 1.3);
    painter.drawEllipse(QPointF(41.5, 48), 1.8, 1.3);
    painter.setBrush(ink::Black);
    painter.drawEllipse(QPointF(33.8, 43.5), 0.9, 1.1);
    painter.drawEllipse(QPointF(39.2, 43.5), 0.9, 1.1);
    painter.setBrush(c.main);
    painter.drawEllipse(QPointF(36.5, 46.8), 1.5, 1.5);
    painter.setPen(QPen(ink::Black, 0.7, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(32.5, 45.5, 8, 5.5), 200 * 16, 140 * 16);
}

} // namespace

void drawJoker(QPainter& painter, bool blue)
{
    const JokerColours colours
        = blue ? JokerColours { ink::Blue, ink::Yellow } : JokerColours { ink::Red, ink::Yellow };
    drawBothEnds(painter, [&] { drawTitle(painter, colours.main); });
    drawTunic(painter, colours);
    drawArms(painter, colours);
    drawRuff(painter, colours);
    drawCap(painter, colours);
    drawFace(painter, colours);
}

} // namespace zucards
