#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <initializer_list>

namespace zucards {

constexpr int CardWidth = 71;
constexpr int CardHeight = 96;

// The game keys these exact colours out, so no picture may use them inside the card.
constexpr QRgb KeyMagenta = 0xffff00ff;
constexpr QRgb KeyWhite = 0xffffffff;

// Printing inks shared by faces, courts and jokers, so the deck reads as one print run.
namespace ink {
inline const QColor Red { 0xd0, 0x10, 0x1c };
inline const QColor Black { 0x14, 0x14, 0x18 };
inline const QColor Blue { 0x1d, 0x3f, 0xa8 };
inline const QColor Yellow { 0xf4, 0xc4, 0x20 };
inline const QColor Skin { 0xfb, 0xde, 0xc0 };
inline const QColor Paper { 0xff, 0xff, 0xff };
} // namespace ink

// Fills the whole picture with `body` without antialiasing (the game draws its own outline
// over the outermost pixels), then puts the background key into the bevelled corners.
void fillBody(QImage& image, qreal scale, const QColor& body, QRgb key);

// Resets the corner pixels outside the bevel to the key after painting, so no blended
// colour can sit where the game expects its transparent colour.
void keyCorners(QImage& image, qreal scale, QRgb key);

// A painter in card units (71 x 96), whatever the scale; antialiased inside the card.
void beginCardPainter(QPainter& painter, QImage& image, qreal scale);

// The device pixels of card unit `unit` at `scale`: from CardPixel(unit) up to
// CardPixel(unit + 1), so the units of any scale tile the picture without a gap.
inline int CardPixel(int unit, qreal scale)
{
    return qRound(unit * scale);
}

// A condensed bold sans for indices; Qt falls back to the system sans when it is missing.
QFont indexFont(qreal pixelSize);

// Draws `text` centred on `centre`, squeezed horizontally when wider than `maxWidth`.
void drawFittedText(QPainter& painter, const QString& text, const QFont& font, const QColor& colour,
    QPointF centre, qreal maxWidth);

// Runs `draw` as printed, then again turned half round about the card's centre,
// as the two ends of a card are printed.
template <typename Draw> void drawBothEnds(QPainter& painter, Draw draw)
{
    draw();
    painter.save();
    painter.translate(CardWidth, CardHeight);
    painter.rotate(180);
    draw();
    painter.restore();
}

// A closed path through the given corners, in order.
QPainterPath polygonPath(std::initializer_list<QPointF> corners);

} // namespace zucards
