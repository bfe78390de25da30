#pragma once

#include "game/review/move_review.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The "Analiza" window's words for one reviewed move: which hand and move,
// what was played, the best move, their values and the cost with its mark.
// The same lines are shown and read to a screen reader.
class TReviewWords {
    Q_DECLARE_TR_FUNCTIONS(TReviewWords)
public:
    // "Ruka 2, potez 5 od 24".
    static QString Heading(int hand, int move, int moves);
    // "7 karo nosi 3 tref i 4 pik", "7 karo na talon".
    static QString MoveText(const TMatchState& before, const TMove& move);
    // The mark's short name; a best mark that costs something is "Dobar potez".
    static QString Mark(MoveMark mark, double cost);
    static QString ViewName(ReviewView view);
    // The lines under the heading: the move played, the best move and the
    // cost in the view; a view not judged yet says the judging goes on.
    static QStringList Lines(const TReviewedMove& reviewed, ReviewView view);
    static QString Judging();
    // A signed value with one decimal: "+1.5", "-0.3".
    static QString Value(double value);
};
