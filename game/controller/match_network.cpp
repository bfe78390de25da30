// A match at a network table: the server sends each change and the
// controller shows it through the code that shows a local match. A move is
// the rules' own move played on the controller's state by the computer
// seats' display path (reveal, flight, last-move marks, log), a deal and a
// hand's end take the server's state and are shown as the sequence shows
// them. Steps are shown in order on the worker, like a computer sequence.
#include "game/controller/match_controller.h"

#include "cards/deck/zucard_deck.h"

void TMatchController::BeginRemoteMatch(std::function<void(const TMove&)> send,
    const std::array<QString, kSeatCount>& names, bool hints)
{
    StopSequence();
    ClearHint();
    FRemoteSend = std::move(send);
    FRemoteHints = hints;
    // The server's table keeps its cards in their slots; moves name them so.
    FTableToMiddle = false;
    {
        std::lock_guard lock(FRemoteLock);
        FRemoteSteps.clear();
    }
    FUndo.Clear();
    // The local match's review goes with it: no move at a network table is
    // judged, and a hand of it ending must not take the local hand's moves.
    FHandMoves = {};
    FReview.Clear();
    // A local match that waited for "Pocni igru" waits no more: the server
    // starts this one.
    SetWaitingToStart(false);
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        Seat(seat)->SetPlayerName(names[seat]);
        // Nobody sees another player's cards at a network table.
        if (seat != SeatS) Seat(seat)->SetShowBack(true);
    }
    FillScoreNames();
}

void TMatchController::EndRemoteMatch()
{
    if (!FRemoteSend) return;
    StopSequence();
    FRemoteSend = nullptr;
    {
        std::lock_guard lock(FRemoteLock);
        FRemoteSteps.clear();
    }
    ApplyNames();
}

int TMatchController::RemoteStepsWaiting() const
{
    std::lock_guard lock(FRemoteLock);
    return int(FRemoteSteps.size());
}

void TMatchController::ShowRemoteStep(TRemoteStep step)
{
    if (!FRemoteSend) return;
    {
        std::lock_guard lock(FRemoteLock);
        FRemoteSteps.push_back(std::move(step));
    }
    RunRemoteSteps();
}

// One sequence shows every step waiting; a step that comes while it ends
// starts the next sequence from SequenceEnded.
void TMatchController::RunRemoteSteps()
{
    if (Busy() || Stopping() || !FRemoteSend || RemoteStepsWaiting() == 0) return;
    FWorker.Start([this] {
        for (;;) {
            std::optional<TRemoteStep> step;
            {
                std::lock_guard lock(FRemoteLock);
                if (FRemoteSteps.empty()) return;
                step = std::move(FRemoteSteps.front());
                FRemoteSteps.pop_front();
            }
            if (FWorker.Terminated()) return;
            PlayRemoteStep(*step);
        }
    });
}

TMatchState TMatchController::ShownState(const TMatchState& view)
{
    TMatchState s = view;
    // Any card stands for a hidden one: those hands show their backs.
    for (THand& hand : s.hands)
        for (int& id : hand)
            if (id == kHiddenInView) id = 2;
    return s;
}

int TMatchController::RevealMs(int seat) const
{
    // The player's own move is shown as soon as the server confirms it.
    return FRemoteSend && seat == SeatS ? 0 : CompPlayDelay * 1000;
}

void TMatchController::PlayRemoteStep(const TRemoteStep& step)
{
    switch (step.kind) {
    case TRemoteStep::rsStart:
    case TRemoteStep::rsResume:
        return RemoteRestart(step);
    case TRemoteStep::rsMove:
        return RemoteMove(step);
    case TRemoteStep::rsDeal:
        FState = ShownState(step.state);
        FWorker.RunOnGui([&] {
            if (step.newDeck) FControls.Deck->PrepareDeck(FRandom);
            ShowDeal(step.newDeck, true, true);
            ShowStatusTurn();
        });
        AwaitFlights();
        return;
    case TRemoteStep::rsHandEnd:
        FState = ShownState(step.state);
        FWorker.RunOnGui([&] { SequenceRestTaken(step.end); });
        AwaitFlights();
        FWorker.ShowWhileWaiting([&] { ShowHandEndOnGui(step.end); });
        return;
    case TRemoteStep::rsGameOver: {
        FState = ShownState(step.state);
        QString winner;
        FWorker.RunOnGui([&] {
            ShowTaken();
            winner = WinnerText();
        });
        FWorker.ShowWhileWaiting([&] { ShowGameOverOnGui(winner); });
        return;
    }
    }
}

void TMatchController::RemoteRestart(const TRemoteStep& step)
{
    FWorker.RunOnGui([&] {
        if (step.kind == TRemoteStep::rsStart) {
            FHistory.clear();
            FView.ShowHistory(FHistory);
        }
        FControls.Deck->PrepareDeck(FRandom);
        ShowWholeState(ShownState(step.state), {});
        // The log reads as a local match's: its start, then its deal.
        if (step.kind == TRemoteStep::rsStart && FLogEnabled) {
            LogLine(QStringLiteral("****** Nova igra ******"));
            LogDeal(true);
        }
        // Back after a drop: the player hears what was played in its name.
        if (!step.playedAway.empty()) {
            QString line = QStringLiteral("Dok te nije bilo, racunar je za tebe odigrao:");
            for (int id : step.playedAway)
                line += ' ' + CardName(id);
            LogLine(line);
            FView.ShowPlayedWhileAway(step.playedAway);
        }
        // What was played meanwhile is not in the log: the position is, so
        // the log reads on from the table as it now stands.
        if (step.kind == TRemoteStep::rsResume && FLogEnabled) {
            LogLine(QStringLiteral("Stanje za stolom:"));
            LogHands();
            LogTable();
        }
    });
}

void TMatchController::RemoteMove(const TRemoteStep& step)
{
    const TMove& move = step.move;
    // The card leaves the slot it was in: now it may be seen.
    FState.hands[move.seat][move.handSlot] = step.played;
    if (move.take.empty())
        ComputerLaysDown(move.seat, move.handSlot);
    else
        ComputerCapture(move);
    // The turn, the takers and the counts as the server has them after it.
    const TMatchState& after = step.state;
    FState.CurrentPlayer = after.CurrentPlayer;
    FState.LastPlayer = after.LastPlayer;
    FState.LastTaker = after.LastTaker;
    FState.MovesMade = after.MovesMade;
    PublishProgress();
    FWorker.RunOnGui([this] {
        ClearTableMarks();
        ShowStatusTurn();
    });
}
