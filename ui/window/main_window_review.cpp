// The review of the human's moves as the window shows it: the end-of-hand
// dialog's lines and the marks of "Tok igre", each time a judgement lands.
#include "ui/window/main_window.h"

#include "game/controller/match_controller.h"
#include "game/controller/review_store.h"
#include "settings/ini.h"
#include "ui/dialogs/deck_over_dialog.h"
#include "ui/review/analysis_window.h"
#include "ui/window/move_history_panel.h"

#include <algorithm>

namespace {

const THandReview* FindHand(const std::vector<THandReview>& reviews, int hand)
{
    const auto found = std::find_if(
        reviews.begin(), reviews.end(), [hand](const THandReview& r) { return r.hand == hand; });
    return hand > 0 && found != reviews.end() ? &*found : nullptr;
}

} // namespace

const std::vector<THandReview>& TForm1::Reviews() const
{
    return FController->Reviews();
}

int TForm1::ReviewedHand() const
{
    return FController->ReviewedHand();
}

void TForm1::ShowHandEndReview(TFDeckOverInfoDlg& dialog, int hand)
{
    FHandEndDialog = &dialog;
    FHandEndReview = hand;
    dialog.SetReview(FindHand(Reviews(), hand));
}

void TForm1::ResumeReviews()
{
    if (const auto kept = TReviewStore(FSettings->FileName).Load())
        FController->ResumeReviews(*kept);
}

void TForm1::ShowReviews(const std::vector<THandReview>& reviews, int judgedHand)
{
    // Kept with the match in progress once every hand ended is judged, so a
    // resumed match keeps them; a match no more kept takes them along
    // (KeepMatchesInProgress).
    if (FSaver && FController && !FController->RemoteMatch() && judgedHand == 0 && !reviews.empty())
        TReviewStore(FSettings->FileName).Save(reviews);
    if (FHandEndDialog) FHandEndDialog->SetReview(FindHand(reviews, FHandEndReview));
    if (FHistory) FHistory->ShowReviews(reviews);
    // The "Analiza" window and its menu item follow them too; the window is
    // made when there is a hand to show (a new match at start has none).
    if (FAnalysis || !reviews.empty()) Analysis()->SetReviews(reviews);
    NameAnalysisItem();
    if (OnReviews) OnReviews(reviews, judgedHand);
}
