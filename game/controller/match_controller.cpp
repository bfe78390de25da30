// Start-up, a new match, the start prompt and the settings the window applies.
#include "game/controller/match_controller.h"

#include "game/controller/log_failure_text.h"
#include "game/review/review_marks.h"
#include "platform/message_sink.h"
#include "platform/random.h"
#include "settings/ini.h"
#include "log/log_file.h"
#include "settings/program_files.h"

#include <QCoreApplication>
#include <QTimer>

#include "cards/deck/zucard_deck.h"

TMatchController::TMatchController(
    const TMatchControls& controls, TIni& settings, TLogFile& log, TMatchView& view)
    : FControls(controls)
    , Settings(settings)
    , LogFile(log)
    , FView(view)
{
    FFlights.OnCardLanded = [this] {
        if (OnCardLanded) OnCardLanded();
    };
    FReview.OnChanged = [this] { FView.ShowReviews(FReview.Reviews(), FReview.JudgedHand()); };
    // The statistics count each hand's accuracy once it is judged; a review
    // of a match dropped meanwhile never arrives.
    FReview.OnHandJudged = [this](const THandReview& hand) {
        Report(HandReviewedEvent(FState, AccuracyPercent(hand, ReviewView::Fair)));
    };
}

TMatchController::~TMatchController()
{
    Shutdown();
}

TZuCardGroup* TMatchController::Seat(int seat) const
{
    switch (seat) {
    case SeatS:
        return FControls.PlayerS;
    case SeatW:
        return FControls.PlayerW;
    case SeatN:
        return FControls.PlayerN;
    case SeatE:
        return FControls.PlayerE;
    default:
        return nullptr;
    }
}

int TMatchController::SeatOf(const TZuCardGroup* group) const
{
    for (int seat = SeatS; seat <= SeatE; ++seat)
        if (group && Seat(seat) == group) return seat;
    return kNoSeat;
}

QString TMatchController::Name(int seat) const
{
    const TZuCardGroup* group = Seat(seat);
    return group ? group->PlayerName() : QString();
}

void TMatchController::Start()
{
    for (int seat : { SeatW, SeatN, SeatE }) {
        Seat(seat)->SetShowBack(true);
        Seat(seat)->SetController(ctComputer);
    }
    FControls.PlayerS->SetController(ctHuman);
    // Every hand has its six slots from the start; deals only refill them.
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        TZuCardList& handSlots = Seat(seat)->CardList();
        while (handSlots.Count() < kHandSlots)
            handSlots.Add().Card().SetEmpty(true);
    }
    // The mode first, so the names go to its own score grid alone.
    FState.GameMode = Settings.NumberOfPlayers;
    FState.DeckCount = Settings.NumberOfDecks;
    ApplyNames();
    ApplyOptions();
    InitScoreGrid();
    ShowScorePanel();
    FView.SetScoreTableChecked(FScoreTableShown);
    FFirstActivation = true;
    FSelection.Clear();
    ShowMarkedCards();
    FView.ShowPaused(false);
    NewGame(true);
    NewGame(false);
}

void TMatchController::ApplyNames()
{
    FControls.PlayerS->SetPlayerName(Settings.S);
    FControls.PlayerW->SetPlayerName(Settings.W);
    FControls.PlayerN->SetPlayerName(Settings.N);
    FControls.PlayerE->SetPlayerName(Settings.E);
    FillScoreNames();
    // The status bar names the seat on turn too.
    ShowStatusTurn();
}

void TMatchController::ApplyOptions()
{
    CompPlays = Settings.CompPlays;
    CompPlayDelay = Settings.CompPlayDelay;
    CompWaitForPlay = Settings.CompWaitForPlay;
    FLogEnabled = Settings.Log;
    // Log lines are written only on this thread, so opening or closing the
    // log here never cuts a worker's line in half.
    try {
        if (FLogEnabled && !LogFile.Active()) LogFile.Open();
        if (!FLogEnabled && LogFile.Active()) LogFile.Close();
    } catch (const std::exception& e) {
        FLogEnabled = false;
        MessageSink().Error(LogFailureText(TLogStep::Use, e, LogFile.LogFileName()));
    }
}

