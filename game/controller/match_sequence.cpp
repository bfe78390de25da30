// The computer sequence: what the worker (TMatchWorker) runs for the match,
// and how the GUI thread starts and stops it. The sequence changes the match
// state only while Busy locks the human out; everything it shows goes through
// the worker's hand-offs.
#include "game/controller/match_controller.h"

#include "game/rules/table_reflow.h"
#include "game/computer/seat_choice.h"
#include "platform/message_sink.h"
#include "platform/random.h"

#include "cards/deck/zucard_deck.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

const char* const kNoThread = QT_TRANSLATE_NOOP(
    "TMatchController", "Kompjuteri ne mogu da igraju: sistem nije pokrenuo nit.");

QString NoThreadText(const char* what)
{
    return QStringLiteral("%1 %2").arg(QCoreApplication::translate("TMatchController", kNoThread),
        QCoreApplication::translate("TMatchController", what));
}

} // namespace

void TMatchController::Report(const TMatchEvent& event)
{
    if (!OnMatchEvent) return;
    TMatchEvent marked = event;
    marked.undoUsed = FUndo.Used();
    OnMatchEvent(marked);
}

std::vector<int> TMatchController::SequenceNewDeck()
{
    FRandom.Reseed();
    FControls.Deck->PrepareDeck(FRandom);
    return FControls.Deck->Remaining();
}

void TMatchController::StartSequence(bool playFirst)
{
    FUnderway = Underway(FState);
    FPendingSequence.reset();
    const bool started = FWorker.Start([this, playFirst] {
        // The human's move may still be in the air.
        AwaitFlights();
        if (!playFirst || PlayerNBeforePlay(FState.CurrentPlayer)) EndTurn();
    });
    if (!started) SequenceRefused(playFirst);
}

void TMatchController::SequenceRefused(bool playFirst)
{
    if (playFirst) {
        // The computers have not begun: "Pocni igru" tries again.
        SetWaitingToStart(true);
        MessageSink().Error(NoThreadText(
            QT_TRANSLATE_NOOP("TMatchController", "Pokusaj ponovo kroz meni Igra | Pocni igru."))
                                .toStdString());
        return;
    }
    // The human's move stands; the next click goes on from it.
    FPendingSequence = playFirst;
    MessageSink().Error(
        NoThreadText(QT_TRANSLATE_NOOP("TMatchController", "Klikni na kartu da pokusas ponovo."))
            .toStdString());
}

bool TMatchController::RetryPendingSequence()
{
    if (!FPendingSequence) return false;
    StartSequence(*FPendingSequence);
    return true;
}

void TMatchController::PublishProgress()
{
    FUnderway = Underway(FState);
}

void TMatchController::SequenceEnded()
{
    // Steps of a network match that came as the last sequence ended.
    if (FRemoteSend) QTimer::singleShot(0, FControls.PlayerS, [this] { RunRemoteSteps(); });
    if (Paused()) {
        FWorker.SetPaused(false);
        FView.SetStatusText(2, QString());
        FView.ShowPaused(false);
    }
}

void TMatchController::StopSequence()
{
    // What is in the air lands where the state has it before the stopped
    // sequence goes on (a hand's last cards before the next hand is dealt);
    // what it launches while it ends lands at once too.
    LandFlights();
    FWorker.Stop();
    LandFlights();
}

void TMatchController::WaitForSequence()
{
    FWorker.WaitFor();
}

void TMatchController::SkipReveal()
{
    LandFlights();
    FWorker.SkipReveal();
}

void TMatchController::EndTurn()
{
    for (;;) {
        FinishTurn(FState, FWorker.Events());
        PublishProgress();
        // The move is complete (the hand refilled or ended): it is kept
        // before the next one starts.
        FWorker.RunOnGui([this] {
            ClearTableMarks();
            ReportProgress();
        });
        if (FState.GameOver) {
            // Names belong to the GUI thread: a rename may change them.
            QString winner;
            FWorker.RunOnGui([this, &winner] {
                ShowTaken();
                winner = WinnerText();
            });
            FWorker.ShowWhileWaiting([this, &winner] { ShowGameOverOnGui(winner); });
            return;
        }
        if (FState.CurrentPlayer == SeatS) return;
        FWorker.Pace(CompWaitForPlay * 500);
        if (!PlayerNBeforePlay(FState.CurrentPlayer)) return;
    }
}

bool TMatchController::PlayerNBeforePlay(int seat)
{
    if (FWorker.Terminated()) return false;
    // The strength is read once, so a change in the options applies from the
    // next move on, never in the middle of one; the draw too, so a move
    // chosen again after a pause is chosen from the same randomness.
    const int strength = CompPlays;
    const int r = FRandom.Below(10);
    const std::optional<TComputerChoice> choice
        = FWorker.Choose(seat, [this, seat, strength, r](const TSearchSettings& search) {
              return ChooseSeatMoveWith(FState, seat, strength, r, search);
          });
    if (!choice) return false;
    if (choice->handSlot < 0) return true; // nothing to play: the turn moves on
    if (choice->capture)
        ComputerCapture(MoveOfChoice(FState, seat, *choice));
    else
        ComputerLaysDown(seat, choice->handSlot);
    return true;
}

void TMatchController::RevealHandCard(int seat, int handSlot, bool reveal)
{
    TZuSingleCard& card = *Seat(seat)->CardAt(handSlot);
    // Face-down seats turn the card over; seats shown face up mark it.
    if (Seat(seat)->ShowBack())
        card.SetShowBack(!reveal);
    else
        card.SetNegative(reveal);
    FView.ShowRevealedCard(seat, reveal ? handSlot : -1);
}

