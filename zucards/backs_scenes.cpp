#include "zucards/backs.h"

#include "zucards/canvas.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace zucards {

namespace {

QPen dark(qreal width, const QColor& colour = QColor(0x20, 0x20, 0x28))
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawPalm(QPainter& painter, QPointF base, QPointF crown)
{
    const QColor trunk(0x4a, 0x2c, 0x16), frond(0x1e, 0x5a, 0x24);
    QPainterPath stem;
    stem.moveTo(base);
    stem.quadTo(QPointF(base.x() + 8, (base.y() + crown.y()) / 2), crown);
    painter.setPen(dark(2.4, trunk));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(stem);
    painter.setPen(dark(0.5, frond));
    painter.setBrush(frond);
    for (const qreal angle : { -150.0, -110.0, -70.0, -30.0, 10.0, 170.0 }) {
        const qreal a = qDegreesToRadians(angle);
        const QPointF tip = crown + QPointF(std::cos(a) * 14, std::sin(a) * 8 + 6);
        const QPointF mid = crown + QPointF(std::cos(a) * 8, std::sin(a) * 8 - 2);
        QPainterPath leaf;
        leaf.moveTo(crown);
        leaf.quadTo(mid + QPointF(0, -2), tip);
        leaf.quadTo(mid + QPointF(0, 1.5), crown);
        painter.drawPath(leaf);
    }
}

void drawHibiscus(QPainter& painter, QPointF at)
{
    painter.setPen(dark(0.4, QColor(0x90, 0x10, 0x30)));
    painter.setBrush(QColor(0xf0, 0x2a, 0x60));
    for (int i = 0; i < 5; ++i) {
        painter.save();
        painter.translate(at);
        painter.rotate(i * 72);
        painter.drawEllipse(QPointF(0, -2.6), 2.2, 2.8);
        painter.restore();
    }
    painter.setBrush(QColor(0xfc, 0xe0, 0x40));
    painter.drawEllipse(at, 1.0, 1.0);
}

void drawScoop(QPainter& painter, QPointF centre, qreal radius, const QColor& colour)
{
    QPainterPath scoop;
    scoop.addEllipse(centre, radius, radius * 0.9);
    QPainterPath drip;
    drip.moveTo(centre + QPointF(-radius, 2));
    for (int i = 0; i < 4; ++i) {
        const qreal x = centre.x() - radius + (i + 0.5) * radius / 2;
        drip.quadTo(QPointF(x, centre.y() + radius * (i % 2 ? 0.9 : 1.3)),
            QPointF(x + radius / 4, centre.y() + 2));
    }
    painter.setPen(dark(0.6, colour.darker(150)));
    painter.setBrush(colour);
    painter.drawPath(scoop.united(drip));
}

void drawStar(QPainter& painter, QPointF at, qreal r)
{
    painter.drawPolygon(QPolygonF { at + QPointF(0, -r), at + QPointF(r / 4, -r / 4),
        at + QPointF(r, 0), at + QPointF(r / 4, r / 4), at + QPointF(0, r),
        at + QPointF(-r / 4, r / 4), at + QPointF(-r, 0), at + QPointF(-r / 4, -r / 4) });
}

void drawTower(QPainter& painter, QRectF body, const QColor& wall, const QColor& roof)
{
    painter.setPen(dark(0.5, QColor(0x30, 0x30, 0x40)));
    painter.setBrush(wall);
    painter.drawRect(body);
    painter.setBrush(roof);
    const qreal h = body.width() * 1.3;
    painter.drawPolygon(QPolygonF { QPointF(body.left() - 1.2, body.top()),
        QPointF(body.center().x(), body.top() - h), QPointF(body.right() + 1.2, body.top()) });
    painter.setPen(dark(0.5, QColor(0x30, 0x30, 0x40)));
    const QPointF pole(body.center().x(), body.top() - h);
    painter.drawLine(pole, pole + QPointF(0, -4));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0x20, 0x30));
    painter.drawPolygon(
        QPolygonF { pole + QPointF(0, -4), pole + QPointF(3.5, -3), pole + QPointF(0, -2) });
    painter.setBrush(QColor(0xfc, 0xd8, 0x4a));
    painter.drawRoundedRect(QRectF(body.center().x() - 0.9, body.top() + 3, 1.8, 3), 0.9, 0.9);
}

void drawGrid(QPainter& painter, const QRectF& panel, const QColor& ground, const QColor& line)
{
    painter.fillRect(panel, ground);
    painter.setPen(QPen(line, 0.6));
    for (qreal x = panel.left(); x < panel.right(); x += 5)
        painter.drawLine(QPointF(x, panel.top()), QPointF(x, panel.bottom()));
    for (qreal y = panel.top(); y < panel.bottom(); y += 5)
        painter.drawLine(QPointF(panel.left(), y), QPointF(panel.right(), y));
}

const QColor RobotRed(0xe0, 0x30, 0x30);

