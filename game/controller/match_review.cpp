// The review of the human's moves: the position before each move of the hand
// under way is kept, and the hand's moves go to the review's thread when the
// hand ends. Runs on the GUI thread.
#include "game/controller/match_controller.h"

#include "game/review/review_file.h"

void TMatchController::RememberForReview(const TMove& move)
{
    // The state is kept whole; what the review reads of it is only what the
    // human could see, and the every-card view reads the deal as it was.
    FHandMoves.hand = FState.HandsPlayed + 1;
    FHandMoves.moves.push_back({ FState, move, {}, {} });
}

void TMatchController::ResumeReviews(std::vector<THandReview> reviews)
{
    if (FRemoteSend || !ReviewsFitHistory(reviews, FState, FHistory)) return;
    FReview.Restore(std::move(reviews));
}

int TMatchController::ReviewHand()
{
    if (FHandMoves.moves.empty()) return 0;
    const int hand = FHandMoves.hand;
    FReview.Judge(std::move(FHandMoves));
    FHandMoves = {};
    return hand;
}
