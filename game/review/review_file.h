#pragma once

#include "game/review/move_review.h"

#include "game/rules/match_file.h"

#include <optional>
#include <string>

namespace zaviko::review {

// The reviews of the match in progress as text, kept beside the saved match
// so a resumed match keeps them: per hand its number and moves, per move the
// position before it, the move and each view's judged moves.
std::string SaveReviewText(const std::vector<THandReview>& reviews);

// What SaveReviewText wrote; nothing, with the reason in `error`, for any
// other text (another file, a damaged or cut one, a position the rules
// cannot reach, a move that is not one of its position).
std::optional<std::vector<THandReview>> LoadReviewText(const std::string& text, std::string& error);

// Whether the reviews belong to the match of this history: every hand ended
// before the hand under way, and each reviewed move played the card the
// history has for the human in that hand, in order, as its last moves.
bool ReviewsFitHistory(
    const std::vector<THandReview>& reviews, const TMatchState& state, const TMoveHistory& history);

} // namespace zaviko::review
