// The computer sequence: the worker's side of the match and how the GUI
// thread starts and stops it. The worker changes the match state only while
// Busy locks the human out; everything it shows goes through RunOnGui.
#include "game/controller/match_controller.h"

#include "game/rules/table_reflow.h"

#include "game/controller/comp_play_thread.h"
#include "game/computer/seat_choice.h"
#include "platform/message_sink.h"
#include "platform/random.h"

#include "cards/zucard_deck.h"

#include <QCoreApplication>
#include <QThread>

namespace {

const char* const kNoThread = QT_TRANSLATE_NOOP(
    "TMatchController", "Kompjuteri ne mogu da igraju: sistem nije pokrenuo nit.");

QString NoThreadText(const char* what)
{
    return QStringLiteral("%1 %2").arg(QCoreApplication::translate("TMatchController", kNoThread),
        QCoreApplication::translate("TMatchController", what));
}

} // namespace

// The rules' events during the end of a turn, shown on the GUI thread.
class TMatchController::TEvents : public TMatchEvents {
public:
    explicit TEvents(TMatchController& c)
        : FC(c)
    {
    }
    void TurnChanged(const TMatchState&) override
    {
        FC.RunOnGui([this] { FC.ShowStatusTurn(); });
    }
    std::vector<int> NewDeck(int) override
    {
        std::vector<int> deck;
        FC.RunOnGui([this, &deck] {
            FC.FControls.Deck->PrepareDeck();
            deck = FC.FControls.Deck->Remaining();
        });
        return deck;
    }
    void Dealt(const TMatchState&, bool newDeck) override
    {
        FC.RunOnGui([this, newDeck] { FC.ShowDeal(newDeck, true); });
    }
    void HandEnded(const TMatchState&, const THandEnd& end) override
    {
        FC.ShowWhileWaiting([this, &end] { FC.ShowHandEndOnGui(end); });
    }

private:
    TMatchController& FC;
};

void TMatchController::Report(const TMatchEvent& event)
{
    if (OnMatchEvent) OnMatchEvent(event);
}

void TMatchController::RunOnGui(const std::function<void()>& fn)
{
    TThread::Synchronize(fn);
}

void TMatchController::ShowWhileWaiting(const std::function<void()>& onGui)
{
    THandOffThread display(onGui);
    display.SetPriority(QThread::LowestPriority);
    // Without a thread of its own the display still shows, straight from here.
    if (!display.Resume()) RunOnGui(onGui);
    display.WaitFor();
}

void TMatchController::StartSequence(bool playFirst)
{
    // Busy is set before the worker can run, so its end cannot come first,
    // and nothing below serves events: no click queued behind the human's
    // move can become a second one.
    FUnderway = Underway(FState);
    FBusy = true;
    FPendingSequence.reset();
    if (FWorker) {
        // Its sequence has ended, which was its last hand-off; it may still be
        // returning from its body.
        FWorker->WaitForQuietEnd();
        FWorker.reset();
    }
    FWorker = std::make_unique<TCompPlayThread>(
        [this, playFirst] {
            if (!playFirst || PlayerNBeforePlay(FState.CurrentPlayer)) EndTurn();
        },
        [this] { SequenceEnded(); });
    FWorker->SetPriority(QThread::LowPriority);
    if (FWorker->Resume()) return;
    FWorker.reset();
    FBusy = false;
    SequenceRefused(playFirst);
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
    FBusy = false;
    if (FPaused) {
        FPaused = false;
        FView.SetStatusText(2, QString());
        FView.ShowPaused(false);
    }
}

void TMatchController::StopSequence()
{
    if (!FWorker || FStopping) return;
    FStopping = true;
    PaceEvent.SetEvent();
    FWorker->Terminate();
    FWorker->WaitFor(); // serves the worker's hand-offs meanwhile
    FWorker.reset();
    PaceEvent.ResetEvent();
    SequenceEnded();
    FStopping = false;
}

void TMatchController::WaitForSequence()
{
    if (FWorker) FWorker->WaitFor();
}

bool TMatchController::WorkerTerminated() const
{
    return FWorker && FWorker->Terminated();
}

void TMatchController::PaceReveal()
{
    // While the chosen cards show, the player may cut the wait short.
    FRevealing = true;
    Pace(CompPlayDelay * 1000);
    FRevealing = false;
}

void TMatchController::SkipReveal()
{
    if (FBusy && FRevealing && !FPaused) PaceEvent.Pulse();
}

void TMatchController::Pace(int ms)
{
    if (ms > 0) PaceEvent.WaitFor(ms);
    // The pause holds the sequence here; a stop signals the event and ends it.
    while (FPaused && !WorkerTerminated())
        PaceEvent.WaitFor(50);
}

