#pragma once

#include "zucards/court_figures.h"

#include <QColor>
#include <QLineF>
#include <QList>
#include <QPainter>
#include <QPen>

#include <initializer_list>

// Pieces shared by the court figures: the heads and the engraver's line work.
namespace zucards::court {

constexpr qreal HeadX = 35.5;
constexpr qreal HeadY = 24.5;
inline const QColor Hair { 0xe8, 0xa8, 0x18 };

QPen outline(qreal width = 0.6);
void fillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill);
void drawFace(QPainter& painter, qreal width, qreal height);
void drawStrands(QPainter& painter, std::initializer_list<QLineF> strands);
void drawPearls(QPainter& painter, const QList<QPointF>& points, const QColor& color);

void drawKingHead(QPainter& painter, const CourtPalette& palette);
// The queen's long hair falls behind her robe, so it is drawn before it.
void drawQueenHair(QPainter& painter);
void drawQueenHead(QPainter& painter, const CourtPalette& palette);
void drawJackHead(QPainter& painter, const CourtPalette& palette);

} // namespace zucards::court
