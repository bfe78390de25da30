// Taking the human's move back: the match as it was just before that move,
// kept for every move of the hand under way. Runs on the GUI thread.
#include "game/controller/match_controller.h"

#include "platform/random.h"

#include <QCoreApplication>

void TMatchController::RememberForUndo()
{
    // The state is values and the generator's state is text, so the step is
    // the whole match: the computers' answers repeat from it draw for draw.
    FUndo.Remember({ FState, FLastMoves, FRandom.State(), FHandClears, FHistory.size() });
}

bool TMatchController::UndoAvailable() const
{
    return !FRemoteSend && !FUndo.Empty() && !Busy() && !Stopping() && !FWaitingToStart
        && !FState.GameOver && FState.CurrentPlayer == SeatS && !FPendingSequence;
}

bool TMatchController::UndoMove()
{
    LandFlights();
    if (!UndoAvailable()) {
        // Off the human's turn that is the reason, as for every other key.
        const QString why = WhyNotOnTurn();
        if (!Stopping())
            ShowNotice(why.isEmpty()
                    ? QCoreApplication::translate("TMatchController", "Nema poteza za vracanje.")
                    : why);
        return false;
    }
    const TUndoStep step = *FUndo.TakeBack();
    ClearTableMarks();
    ShowWholeState(step.state, step.lastMoves);
    FRandom.SetState(step.randomState);
    FHandClears = step.humanClears;
    FHistory.resize(step.historySize);
    // The move taken back is not the human's any more: it is not judged.
    if (!FHandMoves.moves.empty()) FHandMoves.moves.pop_back();
    FView.ShowHistory(FHistory);
    LogLine(Name(SeatS) + QStringLiteral(" vraca potez"));
    ShowNotice(QCoreApplication::translate("TMatchController", "Potez je vracen."));
    ReportProgress();
    return true;
}