void drawRobotHead(QPainter& painter, QPointF c)
{
    painter.setPen(dark(0.8));
    painter.drawLine(c + QPointF(0, -30), c + QPointF(0, -24));
    painter.setBrush(RobotRed);
    painter.drawEllipse(c + QPointF(0, -31), 2, 2);
    painter.setBrush(QColor(0xc8, 0xd0, 0xd8));
    painter.drawRoundedRect(QRectF(c + QPointF(-12, -24), QSizeF(24, 18)), 3, 3);
    painter.setBrush(QColor(0xfc, 0xe8, 0x4a));
    painter.drawEllipse(c + QPointF(-5.5, -17), 3.2, 3.2);
    painter.drawEllipse(c + QPointF(5.5, -17), 3.2, 3.2);
    painter.setBrush(QColor(0x20, 0x20, 0x28));
    painter.drawEllipse(c + QPointF(-5.5, -17), 1.2, 1.2);
    painter.drawEllipse(c + QPointF(5.5, -17), 1.2, 1.2);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(c + QPointF(-6, -11.5), QSizeF(12, 3)));
    for (int i = 1; i < 4; ++i)
        painter.drawLine(c + QPointF(-6 + i * 3, -11.5), c + QPointF(-6 + i * 3, -8.5));
}

void drawRobotBody(QPainter& painter, QPointF c)
{
    painter.setPen(dark(0.8));
    painter.setBrush(QColor(0xc8, 0xd0, 0xd8));
    painter.drawRect(QRectF(c + QPointF(-16, -3), QSizeF(32, 26)));
    painter.setBrush(QColor(0x8a, 0x96, 0xa2));
    painter.drawRect(QRectF(c + QPointF(-22, -2), QSizeF(5, 20)));
    painter.drawRect(QRectF(c + QPointF(17, -2), QSizeF(5, 20)));
    painter.drawRect(QRectF(c + QPointF(-11, 24), QSizeF(7, 13)));
    painter.drawRect(QRectF(c + QPointF(4, 24), QSizeF(7, 13)));
    painter.drawRect(QRectF(c + QPointF(-4, -6), QSizeF(8, 3)));
    painter.setBrush(QColor(0x20, 0x30, 0x40));
    painter.drawRoundedRect(QRectF(c + QPointF(-10, 2), QSizeF(20, 12)), 1.5, 1.5);
    const QColor lights[] = { RobotRed, QColor(0x4c, 0xe0, 0x5a), QColor(0xfc, 0xd2, 0x2a) };
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(lights[i]);
        painter.drawEllipse(c + QPointF(-6 + i * 6, 6), 1.6, 1.6);
    }
    painter.setBrush(QColor(0x7a, 0xe0, 0xf0));
    painter.drawRect(QRectF(c + QPointF(-7, 10), QSizeF(14, 1.5)));
}

void drawNightSky(QPainter& painter, const QRectF& panel)
{
    QLinearGradient sky(panel.topLeft(), panel.bottomLeft());
    sky.setColorAt(0, QColor(0x0a, 0x10, 0x3a));
    sky.setColorAt(1, QColor(0x3a, 0x4a, 0x9a));
    painter.fillRect(panel, sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xfc, 0xf0, 0xb0));
    painter.drawEllipse(panel.topLeft() + QPointF(48, 12), 6, 6);
    painter.setBrush(QColor(0x14, 0x1c, 0x4a));
    painter.drawEllipse(panel.topLeft() + QPointF(51, 10), 5.5, 5.5);
    painter.setBrush(QColor(0xfc, 0xf4, 0xc0));
    for (int i = 0; i < 11; ++i)
        drawStar(painter, panel.topLeft() + QPointF(4 + (i * 29) % 56, 5 + (i * 17) % 30),
            i % 3 ? 1.0 : 1.8);
    painter.setBrush(QColor(0x2c, 0x7a, 0x34));
    painter.drawEllipse(QRectF(panel.left() - 20, panel.bottom() - 20, panel.width() + 40, 40));
}

void drawCone(QPainter& painter, QPointF c)
{
    const QPainterPath cone
        = polygonPath({ { c + QPointF(-10, 6) }, { c + QPointF(10, 6) }, { c + QPointF(0, 38) } });
    painter.setPen(dark(0.6, QColor(0x8a, 0x52, 0x1a)));
    painter.setBrush(QColor(0xe4, 0xa8, 0x52));
    painter.drawPath(cone);
    painter.save();
    painter.setClipPath(cone);
    painter.setPen(dark(0.5, QColor(0xa8, 0x6a, 0x22)));
    for (qreal d = -30; d < 30; d += 4) {
        painter.drawLine(c + QPointF(d, 6), c + QPointF(d + 30, 40));
        painter.drawLine(c + QPointF(d, 6), c + QPointF(d - 30, 40));
    }
    painter.restore();
}

} // namespace

