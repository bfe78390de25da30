#include "zucards/court_parts.h"

#include "zucards/canvas.h"

#include <QPainterPath>

namespace zucards::court {

QPen outline(qreal width)
{
    return QPen(ink::Black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill)
{
    painter.setPen(outline());
    painter.setBrush(fill);
    painter.drawPath(path);
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

void drawPearls(QPainter& painter, const QList<QPointF>& points, const QColor& color)
{
    painter.setPen(outline(0.45));
    painter.setBrush(color);
    for (const QPointF& p : points)
        painter.drawEllipse(p, 1.1, 1.1);
}

namespace {

void drawKingCrown(QPainter& painter, const CourtPalette& palette)
{
    const QPainterPath crown = polygonPath({ { 28.5, 18.5 }, { 28, 11 }, { 31.5, 14 }, { 33, 9.5 },
        { 35.5, 13 }, { 38, 9.5 }, { 39.5, 14 }, { 43, 11 }, { 42.5, 18.5 } });
    fillOutlined(painter, crown, ink::Yellow);
    drawPearls(painter, { { 28, 10.5 }, { 33, 9 }, { 38, 9 }, { 43, 10.5 } }, ink::Yellow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.secondary);
    painter.drawEllipse(QPointF(HeadX, 16.4), 1.2, 1.2);
    painter.drawEllipse(QPointF(31, 16.4), 0.9, 0.9);
    painter.drawEllipse(QPointF(40, 16.4), 0.9, 0.9);
}

} // namespace

void drawKingHead(QPainter& painter, const CourtPalette& palette)
{
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
    drawKingCrown(painter, palette);
}

void drawQueenHair(QPainter& painter)
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
}

void drawQueenHead(QPainter& painter, const CourtPalette& palette)
{
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
}

void drawJackHead(QPainter& painter, const CourtPalette& palette)
{
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
}

} // namespace zucards::court
