#include "zucards/court_figures.h"

#include "zucards/canvas.h"
#include "zucards/court_parts.h"

#include <QPainterPath>

namespace zucards {

namespace {

using namespace court;

const QColor Steel { 0xe4, 0xe8, 0xf0 };

QPainterPath robePath()
{
    QPainterPath p;
    p.moveTo(16.5, 49);
    p.lineTo(18, 39);
    p.quadTo(20, 33.5, 27, 32.5);
    p.lineTo(44, 32.5);
    p.quadTo(51, 33.5, 53, 39);
    p.lineTo(54.5, 49);
    p.closeSubpath();
    return p;
}

// The robe with a patterned front panel, shared by all three ranks.
void drawRobe(QPainter& painter, const CourtPalette& palette)
{
    fillOutlined(painter, robePath(), palette.robe);
    QPainterPath panel;
    panel.addRect(31.5, 33, 8, 16);
    fillOutlined(painter, panel, palette.trim);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.secondary);
    for (qreal y = 36; y < 48; y += 4.5) {
        QPolygonF lozenge { { HeadX, y - 1.8 }, { HeadX + 2.2, y }, { HeadX, y + 1.8 },
            { HeadX - 2.2, y } };
        painter.drawPolygon(lozenge);
    }
    // Sleeve folds in the secondary colour, as printed courts band their sleeves.
    painter.setPen(outline());
    painter.setBrush(palette.secondary);
    painter.drawPolygon(QPolygonF { { 18.6, 36 }, { 25, 37 }, { 24, 49 }, { 16.6, 49 } });
    painter.drawPolygon(QPolygonF { { 52.4, 36 }, { 46, 37 }, { 47, 49 }, { 54.4, 49 } });
    // A woven pattern on the robe, the way printed courts fill every large area.
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.trim);
    for (const qreal x : { 27.8, 43.2 })
        for (qreal y = 38; y < 49; y += 4)
            painter.drawEllipse(QPointF(x, y), 0.9, 0.9);
    painter.setPen(QPen(palette.trim, 0.7));
    painter.drawLine(QPointF(20.6, 40), QPointF(20, 48));
    painter.drawLine(QPointF(50.4, 40), QPointF(51, 48));
}

void drawHand(QPainter& painter, QPointF at)
{
    QPainterPath hand;
    hand.addEllipse(at, 2.2, 1.9);
    fillOutlined(painter, hand, ink::Skin);
}

void drawSword(QPainter& painter)
{
    const QPainterPath blade
        = polygonPath({ { 47.5, 9.5 }, { 48.8, 12 }, { 48.8, 41 }, { 46.2, 41 }, { 46.2, 12 } });
    fillOutlined(painter, blade, Steel);
    QPainterPath guard;
    guard.addRoundedRect(43.5, 40.5, 8, 2, 1, 1);
    fillOutlined(painter, guard, ink::Yellow);
    drawHand(painter, QPointF(47.5, 44.5));
}

void drawFlower(QPainter& painter)
{
    painter.setPen(QPen(ink::Black, 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(47.5, 19), QPointF(47.5, 43));
    QPainterPath leaf;
    leaf.moveTo(47.5, 31);
    leaf.quadTo(52, 26, 53, 29);
    leaf.quadTo(51, 32, 47.5, 31);
    fillOutlined(painter, leaf, ink::Blue);
    painter.setPen(outline(0.5));
    painter.setBrush(ink::Red);
    for (int i = 0; i < 5; ++i) {
        painter.save();
        painter.translate(47.5, 16.5);
        painter.rotate(i * 72);
        painter.drawEllipse(QPointF(0, -2.4), 1.6, 2.3);
        painter.restore();
    }
    painter.setBrush(ink::Yellow);
    painter.drawEllipse(QPointF(47.5, 16.5), 1.4, 1.4);
    drawHand(painter, QPointF(47.5, 42));
}

void drawHalberd(QPainter& painter)
{
    painter.setPen(QPen(ink::Black, 1.6, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(48, 10), QPointF(48, 47));
    painter.setPen(QPen(QColor(0x8a, 0x5a, 0x20), 0.8, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(48, 12), QPointF(48, 47));
    QPainterPath axe;
    axe.moveTo(48, 13);
    axe.quadTo(54, 13, 55, 17.5);
    axe.quadTo(54, 22, 48, 21);
    axe.closeSubpath();
    axe.moveTo(48, 7.5);
    axe.lineTo(49.4, 12);
    axe.lineTo(46.6, 12);
    axe.closeSubpath();
    fillOutlined(painter, axe, Steel);
    drawHand(painter, QPointF(48, 41));
}

void drawErmine(QPainter& painter, qreal y)
{
    QPainterPath collar;
    collar.addRoundedRect(24, y, 23, 3.6, 1.8, 1.8);
    fillOutlined(painter, collar, ink::Paper);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::Black);
    for (qreal x = 27; x < 46; x += 3.6)
        painter.drawEllipse(QPointF(x, y + 1.8), 0.55, 0.9);
}

} // namespace

void drawKingHalf(QPainter& painter, const CourtPalette& palette)
{
    drawRobe(painter, palette);
    drawErmine(painter, 31);
    drawKingHead(painter, palette);
    drawSword(painter);
}

void drawQueenHalf(QPainter& painter, const CourtPalette& palette)
{
    drawQueenHair(painter);
    drawRobe(painter, palette);
    QPainterPath lace;
    lace.moveTo(26, 32);
    for (int i = 0; i < 6; ++i)
        lace.quadTo(27.5 + i * 3.2, 36.5, 29.2 + i * 3.2, 32);
    lace.closeSubpath();
    fillOutlined(painter, lace, ink::Paper);
    drawQueenHead(painter, palette);
    drawFlower(painter);
}

void drawJackHalf(QPainter& painter, const CourtPalette& palette)
{
    drawRobe(painter, palette);
    const QPainterPath collar
        = polygonPath({ { 27, 32 }, { 44, 32 }, { 40, 36.5 }, { 35.5, 33.5 }, { 31, 36.5 } });
    fillOutlined(painter, collar, palette.trim);
    drawJackHead(painter, palette);
    drawHalberd(painter);
}

} // namespace zucards