void drawHawaiiBack(QPainter& painter, const QRectF& panel)
{
    const qreal horizon = panel.top() + 52;
    QLinearGradient sky(panel.topLeft(), QPointF(panel.left(), horizon));
    sky.setColorAt(0, QColor(0x7a, 0x2a, 0x8c));
    sky.setColorAt(0.5, QColor(0xf0, 0x5a, 0x4a));
    sky.setColorAt(1, QColor(0xfc, 0xc4, 0x4a));
    painter.fillRect(QRectF(panel.topLeft(), QPointF(panel.right(), horizon)), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xfc, 0xe8, 0x6a));
    painter.drawEllipse(QPointF(panel.center().x() + 6, horizon), 13, 13);
    QLinearGradient sea(QPointF(0, horizon), panel.bottomLeft());
    sea.setColorAt(0, QColor(0x1c, 0x8c, 0xc0));
    sea.setColorAt(1, QColor(0x0a, 0x3c, 0x7a));
    painter.fillRect(QRectF(QPointF(panel.left(), horizon), panel.bottomRight()), sea);
    painter.setPen(dark(0.6, QColor(0xa8, 0xe0, 0xf4)));
    for (int i = 0; i < 6; ++i) {
        const qreal y = horizon + 4 + i * 5.5, x = panel.left() + 6 + (i % 2) * 14;
        painter.drawArc(QRectF(x, y, 8, 3), 0, 180 * 16);
        painter.drawArc(QRectF(x + 26, y + 1, 8, 3), 0, 180 * 16);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0xc8, 0x7a));
    painter.drawEllipse(QRectF(panel.left() - 10, panel.bottom() - 16, 44, 26));
    drawPalm(painter, QPointF(panel.left() + 12, panel.bottom() - 8),
        QPointF(panel.left() + 14, panel.top() + 26));
    drawHibiscus(painter, QPointF(panel.right() - 10, panel.bottom() - 10));
    drawHibiscus(painter, QPointF(panel.right() - 18, panel.bottom() - 5));
}

void drawIceCreamBack(QPainter& painter, const QRectF& panel)
{
    painter.fillRect(panel, QColor(0xfc, 0xd2, 0xe0));
    for (qreal x = panel.left(); x < panel.right(); x += 8)
        painter.fillRect(QRectF(x, panel.top(), 4, panel.height()), QColor(0xfc, 0xe6, 0xee));
    const QPointF c = panel.center();
    drawCone(painter, c);
    drawScoop(painter, c + QPointF(0, 2), 11, QColor(0xa0, 0x62, 0x3c));
    drawScoop(painter, c + QPointF(0, -11), 10, QColor(0xfa, 0xf0, 0xc8));
    drawScoop(painter, c + QPointF(0, -23), 9, QColor(0xf4, 0x7a, 0xa4));
    painter.setPen(dark(0.5, QColor(0x60, 0x08, 0x10)));
    painter.setBrush(QColor(0xd8, 0x10, 0x28));
    painter.drawEllipse(c + QPointF(0, -33), 3, 3);
    painter.drawLine(c + QPointF(0, -35.5), c + QPointF(2.5, -39));
    const QColor sprinkles[]
        = { QColor(0x3a, 0x9a, 0xf0), QColor(0x4c, 0xc2, 0x4a), QColor(0xfc, 0xd2, 0x2a) };
    for (int i = 0; i < 9; ++i) {
        const QPointF s = c + QPointF(-6 + (i * 37 % 13), -27 + (i * 23 % 8));
        painter.setPen(QPen(sprinkles[i % 3], 0.9, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(s, s + QPointF(1.2, i % 2 ? 0.8 : -0.8));
    }
}

void drawRobotBack(QPainter& painter, const QRectF& panel)
{
    drawGrid(painter, panel, QColor(0x3a, 0xa8, 0xa0), QColor(0x5c, 0xc4, 0xbc));
    drawRobotBody(painter, panel.center());
    drawRobotHead(painter, panel.center());
}

void drawCastleBack(QPainter& painter, const QRectF& panel)
{
    drawNightSky(painter, panel);
    const QColor wall(0xb8, 0xb0, 0xa8), roof(0xc8, 0x28, 0x38);
    const QPointF base(panel.center().x(), panel.bottom() - 16);
    painter.setPen(dark(0.5, QColor(0x30, 0x30, 0x40)));
    painter.setBrush(wall);
    painter.drawRect(QRectF(base + QPointF(-18, -22), QSizeF(36, 22)));
    for (int i = 0; i < 9; ++i)
        painter.drawRect(QRectF(base + QPointF(-18 + i * 4, -24), QSizeF(2, 2)));
    drawTower(painter, QRectF(base + QPointF(-24, -30), QSizeF(8, 30)), wall, roof);
    drawTower(painter, QRectF(base + QPointF(16, -30), QSizeF(8, 30)), wall, roof);
    drawTower(painter, QRectF(base + QPointF(-6, -38), QSizeF(12, 20)), wall, roof);
    painter.setBrush(QColor(0x4a, 0x2c, 0x16));
    QPainterPath gate;
    gate.moveTo(base + QPointF(-4.5, 0));
    gate.lineTo(base + QPointF(-4.5, -8));
    gate.arcTo(QRectF(base + QPointF(-4.5, -12.5), QSizeF(9, 9)), 180, -180);
    gate.lineTo(base + QPointF(4.5, 0));
    gate.closeSubpath();
    painter.drawPath(gate);
}

} // namespace zucards
