#pragma once

#include <QColor>
#include <QPainter>

namespace zucards {

// The three printing colours of a court, varied by suit so that the twelve courts differ.
struct CourtPalette {
    QColor robe;
    QColor secondary;
    QColor trim;
};

// The upper half of a double-headed court figure, facing the viewer, in card units with
// the frame's middle line at y 48. The held object is on the right; mirror for the left.
void drawKingHalf(QPainter& painter, const CourtPalette& palette);
void drawQueenHalf(QPainter& painter, const CourtPalette& palette);
void drawJackHalf(QPainter& painter, const CourtPalette& palette);

} // namespace zucards