void TMatchController::ComputerCapture(const TMove& move)
{
    const int seat = move.seat, handSlot = move.handSlot;
    const std::vector<TTableSlot>& take = move.take;
    FWorker.RunOnGui([&] {
        QString line = QStringLiteral(">> ") + Name(seat) + QStringLiteral(" kupi sa ")
            + CardName(FState.hands[seat][handSlot]) + QStringLiteral(" sledece karte: ");
        for (const TTableSlot& place : take) {
            TableCard(place)->SetNegative(true);
            line += ' ' + CardName(FState.table[place.row][place.slot]);
        }
        RevealHandCard(seat, handSlot, true);
        LogLine(line);
    });
    FWorker.PaceReveal(RevealMs(seat));
    const TMoveOutcome outcome = ApplyMove(FState, move);
    if (FTableToMiddle) ReflowTableToMiddle(FState);
    PublishProgress();
    FWorker.RunOnGui([&] {
        RevealHandCard(seat, handSlot, false);
        for (const TTableSlot& place : take)
            TableCard(place)->SetNegative(false);
        if (FlightsOn()) {
            FlySweep(seat, handSlot, outcome.playedId, take);
        } else {
            ShowTaken();
            ShowHands();
            ShowTable();
        }
        UpdateTotal(seat);
        if (outcome.tableCleared) LogLine(Name(seat) + QStringLiteral(" odneo tablu"));
        ShowLastMove(seat, outcome.playedId, { outcome.ids.begin(), outcome.ids.end() - 1 });
    });
    AwaitFlights();
}

void TMatchController::ComputerLaysDown(int seat, int handSlot)
{
    FWorker.RunOnGui([&] {
        RevealHandCard(seat, handSlot, true);
        LogLine(Name(seat) + QStringLiteral(" stavlja na talon kartu ")
            + CardName(FState.hands[seat][handSlot]));
    });
    FWorker.PaceReveal(RevealMs(seat));
    const TMoveOutcome outcome = ApplyMove(FState, { seat, handSlot, {} });
    PublishProgress();
    FWorker.RunOnGui([&] {
        RevealHandCard(seat, handSlot, false);
        if (FlightsOn()) {
            FlyLaidCard(seat, handSlot, outcome.playedId);
        } else {
            ShowHands();
            ShowTable(); // the rules have put the card in its slot
        }
        ShowLastMove(seat, outcome.playedId, {});
    });
    AwaitFlights();
}

void TMatchController::ShowHandEndOnGui(const THandEnd& end)
{
    // The hand has ended by the rules, also in a match being abandoned; its
    // moves can no longer be taken back.
    FUndo.EndHand();
    const int reviewedHand = ReviewHand();
    Report(HandEndedEvent(FState, end, FHandClears));
    FHandClears = 0;
    ShowTable();
    ShowTaken();
    ShowAllScores();
    if (FLogEnabled) {
        if (end.restTaker != kNoSeat) {
            QString line = QStringLiteral("Karte sa talona nosi ") + Name(end.restTaker) + ' ';
            for (int id : end.restIds)
                line += ' ' + CardName(id);
            LogLine(line);
        }
        LogLine(QStringLiteral("Odnete karte:"));
        for (int seat = SeatS; seat <= SeatE; ++seat) {
            QString line = Name(seat) + QStringLiteral(" odneo u ovoj partiji: ");
            for (int id : FState.taken[seat])
                line += ' ' + CardName(id);
            LogLine(line);
        }
    }
    // An abandoned match shows nothing more.
    if (Stopping()) return;
    THandEndDisplay display;
    for (int seat = SeatS; seat <= SeatE; ++seat)
        display.seats[seat] = Seat(seat);
    display.gameMode = FState.GameMode;
    display.lastTakerName = Name(end.restTaker);
    for (int seat : end.bonusSeats)
        display.mostCards.push_back(Seat(seat));
    display.figures = HandFigures();
    display.reviewedHand = reviewedHand;
    FView.CloseOverview();
    FView.ShowHandEnd(display);
}

std::vector<THandScoreRow> TMatchController::HandFigures() const
{
    std::vector<THandScoreRow> figures;
    auto add = [&](int row, const QString& name) {
        const TScoreCells& cells = FState.handCells.at(row - 1);
        figures.push_back({ name, cells.points, cells.clears, cells.bonus });
    };
    if (FState.GameMode == kPairs) {
        add(1, Name(SeatS) + '/' + Name(SeatN));
        add(2, Name(SeatW) + '/' + Name(SeatE));
        return figures;
    }
    for (int seat = SeatS; seat <= SeatE; ++seat)
        if (ScoreRow(seat) > 0) add(ScoreRow(seat), Name(seat));
    return figures;
}

void TMatchController::ShowGameOverOnGui(const QString& winner)
{
    LogLine(QStringLiteral("Kraj partije. Pobednik je ") + winner);
    Report(MatchEndedEvent(FState));
    // A match that is over has nobody on turn.
    FView.SetStatusText(1, QString());
    FView.MarkSeatOnTurn(kNoSeat);
    if (Stopping()) return;
    MessageSink().Information(QCoreApplication::translate("TMatchController",
        "Partija je gotova. Pobednik: %1\n\nIzaberi Igra | Nova za novu partiju.")
                                  .arg(winner)
                                  .toStdString());
}
