// The human's input: clicks on hand and table cards, the right button, the
// keys, and the moves they make. Runs on the GUI thread.
#include "game/controller/match_controller.h"

#include "game/rules/table_reflow.h"

#include "platform/message_sink.h"

#include <QCoreApplication>

namespace {

const char* const kNotStarted = QT_TRANSLATE_NOOP(
    "TMatchController", "Partija jos nije pocela. Mozes da pokrenes partiju iz Igra | Pocni igru");
const char* const kNotYourTurn = QT_TRANSLATE_NOOP("TMatchController", "Nisi jos na potezu");

std::string Translated(const char* text)
{
    return QCoreApplication::translate("TMatchController", text).toStdString();
}

} // namespace

void TMatchController::PlayerSCardClick(TZuCardGroup* sender, TZuSingleCard* card, int position,
    bool& /*playIt*/, TZuTablePos& /*tablePos*/, bool& /*faceDown*/, Qt::MouseButton /*button*/)
{
    if (Stopping()) return;
    // A click ends the flights under way; the cards are then where they belong.
    LandFlights();
    ClearHint();
    if (FWaitingToStart) {
        MessageSink().Information(Translated(kNotStarted));
        return;
    }
    if (Busy()) {
        MessageSink().Message(Translated(kNotYourTurn));
        return;
    }
    if (RetryPendingSequence()) return;
    if (!sender || sender->Controller() != ctHuman) return;
    if (SeatOf(sender) != FState.CurrentPlayer) {
        MessageSink().Information(QCoreApplication::translate("TMatchController", "Na potezu je %1")
                                      .arg(Name(FState.CurrentPlayer))
                                      .toStdString());
        return;
    }
    if (FState.GameOver || !card || card->Empty()) return;
    const int slot = card->Index() >= 0 ? card->Index() : position;
    if (slot < 0 || slot >= kHandSlots || FState.hands[SeatS][slot] == kNoCard) return;
    if (FSelection.Count() == 0)
        HumanLaysDown(slot);
    else if (FSelection.CanTake(*card))
        HumanCaptures(slot);
    else // the marks stay; the player may change them or try another card
        ShowNotice(QCoreApplication::translate(
            "TMatchController", "Oznacene karte ne mogu da se uzmu ovom kartom."));
}

void TMatchController::ShowNotice(const QString& text)
{
    // The pause panel is free whenever the human may act.
    if (!Paused()) FView.SetStatusText(2, text);
}

void TMatchController::HumanLaysDown(int slot)
{
    // At a network table the server makes the move; it shows when confirmed.
    if (FRemoteSend) return FRemoteSend({ SeatS, slot, {} });
    RememberForUndo();
    RememberForReview({ SeatS, slot, {} });
    ShowNotice(QString());
    const TMoveOutcome outcome = ApplyMove(FState, { SeatS, slot, {} });
    ShowLastMove(SeatS, outcome.playedId, {});
    if (FlightsOn()) {
        FlyLaidCard(SeatS, slot, outcome.playedId);
    } else {
        ShowHands();
        ShowTable(); // the rules have put the card in its slot
    }
    LogLine(Name(SeatS) + QStringLiteral(" stavlja na talon kartu ") + CardName(outcome.playedId));
    StartSequence(false);
}

void TMatchController::HumanCaptures(int slot)
{
    std::vector<TTableSlot> take;
    if (!SelectionSlots(take)) return;
    if (FRemoteSend) return FRemoteSend({ SeatS, slot, take });
    const int played = FState.hands[SeatS][slot];
    QString line = QStringLiteral(">> ") + Name(SeatS) + QStringLiteral(" kupi sa ")
        + CardName(played) + QStringLiteral(" sledece karte: ");
    for (int i = 0; i < FSelection.Count(); ++i)
        line += ' ' + CardName(FSelection.CardID(i));
    LogLine(line);
    RememberForUndo();
    RememberForReview({ SeatS, slot, take });
    ShowNotice(QString());
    const TMoveOutcome outcome = ApplyMove(FState, { SeatS, slot, take });
    if (FTableToMiddle) ReflowTableToMiddle(FState);
    DoCapture(SeatS, slot, take, outcome);
    if (outcome.tableCleared) ++FHandClears;
    ShowLastMove(SeatS, outcome.playedId, { outcome.ids.begin(), outcome.ids.end() - 1 });
    StartSequence(false);
}

bool TMatchController::SelectionSlots(std::vector<TTableSlot>& places) const
{
    for (int i = 0; i < FSelection.Count(); ++i) {
        const TZuSingleCard& card = FSelection.Card(i);
        const TZuCardGroup* group = card.Owner().OwnerGroup();
        const int row = group == FControls.Talon1 ? 0 : group == FControls.Talon2 ? 1 : -1;
        if (row < 0 || card.Index() < 0 || card.Index() >= int(FState.table[row].size())
            || FState.table[row][card.Index()] == kNoCard)
            return false;
        places.push_back({ row, card.Index() });
    }
    return true;
}

