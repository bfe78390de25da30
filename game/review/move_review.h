#pragma once

#include "game/review/review_namespace.h"

#include "game/rules/match_rules.h"
#include "game/rules/match_state.h"

#include <vector>

namespace zaviko::review {

// The review of the human's moves ("Analiza"): every move the human made is
// judged by the master's search against every other legal move of that
// moment, as the hand's expected score difference (its side less the best
// other side), once from what the human could know and, afterwards, once
// with every card known. These are the values the end-of-hand dialog,
// "Tok igre" and the "Analiza" window show.

// What a move costs, in points, before it is called a mistake: the one
// place these thresholds are named.
inline constexpr double kSmallMistakeCost = 0.5;
inline constexpr double kMistakeCost = 1.5;

enum class MoveMark { Best, SmallMistake, Mistake };

// Which cards the judgement knew.
enum class ReviewView { Fair, EveryCard };

// One legal move with its expected score difference and that mean's
// standard error.
struct TJudgedMove {
    TMove move;
    double value = 0;
    double stdError = 0;
};

// One move of the human and how it was judged.
struct TReviewedMove {
    // The position when the human moved, every card as it was; what the
    // window draws of it is what the human saw.
    TMatchState before;
    TMove played;
    // Every legal move, best first, in each view; an empty list is a view
    // not judged yet.
    std::vector<TJudgedMove> fair;
    std::vector<TJudgedMove> everyCard;
};

// One hand's review: the human's moves in the order they were made.
struct THandReview {
    int hand = 0; // the hand's number in the match, from 1
    std::vector<TReviewedMove> moves;
};

} // namespace zaviko::review
