#pragma once

#include "game/review/move_review.h"

#include <functional>

namespace zaviko::review {

// Judging the human's moves: every legal move of the position, the played one
// always among them, played out by the master's search on the same samples,
// each valued as the hand's expected score difference (the mover's side less
// the best other side). The fair view deals the cards the mover could not see
// anew in every sample from what the mover knew; the every-card view plays
// out the deal as it was.

// Playouts per judged position, spread evenly over its legal moves. Set so
// that one hand of one deck, every move of the human judged in both views,
// takes at most 3 s of one core (zaviko_bench's ReviewOneHand prints it): the
// review runs while the player plays on, and a hand's marks should be ready
// by the time its end-of-hand dialog has been read. ZAVIKO_SEARCH_BUDGET pins
// it, as every search budget, for test runs.
inline constexpr int kReviewBudget = 3000;

// kReviewBudget, or the count of playouts the environment pins.
int ReviewBudget();

struct TJudgeSettings {
    int budget = -1; // playouts per position; below 0, ReviewBudget()
    // Threads the samples spread over; the values are the same on any number.
    int threads = 1;
    // Asked between playouts: true ends the judging within one playout.
    std::function<bool()> stopped;
};

// Every legal move of the played move's seat in `before`, best first (equal
// values in the search's candidate order); the played move is listed as it
// was played. Empty when stopped.
std::vector<TJudgedMove> JudgeMove(const TMatchState& before, const TMove& played, ReviewView view,
    const TJudgeSettings& settings);

// Judges every move of the hand whose view is not judged yet, every move in
// the fair view first, then in the every-card view; `judged` is told after
// each. False when stopped before the end (what was judged is kept).
bool JudgeHand(THandReview& hand, const TJudgeSettings& settings,
    const std::function<void(const THandReview&)>& judged = {});

} // namespace zaviko::review
