// The hint: "Majstor"'s move for the human (its search, on what S knows), shown as marks on the
// table and the hand card picked out by the view. Nothing is played. The search runs on a thread
// of its own (THintSearch); its move is shown here, on the GUI thread, when it arrives.
#include "game/controller/match_controller.h"

#include "game/computer/computer_choice.h"

bool TMatchController::HintAvailable() const
{
    return (!FRemoteSend || FRemoteHints) && !Busy() && !Stopping() && !FPendingSequence
        && !FState.GameOver && !FWaitingToStart && FState.CurrentPlayer == SeatS
        && FControls.PlayerS->Controller() == ctHuman && !HandEmpty(FState, SeatS);
}

std::vector<TTableSlot> TMatchController::CaptureOf(int handSlot) const
{
    if (handSlot < 0 || handSlot >= kHandSlots || Busy() || FState.GameOver
        || FState.CurrentPlayer != SeatS || FState.hands[SeatS][handSlot] == kNoCard)
        return {};
    // The card alone in the hand: the search's choice is then a capture by it
    // or its lay-down.
    THand alone {};
    alone[handSlot] = FState.hands[SeatS][handSlot];
    const TComputerChoice choice = ChooseComputerMove(alone, TableIds(FState), csPametno, 5);
    if (!choice.capture) return {};
    return MoveOfChoice(FState, SeatS, choice).take;
}

bool TMatchController::ShowHint()
{
    LandFlights();
    if (!HintAvailable()) {
        // Off the human's turn the key says why, as the playing keys do.
        if (!Stopping()) ShowNotice(WhyNotOnTurn());
        return false;
    }
    ClearTableMarks(); // also ends an earlier hint and drops its search
    // Every change of the state drops the search first, so the move that
    // arrives is one for the state as it stands then.
    return FHint.Start(
        FState, SeatS, [this](const TComputerChoice& choice) { ShowHintMove(choice); });
}

void TMatchController::ShowHintMove(const TComputerChoice& choice)
{
    if (choice.handSlot < 0 || !HintAvailable()) return;
    // The marks are made as the human's clicks make them, so Selection and
    // the marked cards agree and a click on the hand card plays the hint.
    for (const TTableSlot& place : MoveOfChoice(FState, SeatS, choice).take)
        ToggleTableMark(*TableCard(place));
    FHintSlot = choice.handSlot;
    FView.ShowHintCard(FHintSlot);
    Report(HintShownEvent(FState));
}

void TMatchController::ClearHint()
{
    FHint.Cancel();
    if (FHintSlot < 0) return;
    FHintSlot = -1;
    FView.ShowHintCard(-1);
}
