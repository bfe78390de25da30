// Renders the "Analiza" window on made-up reviews of real hands: a costly
// move in the fair view and with every card shown, the best move played,
// a hand still being judged, and the end-of-hand dialog's "Analiza" button.
// Usage: zaviko_sheets analysis <folder>

#include "game/review/review_marks.h"
#include "ui/dialogs/deck_over_dialog.h"
#include "ui/review/analysis_window.h"

#include "tools/screenshots/review_positions.h"
#include "tools/screenshots/sheet_language.h"
#include "tools/screenshots/sheet_program.h"
#include "tools/screenshots/sheets.h"

namespace {

// The first move of the hand the view marks so, preferring a capture; the
// first move when none is.
int MoveMarked(const THandReview& review, MoveMark mark)
{
    int found = -1;
    for (int i = 0; i < int(review.moves.size()); ++i) {
        const TReviewedMove& m = review.moves[i];
        if (MarkOf(m, ReviewView::Fair) != mark) continue;
        if (!m.played.take.empty()) return i;
        if (found < 0) found = i;
    }
    return std::max(found, 0);
}

} // namespace

int RunAnalysisSheet(int argc, char** argv)
{
    TSheetProgram program(argc, argv, snCardPictures);
    if (!program.Ready() || !InstallSheetLanguage()) return 1;
    const QDir folder = program.Dir();
    const std::vector<THandReview> reviews { SampleHandReview(11, kEachForHimself, 1),
        SampleHandReview(12, kTwoPlayers, 2, false) };
    bool ok = true;

    // At the size it asks for: the offscreen screen is smaller than a
    // desktop's, and the window would shrink to fit it.
    TFAnaliza window;
    window.SetReviews(reviews);
    window.resize(window.sizeHint());
    window.GoTo(0, MoveMarked(reviews[0], MoveMark::Mistake));
    ok &= SaveSheet(window, folder, "analysis_fair");
    window.SetView(ReviewView::EveryCard);
    ok &= SaveSheet(window, folder, "analysis_every_card");
    window.SetView(ReviewView::Fair);
    window.GoTo(0, MoveMarked(reviews[0], MoveMark::Best));
    ok &= SaveSheet(window, folder, "analysis_best");
    window.GoTo(1, 3);
    window.SetView(ReviewView::EveryCard);
    ok &= SaveSheet(window, folder, "analysis_judging");

    // On a small screen the position shrinks whole.
    window.SetView(ReviewView::Fair);
    window.GoTo(0, MoveMarked(reviews[0], MoveMark::Mistake));
    window.show();
    window.resize(window.minimumSizeHint());
    ok &= SaveSheet(window, folder, "analysis_small");

    TFAnaliza none;
    none.resize(none.sizeHint());
    ok &= SaveSheet(none, folder, "analysis_none");

    TFDeckOverInfoDlg dialog;
    dialog.SetLastTaker("Pera");
    dialog.SetAnalysisAvailable(true);
    ok &= SaveSheet(dialog, folder, "deck_over_analysis");
    return ok ? 0 : 1;
}