void TMatchController::SetNumberOfDecks(int n)
{
    const std::uint8_t copies = n == 1 ? 2 : n == 2 ? 4 : 1;
    TZuIncludedCards& cards = FControls.Deck->IncludedCards();
    for (TZuSuit* suit : { &cards.Clubs(), &cards.Diamonds(), &cards.Hearts(), &cards.Spades() })
        for (int value = 2; value <= 14; ++value)
            suit->SetCount(value, copies);
}

void TMatchController::NewGame(bool initial)
{
    if (Stopping()) return;
    ++FMatchNumber;
    if (Busy()) StopSequence();
    LandFlights();
    FPendingSequence.reset();
    FUndo.Clear();
    // The last match's review is dropped: a hand being judged stops on its own.
    FHandMoves = {};
    FReview.Clear();
    FHistory.clear();
    FView.ShowHistory(FHistory);
    FRandom.Reseed();
    ::StartMatch(FState, initial ? kEachForHimself : Settings.NumberOfPlayers,
        Settings.NumberOfDecks, Settings.Clockwise);
    FHandClears = 0;
    // A new match starts with nothing marked, so no hand card can take a
    // card of the last match.
    ClearTableMarks();
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        Seat(seat)->SetScore(0);
        Seat(seat)->ClearTaken();
    }
    // The start's first, four-player deal is dealt over at once: the score
    // grid is set up for the match that is played.
    if (!initial) {
        InitScoreGrid();
        ShowScorePanel();
    }
    ClearLastMoves();
    FView.SetStatusText(2, QString());
    if (!initial && FLogEnabled) LogLine(QStringLiteral("****** Nova igra ******"));
    SetNumberOfDecks(FState.DeckCount);
    FView.SetSideSeatsVisible(FState.GameMode != kTwoPlayers);
    FView.RepaintWindow();
    DealCards(true, !initial);
    if (initial) return;
    SetWaitingToStart(true);
    FRandom.Reseed();
    FState.CurrentPlayer = FirstPlayerOfDraw(FRandom.Below(FState.GameMode == kTwoPlayers ? 2 : 4));
    if (FState.CurrentPlayer == SeatS) SetWaitingToStart(false);
    ShowStatusTurn();
    // The match this one replaces is kept no more.
    ReportProgress();
    if (!FFirstActivation) AskWhenDealt();
}

void TMatchController::AskWhenDealt()
{
    // Asked while the deal still flies, the question would stand over cards
    // in the air, and "Da" would start the computers' moves under them.
    if (FFlights.Up() == 0) {
        AskToStart();
        return;
    }
    SequenceFlightsDown([this, match = FMatchNumber] {
        // Out of the landing itself: the question waits in an event loop of
        // its own, which must not run inside the sprite's step.
        QTimer::singleShot(0, FControls.PlayerS, [this, match] {
            if (match == FMatchNumber) AskToStart();
        });
    });
}

void TMatchController::SetWaitingToStart(bool waiting)
{
    FWaitingToStart = waiting;
    FView.SetStartItemEnabled(waiting);
}

void TMatchController::AskToStart()
{
    if (FState.CurrentPlayer == SeatS) {
        MessageSink().Information(
            QCoreApplication::translate("TMatchController", "Ti igras prvi.").toStdString());
        return;
    }
    // "Pocni igru" may have started the match before the question came.
    if (!FWaitingToStart || Busy()) return;
    const QString text = QCoreApplication::translate("TMatchController",
        "Prvi na potezu je %1 (kompjuter). Da li partija moze da "
        "pocne?\n\nAko je odgovor negativan, partiju mozes da "
        "zapocnes i rucno kroz meni Igra | Pocni igru.")
                             .arg(Name(FState.CurrentPlayer));
    if (!MessageSink().Confirmation(text.toStdString()) || !FWaitingToStart || Busy()) return;
    SetWaitingToStart(false);
    FView.RepaintWindow();
    StartSequence(true);
}

