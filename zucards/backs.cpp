#include "zucards/backs.h"

#include "zucards/canvas.h"

#include <QPainterPath>

namespace zucards {

namespace {

const QRectF Panel(4.5, 4.5, 62, 87);

// The dots back is keyed on white, so its border must stay just off white.
const QColor DotsBorder(0xf6, 0xf4, 0xee);

// A thin line around each design in its own leading colour, as printed backs have.
QColor rimColour(int back)
{
    static const QRgb rims[BackCount]
        = { 0x0c2a6e, 0x5a3310, 0x1f3a1a, 0x123d82, 0x0e7f8c, 0x10306e, 0xc4461a, 0xd9487a,
              0x44505e, 0x5b2a86, 0x2f7a2c, 0x1a2456, 0x9c1218, 0xc46a00, 0x1a2a5e };
    return QColor::fromRgb(rims[back]);
}

void drawDesign(QPainter& painter, int back)
{
    switch (back) {
    case 0:
        return drawDefaultBack(painter, Panel);
    case 1:
        return drawLabyrinthBack(painter, Panel);
    case 2:
        return drawIvyBack(painter, Panel, false);
    case 3:
        return drawIvyBack(painter, Panel, true);
    case 4:
        return drawFishBack(painter, Panel, false);
    case 5:
        return drawFishBack(painter, Panel, true);
    case 6:
        return drawHawaiiBack(painter, Panel);
    case 7:
        return drawIceCreamBack(painter, Panel);
    case 8:
        return drawRobotBack(painter, Panel);
    case 9:
        return drawTrickyBack(painter, Panel);
    case 10:
        return drawFlowerBack(painter, Panel);
    case 11:
        return drawCastleBack(painter, Panel);
    case 12:
        return drawXBack(painter, Panel);
    case 13:
        return drawOBack(painter, Panel);
    default:
        return drawDotsBack(painter, Panel);
    }
}

} // namespace

void drawBack(QImage& image, qreal scale, int back)
{
    const bool dots = back == DotsBack;
    const QRgb key = dots ? KeyWhite : KeyMagenta;
    fillBody(image, scale, dots ? DotsBorder : ink::Paper, key);
    QPainter painter;
    beginCardPainter(painter, image, scale);
    QPainterPath panel;
    panel.addRoundedRect(Panel, 3, 3);
    painter.save();
    painter.setClipPath(panel);
    drawDesign(painter, back);
    painter.restore();
    painter.setPen(QPen(rimColour(back), 0.9));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(panel);
    painter.end();
    keyCorners(image, scale, key);
}

} // namespace zucards
