#pragma once

#include "game/review/move_review.h"

namespace zaviko::review {

// The judged moves of a view (empty when that view is not judged yet).
const std::vector<TJudgedMove>& JudgedMoves(const TReviewedMove& reviewed, ReviewView view);

// The best move of a view, or nullptr when the view is not judged.
const TJudgedMove* BestMove(const TReviewedMove& reviewed, ReviewView view);
// The played move among the judged ones, or nullptr.
const TJudgedMove* PlayedMove(const TReviewedMove& reviewed, ReviewView view);

// The played move's cost: the best value less the played one's, never
// below zero, and its standard error (the two means' errors together).
struct TMoveCost {
    double points = 0;
    double stdError = 0;
};
TMoveCost CostOf(const TReviewedMove& reviewed, ReviewView view);

// A move is a mistake only when its cost stands clear of zero: the cost
// less its standard error reaches the threshold's mark; a move not judged
// is Best.
MoveMark MarkOf(const TReviewedMove& reviewed, ReviewView view);

// The share of the hand's judged moves marked Best, in whole percent (100
// for a hand with none judged).
int AccuracyPercent(const THandReview& review, ReviewView view);

// The costliest move marked a mistake of either kind, or nullptr.
const TReviewedMove* CostliestMistake(const THandReview& review, ReviewView view);

} // namespace zaviko::review