void TMatchController::DoCapture(
    int seat, int handSlot, const std::vector<TTableSlot>& take, const TMoveOutcome& outcome)
{
    // The state has the move already; the screen follows in the game's order:
    // taken list, points, the hand and the table, then a clear. Flying, the
    // taken list follows when the cards are down.
    const bool fly = FlightsOn();
    if (!fly) ShowTaken();
    UpdateTotal(seat);
    if (!fly) ShowHands();
    for (int i = FSelection.Count() - 1; i >= 0; --i)
        FSelection.Card(i).SetNegative(false);
    FSelection.Clear();
    ShowMarkedCards();
    if (fly)
        FlySweep(seat, handSlot, outcome.playedId, take);
    else
        ShowTable();
    if (outcome.tableCleared) LogLine(Name(seat) + QStringLiteral(" odneo tablu"));
}

void TMatchController::Talon1CardClick(TZuCardGroup* /*sender*/, TZuSingleCard* card,
    int /*position*/, bool& /*playIt*/, TZuTablePos& /*tablePos*/, bool& /*faceDown*/,
    Qt::MouseButton /*button*/)
{
    if (Stopping()) return;
    LandFlights();
    if (HintSearching()) ClearHint();
    if (Busy() && Revealing()) {
        SkipReveal(); // a click on the table hurries the computer's reveal
        return;
    }
    if (Busy()) {
        MessageSink().Message(Translated(kNotYourTurn));
        return;
    }
    if (RetryPendingSequence()) return;
    if (FState.CurrentPlayer == SeatS) {
        ClearHint();
        if (card) ToggleTableMark(*card);
        return;
    }
    if (FState.GameOver) return;
    // At a network table the match has begun: another player is on turn.
    if (FRemoteSend)
        MessageSink().Information(QCoreApplication::translate("TMatchController", "Na potezu je %1")
                                      .arg(Name(FState.CurrentPlayer))
                                      .toStdString());
    else
        MessageSink().Information(Translated(kNotStarted));
}

void TMatchController::ToggleTableMark(TZuSingleCard& card)
{
    if (card.Empty()) return;
    // A refused capture spoke of the marks as they were.
    ShowNotice(QString());
    if (card.Negative()) {
        card.SetNegative(false);
        FSelection.Remove(card);
        ShowMarkedCards();
        return;
    }
    if (FSelection.Count() == kMaxCaptureCards) {
        MessageSink().Information(Translated(
            QT_TRANSLATE_NOOP("TMatchController", "Ne mozes da oznacis vise od 21 karte.")));
        return;
    }
    card.SetNegative(true);
    FSelection.Add(card);
    ShowMarkedCards();
}

void TMatchController::ShowMarkedCards()
{
    std::vector<int> ids;
    for (int i = 0; i < FSelection.Count(); ++i)
        ids.push_back(FSelection.CardID(i));
    FView.ShowMarkedCards(ids);
}

void TMatchController::ClearTableMarks()
{
    ClearHint();
    ShowNotice(QString());
    for (TZuCardGroup* row : { FControls.Talon1, FControls.Talon2 })
        for (int slot = 0; slot < row->SlotCount(); ++slot)
            if (row->CardAt(slot)->Negative()) row->CardAt(slot)->SetNegative(false);
    FSelection.Clear();
    ShowMarkedCards();
}

bool TMatchController::KeyPlayAllowed()
{
    if (Stopping()) return false;
    LandFlights();
    const QString why = WhyNotOnTurn();
    if (why.isEmpty()) return true;
    ShowNotice(why);
    return false;
}

QString TMatchController::WhyNotOnTurn() const
{
    QString why;
    if (FWaitingToStart)
        why = QCoreApplication::translate("TMatchController", kNotStarted);
    else if (FState.GameOver)
        why = QCoreApplication::translate(
            "TMatchController", "Partija je gotova. Izaberi Igra | Nova za novu partiju.");
    else if (Busy())
        why = QCoreApplication::translate("TMatchController", kNotYourTurn);
    else if (FState.CurrentPlayer != SeatS)
        why = QCoreApplication::translate("TMatchController", "Na potezu je %1")
                  .arg(Name(FState.CurrentPlayer));
    return why;
}

void TMatchController::FormMouseDown(Qt::MouseButton button)
{
    // Any click drops a hint's search under way.
    if (HintSearching()) ClearHint();
    // The computer's reveal marks table cards too; those are not the human's.
    if (button == Qt::RightButton && !Busy() && !Stopping()) ClearTableMarks();
    if (button == Qt::LeftButton) SkipReveal();
}

void TMatchController::FormKeyPress(QChar key)
{
    // Any key drops a hint's search under way.
    if (HintSearching()) ClearHint();
    const QChar k = key.toUpper();
    if (k == 'T')
        ToggleScoreTable();
    else if (k == 'P')
        TogglePause();
    else if (k == ' ')
        SkipReveal();
}

void TMatchController::HoldMatch(bool held)
{
    if (held) LandFlights();
    FWorker.SetHeld(held);
}

void TMatchController::TogglePause()
{
    if (HintSearching()) ClearHint();
    // A pause holds the cards where they belong, not in the air.
    LandFlights();
    if (!Busy() || Stopping()) return;
    FWorker.SetPaused(!Paused());
    FView.SetStatusText(2,
        Paused() ? QCoreApplication::translate("TMatchController", "Igra pauzirana") : QString());
    FView.ShowPaused(Paused());
}
