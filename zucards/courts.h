#pragma once

#include "zucards/suits.h"

#include <QPainter>

namespace zucards {

// Jack (11), queen (12) or king (13): a framed double-headed figure.
void drawCourt(QPainter& painter, Suit suit, int rank);

} // namespace zucards
