#include "zucards/court_figures.h"

#include "zucards/canvas.h"

#include <QPainterPath>

#include <initializer_list>

namespace zucards {

namespace {

constexpr qreal HeadX = 35.5;
constexpr qreal HeadY = 24.5;
const QColor Hair { 0xe8, 0xa8, 0x18 };
const QColor Steel { 0xe4, 0xe8, 0xf0 };

QPen outline(qreal width = 0.6)
{
    return QPen(ink::Black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill)
{
    painter.setPen(outline());
    painter.setBrush(fill);
    painter.drawPath(path);
}

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

void drawFace(QPainter& painter, qreal width, qreal height)
{
    QPainterPath face;
    face.addEllipse(QPointF(HeadX, HeadY), width, height);
    fillOutlined(painter, face, ink::Skin);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::Black);
    painter.drawEllipse(QPointF(HeadX - 2.2, HeadY - 0.6), 0.75, 0.6);
    painter.drawEllipse(QPointF(HeadX + 2.2, HeadY - 0.6), 0.75, 0.6);
    painter.setPen(outline(0.45));
    painter.drawLine(QPointF(HeadX - 3.4, HeadY - 2.4), QPointF(HeadX - 1.2, HeadY - 2.1));
    painter.drawLine(QPointF(HeadX + 3.4, HeadY - 2.4), QPointF(HeadX + 1.2, HeadY - 2.1));
    painter.drawLine(QPointF(HeadX, HeadY - 0.2), QPointF(HeadX - 0.5, HeadY + 1.8));
    painter.setPen(QPen(ink::Red, 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(HeadX - 1.3, HeadY + 3.4), QPointF(HeadX + 1.3, HeadY + 3.4));
}

// Darker lines in hair and beard, the engraver's hatching of printed courts.
void drawStrands(QPainter& painter, std::initializer_list<QLineF> strands)
{
    painter.setPen(QPen(Hair.darker(150), 0.45, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF& strand : strands)
        painter.drawLine(strand);
}

void drawHand(QPainter& painter, QPointF at)
{
    QPainterPath hand;
    hand.addEllipse(at, 2.2, 1.9);
    fillOutlined(painter, hand, ink::Skin);
}

void drawPearls(QPainter& painter, const QList<QPointF>& points, const QColor& color)
{
    painter.setPen(outline(0.45));
    painter.setBrush(color);
    for (const QPointF& p : points)
        painter.drawEllipse(p, 1.1, 1.1);
}

void drawSword(QPainter& painter)
{
    QPainterPath blade;
    blade.moveTo(47.5, 9.5);
    blade.lineTo(48.8, 12);
    blade.lineTo(48.8, 41);
    blade.lineTo(46.2, 41);
    blade.lineTo(46.2, 12);
    blade.closeSubpath();
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
    QPainterPath hair;
    hair.addEllipse(QPointF(HeadX, HeadY + 1), 8, 7.5);
    fillOutlined(painter, hair, Hair);
    drawFace(painter, 6.0, 7.0);
    QPainterPath beard;
    beard.moveTo(HeadX - 5.4, HeadY + 1.5);
    beard.quadTo(HeadX - 4.5, HeadY + 10, HeadX, HeadY + 10.5);
    beard.quadTo(HeadX + 4.5, HeadY + 10, HeadX + 5.4, HeadY + 1.5);
    beard.quadTo(HeadX + 3, HeadY + 5.5, HeadX + 1.6, HeadY + 2.6);
    beard.lineTo(HeadX - 1.6, HeadY + 2.6);
    beard.quadTo(HeadX - 3, HeadY + 5.5, HeadX - 5.4, HeadY + 1.5);
    fillOutlined(painter, beard, Hair);
    drawStrands(painter,
        { { { HeadX - 3.2, HeadY + 4.5 }, { HeadX - 1.8, HeadY + 9 } },
            { { HeadX, HeadY + 5.5 }, { HeadX, HeadY + 10 } },
            { { HeadX + 3.2, HeadY + 4.5 }, { HeadX + 1.8, HeadY + 9 } } });
    QPainterPath crown;
    crown.moveTo(28.5, 18.5);
    crown.lineTo(28, 11);
    crown.lineTo(31.5, 14);
    crown.lineTo(33, 9.5);
    crown.lineTo(35.5, 13);
    crown.lineTo(38, 9.5);
    crown.lineTo(39.5, 14);
    crown.lineTo(43, 11);
    crown.lineTo(42.5, 18.5);
    crown.closeSubpath();
    fillOutlined(painter, crown, ink::Yellow);
    drawPearls(painter, { { 28, 10.5 }, { 33, 9 }, { 38, 9 }, { 43, 10.5 } }, ink::Yellow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.secondary);
    painter.drawEllipse(QPointF(HeadX, 16.4), 1.2, 1.2);
    painter.drawEllipse(QPointF(31, 16.4), 0.9, 0.9);
    painter.drawEllipse(QPointF(40, 16.4), 0.9, 0.9);
    drawSword(painter);
}

void drawQueenHalf(QPainter& painter, const CourtPalette& palette)
{
    QPainterPath hair;
    hair.moveTo(HeadX - 6, HeadY - 4);
    hair.quadTo(HeadX - 10, HeadY + 6, HeadX - 9, HeadY + 12);
    hair.lineTo(HeadX + 9, HeadY + 12);
    hair.quadTo(HeadX + 10, HeadY + 6, HeadX + 6, HeadY - 4);
    hair.closeSubpath();
    fillOutlined(painter, hair, Hair);
    drawStrands(painter,
        { { { HeadX - 7.5, HeadY + 2 }, { HeadX - 7.8, HeadY + 11 } },
            { { HeadX + 7.5, HeadY + 2 }, { HeadX + 7.8, HeadY + 11 } } });
    drawRobe(painter, palette);
    QPainterPath lace;
    lace.moveTo(26, 32);
    for (int i = 0; i < 6; ++i)
        lace.quadTo(27.5 + i * 3.2, 36.5, 29.2 + i * 3.2, 32);
    lace.closeSubpath();
    fillOutlined(painter, lace, ink::Paper);
    drawFace(painter, 5.7, 6.9);
    QPainterPath fringe;
    fringe.moveTo(HeadX - 5.6, HeadY - 1);
    fringe.quadTo(HeadX - 5, HeadY - 6.8, HeadX, HeadY - 6.8);
    fringe.quadTo(HeadX + 5, HeadY - 6.8, HeadX + 5.6, HeadY - 1);
    fringe.quadTo(HeadX + 2, HeadY - 4.5, HeadX, HeadY - 4.2);
    fringe.quadTo(HeadX - 2, HeadY - 4.5, HeadX - 5.6, HeadY - 1);
    fillOutlined(painter, fringe, Hair);
    QPainterPath crown;
    crown.moveTo(30, 17.5);
    crown.lineTo(30.5, 12.5);
    crown.quadTo(33, 15, 35.5, 11);
    crown.quadTo(38, 15, 40.5, 12.5);
    crown.lineTo(41, 17.5);
    crown.closeSubpath();
    fillOutlined(painter, crown, ink::Yellow);
    drawPearls(painter, { { 30.5, 12 }, { 35.5, 10.3 }, { 40.5, 12 } }, ink::Paper);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.secondary);
    painter.drawEllipse(QPointF(HeadX, 15.6), 1.1, 1.1);
    drawFlower(painter);
}

void drawJackHalf(QPainter& painter, const CourtPalette& palette)
{
    drawRobe(painter, palette);
    QPainterPath collar;
    collar.moveTo(27, 32);
    collar.lineTo(44, 32);
    collar.lineTo(40, 36.5);
    collar.lineTo(35.5, 33.5);
    collar.lineTo(31, 36.5);
    collar.closeSubpath();
    fillOutlined(painter, collar, palette.trim);
    QPainterPath curls;
    curls.addEllipse(QPointF(HeadX - 5.6, HeadY + 2.5), 2.6, 4.2);
    curls.addEllipse(QPointF(HeadX + 5.6, HeadY + 2.5), 2.6, 4.2);
    fillOutlined(painter, curls.simplified(), Hair);
    drawFace(painter, 5.7, 6.9);
    QPainterPath feather;
    feather.moveTo(40, 15);
    feather.quadTo(46, 8, 43, 4.5);
    feather.quadTo(41, 10, 37.5, 14);
    feather.closeSubpath();
    fillOutlined(painter, feather, palette.robe);
    QPainterPath cap;
    cap.moveTo(27, 19.5);
    cap.quadTo(27.5, 11.5, 36, 11.5);
    cap.quadTo(44.5, 11.5, 45, 18);
    cap.quadTo(36, 15.5, 27, 19.5);
    cap.closeSubpath();
    fillOutlined(painter, cap, palette.secondary);
    QPainterPath band;
    band.moveTo(27, 19.5);
    band.quadTo(36, 15.5, 45, 18);
    band.lineTo(45, 19.8);
    band.quadTo(36, 17.5, 27, 21.5);
    band.closeSubpath();
    fillOutlined(painter, band, palette.trim);
    drawHalberd(painter);
}

} // namespace zucards
