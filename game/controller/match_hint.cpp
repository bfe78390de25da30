// The hint: "Majstor"'s move for the human (its search, on what S knows), shown as marks on the
// table and the hand card picked out by the view. Nothing is played. Runs on the GUI thread.
#include "game/controller/match_controller.h"

#include "game/computer/search_player.h"

bool TMatchController::HintAvailable() const
{
    return !FBusy && !FStopping && !FPendingSequence && !FState.GameOver && !FWaitingToStart
        && FState.CurrentPlayer == SeatS && FControls.PlayerS->Controller() == ctHuman
        && !HandEmpty(FState, SeatS);
}

bool TMatchController::ShowHint()
{
    if (!HintAvailable()) return false;
    ClearTableMarks(); // also ends an earlier hint
    const TComputerChoice choice = SearchMove(FState, SeatS).choice;
    if (choice.handSlot < 0) return false;
    // The marks are made as the human's clicks make them, so Selection and
    // the marked cards agree and a click on the hand card plays the hint.
    for (const TTableSlot& place : MoveOfChoice(FState, SeatS, choice).take)
        ToggleTableMark(*TableCard(place));
    FHintSlot = choice.handSlot;
    FView.ShowHintCard(FHintSlot);
    Report(HintShownEvent(FState));
    return true;
}

void TMatchController::ClearHint()
{
    if (FHintSlot < 0) return;
    FHintSlot = -1;
    FView.ShowHintCard(-1);
}