void TMatchController::StartMatch()
{
    if (Busy() || Stopping()) return;
    if (FState.CurrentPlayer == SeatS) {
        MessageSink().Information(
            QCoreApplication::translate("TMatchController", "Ti igras prvi.").toStdString());
        return;
    }
    SetWaitingToStart(false);
    StartSequence(true);
}

TSavedMatch TMatchController::SavedMatch() const
{
    return { FState, FLastMoves, FRandom.State(), FHandClears, FUndo.Used(), FHistory,
        FUndo.Steps() };
}

void TMatchController::ReportProgress()
{
    if (!OnMatchProgress) return;
    if (Underway(FState))
        OnMatchProgress(SavedMatch());
    else
        OnMatchProgress(std::nullopt);
}

void TMatchController::ShowLastMove(int seat, int playedId, const std::vector<int>& takenIds)
{
    FLastMoves[seat] = { playedId, takenIds };
    FView.ShowLastMove(seat, playedId, takenIds);
    FHistory.push_back({ FState.HandsPlayed, seat, playedId, takenIds });
    FView.ShowHistory(FHistory);
}

void TMatchController::ClearLastMoves()
{
    FLastMoves = {};
    FView.ClearLastMoves();
}

void TMatchController::ShowLastMoves()
{
    for (int seat = SeatS; seat <= SeatE; ++seat)
        if (FLastMoves[seat].playedId != kNoCard)
            FView.ShowLastMove(seat, FLastMoves[seat].playedId, FLastMoves[seat].takenIds);
}

void TMatchController::ResumeMatch(const TSavedMatch& match)
{
    if (Stopping()) return;
    ++FMatchNumber;
    if (Busy()) StopSequence();
    LandFlights();
    FPendingSequence.reset();
    FRandom.SetState(match.randomState);
    FHandClears = match.humanClears;
    ClearTableMarks();
    SetNumberOfDecks(match.state.DeckCount);
    ClearLastMoves();
    FView.SetStatusText(2, QString());
    ShowState(match.state, match.lastMoves, match.history);
    // After ShowState, which starts a prepared state with nothing to take back.
    FUndo.Restore(match.undo, match.undoUsed);
    LogLine(QStringLiteral("****** Nastavak sacuvane igre ******"));
    ReportProgress();
    if (FState.CurrentPlayer != SeatS) StartSequence(true);
}

void TMatchController::Shutdown()
{
    // A start question still waiting for the deal to land is not asked.
    ++FMatchNumber;
    ClearHint();
    FReview.Clear();
    // Also frees the thread of a sequence that has ended, and lands its cards.
    StopSequence();
    if (LogFile.Active()) {
        try {
            LogFile.Close();
        } catch (const std::exception& e) {
            MessageSink().Error(LogFailureText(TLogStep::Close, e, LogFile.LogFileName()));
        }
    }
}

void TMatchController::EndDeferredLogSync()
{
    try {
        LogFile.EndDeferredSync();
    } catch (const std::exception& e) {
        FLogEnabled = false;
        MessageSink().Error(LogFailureText(TLogStep::Write, e, LogFile.LogFileName()));
    }
}

QString TMatchController::WinnerText() const
{
    return QString::fromStdString(WinnerName(FState,
        { Name(SeatS).toStdString(), Name(SeatW).toStdString(), Name(SeatN).toStdString(),
            Name(SeatE).toStdString() }));
}

void TMatchController::LogLine(const QString& text)
{
    if (!FLogEnabled) return;
    try {
        LogFile.Log(QStringLiteral("Zaviko"), QStringLiteral("*"), text);
    } catch (const std::exception& e) {
        // One message, then the run goes on without a log.
        FLogEnabled = false;
        MessageSink().Error(LogFailureText(TLogStep::Write, e, LogFile.LogFileName()));
    }
}

QString TMatchController::CardName(int id)
{
    return QString::fromStdString(::CardName(id));
}
