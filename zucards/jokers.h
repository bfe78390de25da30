#pragma once

#include <QPainter>

namespace zucards {

// A jester; the red and the blue joker differ in every coloured part, not only the title.
void drawJoker(QPainter& painter, bool blue);

} // namespace zucards
