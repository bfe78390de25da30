#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace zucards {

constexpr int BackCount = 15;
constexpr int DotsBack = 14;

// Draws back `back` (0 default ... 14 dots) with its border over the whole picture.
void drawBack(QImage& image, qreal scale, int back);

// The designs inside the border, each painting the panel `panel` (card units; the painter
// is clipped to it).
void drawDefaultBack(QPainter& painter, const QRectF& panel);
void drawLabyrinthBack(QPainter& painter, const QRectF& panel);
void drawTrickyBack(QPainter& painter, const QRectF& panel);
void drawXBack(QPainter& painter, const QRectF& panel);
void drawOBack(QPainter& painter, const QRectF& panel);
void drawDotsBack(QPainter& painter, const QRectF& panel);
void drawIvyBack(QPainter& painter, const QRectF& panel, bool blue);
void drawFishBack(QPainter& painter, const QRectF& panel, bool blue);
void drawFlowerBack(QPainter& painter, const QRectF& panel);
void drawHawaiiBack(QPainter& painter, const QRectF& panel);
void drawIceCreamBack(QPainter& painter, const QRectF& panel);
void drawRobotBack(QPainter& painter, const QRectF& panel);
void drawCastleBack(QPainter& painter, const QRectF& panel);

} // namespace zucards
