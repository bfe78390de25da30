#include "game/review/review_marks.h"

#include <algorithm>
#include <cmath>

namespace zaviko::review {

namespace {

bool SameMove(const TMove& a, const TMove& b)
{
    return a.seat == b.seat && a.handSlot == b.handSlot && a.take == b.take;
}

} // namespace

const std::vector<TJudgedMove>& JudgedMoves(const TReviewedMove& reviewed, ReviewView view)
{
    return view == ReviewView::Fair ? reviewed.fair : reviewed.everyCard;
}

const TJudgedMove* BestMove(const TReviewedMove& reviewed, ReviewView view)
{
    const auto& judged = JudgedMoves(reviewed, view);
    const auto best = std::max_element(judged.begin(), judged.end(),
        [](const TJudgedMove& a, const TJudgedMove& b) { return a.value < b.value; });
    return best == judged.end() ? nullptr : &*best;
}

const TJudgedMove* PlayedMove(const TReviewedMove& reviewed, ReviewView view)
{
    for (const TJudgedMove& judged : JudgedMoves(reviewed, view))
        if (SameMove(judged.move, reviewed.played)) return &judged;
    return nullptr;
}

TMoveCost CostOf(const TReviewedMove& reviewed, ReviewView view)
{
    const TJudgedMove* best = BestMove(reviewed, view);
    const TJudgedMove* played = PlayedMove(reviewed, view);
    if (!best || !played || best == played) return {};
    return { std::max(0.0, best->value - played->value),
        std::hypot(best->stdError, played->stdError) };
}

MoveMark MarkOf(const TReviewedMove& reviewed, ReviewView view)
{
    const TMoveCost cost = CostOf(reviewed, view);
    const double clear = cost.points - cost.stdError;
    if (cost.points <= 0 || clear <= 0) return MoveMark::Best;
    if (cost.points >= kMistakeCost) return MoveMark::Mistake;
    if (cost.points >= kSmallMistakeCost) return MoveMark::SmallMistake;
    return MoveMark::Best;
}

int AccuracyPercent(const THandReview& review, ReviewView view)
{
    int judged = 0, best = 0;
    for (const TReviewedMove& reviewed : review.moves) {
        if (JudgedMoves(reviewed, view).empty()) continue;
        ++judged;
        best += MarkOf(reviewed, view) == MoveMark::Best;
    }
    return judged == 0 ? 100 : int(std::lround(100.0 * best / judged));
}

const TReviewedMove* CostliestMistake(const THandReview& review, ReviewView view)
{
    const TReviewedMove* costliest = nullptr;
    double most = 0;
    for (const TReviewedMove& reviewed : review.moves) {
        if (MarkOf(reviewed, view) == MoveMark::Best) continue;
        const double cost = CostOf(reviewed, view).points;
        if (!costliest || cost > most) costliest = &reviewed, most = cost;
    }
    return costliest;
}

} // namespace zaviko::review
