#pragma once

#include "zucards/suits.h"

#include <QPainter>
#include <QString>

namespace zucards {

// Ranks in the library's order: 1 ace, 2..10, 11 jack, 12 queen, 13 king.
QString rankLabel(int rank);

// Rank and suit in the top-left corner and, turned half round, in the bottom-right one.
void drawIndices(QPainter& painter, const QString& rank, Suit suit);

// The traditional pip layouts of the number cards 2..10.
void drawNumberFace(QPainter& painter, Suit suit, int rank);

// One large pip; the ace of spades carries the deck's ornament.
void drawAce(QPainter& painter, Suit suit);

} // namespace zucards