void TMatchController::EndTurn()
{
    for (;;) {
        TEvents events(*this);
        FinishTurn(FState, events);
        PublishProgress();
        RunOnGui([this] { ClearTableMarks(); });
        if (FState.GameOver) {
            // Names belong to the GUI thread: a rename may change them.
            QString winner;
            RunOnGui([this, &winner] {
                ShowTaken();
                winner = QString::fromStdString(WinnerName(FState,
                    { Name(SeatS).toStdString(), Name(SeatW).toStdString(),
                        Name(SeatN).toStdString(), Name(SeatE).toStdString() }));
            });
            ShowWhileWaiting([this, &winner] { ShowGameOverOnGui(winner); });
            return;
        }
        if (FState.CurrentPlayer == SeatS) return;
        Pace(CompWaitForPlay * 500);
        if (!PlayerNBeforePlay(FState.CurrentPlayer)) return;
    }
}

bool TMatchController::PlayerNBeforePlay(int seat)
{
    if (WorkerTerminated()) return false;
    // The strength is read once, so a change in the options applies from the
    // next move on, never in the middle of one.
    const int strength = CompPlays;
    const int r = Random(10);
    // "Majstor"'s search asks between playouts whether to go on: "Nova" and
    // closing end it and the sequence; a pause ends it too, and the move is
    // searched again from the start once the pause is over.
    TSearchSettings search;
    bool interrupted = false;
    search.stopped = [this, &interrupted] {
        interrupted = interrupted || WorkerTerminated() || FPaused;
        return interrupted;
    };
    TComputerChoice choice;
    for (;;) {
        interrupted = false;
        choice = ChooseSeatMoveWith(FState, seat, strength, r, search);
        if (WorkerTerminated()) return false;
        if (!interrupted) break;
        Pace(0);
    }
    if (choice.handSlot < 0) return true; // nothing to play: the turn moves on
    if (choice.capture)
        ComputerCapture(MoveOfChoice(FState, seat, choice));
    else
        ComputerLaysDown(seat, choice.handSlot);
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
    RunOnGui([&] {
        QString line = QStringLiteral(">> ") + Name(seat) + QStringLiteral(" kupi sa ")
            + CardName(FState.hands[seat][handSlot]) + QStringLiteral(" sledece karte: ");
        for (const TTableSlot& place : take) {
            TableCard(place)->SetNegative(true);
            line += ' ' + CardName(FState.table[place.row][place.slot]);
        }
        RevealHandCard(seat, handSlot, true);
        LogLine(line);
    });
    PaceReveal();
    const TMoveOutcome outcome = ApplyMove(FState, move);
    if (FTableToMiddle) ReflowTableToMiddle(FState);
    PublishProgress();
    RunOnGui([&] {
        RevealHandCard(seat, handSlot, false);
        for (const TTableSlot& place : take)
            TableCard(place)->SetNegative(false);
        ShowTaken();
        UpdateTotal(seat);
        ShowHands();
        ShowTable();
        if (outcome.tableCleared) LogLine(Name(seat) + QStringLiteral(" odneo tablu"));
        ShowLastMove(seat, outcome.playedId, { outcome.ids.begin(), outcome.ids.end() - 1 });
    });
}

void TMatchController::ComputerLaysDown(int seat, int handSlot)
{
    RunOnGui([&] {
        RevealHandCard(seat, handSlot, true);
        LogLine(Name(seat) + QStringLiteral(" stavlja na talon kartu ")
            + CardName(FState.hands[seat][handSlot]));
    });
    PaceReveal();
    const TMoveOutcome outcome = ApplyMove(FState, { seat, handSlot, {} });
    PublishProgress();
    RunOnGui([&] {
        RevealHandCard(seat, handSlot, false);
        ShowHands();
        ShowTable(); // the rules have put the card in its slot
        ShowLastMove(seat, outcome.playedId, {});
    });
}

void TMatchController::ShowHandEndOnGui(const THandEnd& end)
{
    // The hand has ended by the rules, also in a match being abandoned.
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
    if (FStopping) return;
    THandEndDisplay display;
    for (int seat = SeatS; seat <= SeatE; ++seat)
        display.seats[seat] = Seat(seat);
    display.gameMode = FState.GameMode;
    display.lastTakerName = Name(end.restTaker);
    for (int seat : end.bonusSeats)
        display.mostCards.push_back(Seat(seat));
    display.figures = HandFigures();
    FView.CloseOverview();
    FView.ShowHandEnd(display);
}

std::vector<THandFigures> TMatchController::HandFigures() const
{
    std::vector<THandFigures> figures;
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
    if (FStopping) return;
    MessageSink().Information(QCoreApplication::translate("TMatchController",
        "Partija je gotova. Pobednik: %1\n\nIzaberi Igra | Nova za novu partiju.")
                                  .arg(winner)
                                  .toStdString());
}
