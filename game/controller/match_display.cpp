// Showing the match state on the card groups, the score grids, the status
// bar and the log. Runs on the GUI thread.
#include "game/controller/match_controller.h"

#include "cards/deck/zucard_deck.h"

#include <QCoreApplication>

namespace {

// Changes only what differs, so a card redraws only when it changed.
void ShowCard(TZuSingleCard& card, int id)
{
    if (id == kNoCard) {
        if (card.Negative()) card.SetNegative(false);
        if (!card.Empty()) card.SetEmpty(true);
        return;
    }
    if (card.ID() != id) card.SetID(id);
    if (card.Empty()) card.SetEmpty(false);
}

} // namespace

void TMatchController::ShowHands()
{
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        TZuCardGroup& group = *Seat(seat);
        for (int slot = 0; slot < kHandSlots && slot < group.SlotCount(); ++slot)
            ShowCard(*group.CardAt(slot),
                FFlights.Landing(&group, slot) ? kNoCard : FState.hands[seat][slot]);
    }
}

void TMatchController::ShowTable()
{
    bool resized = false;
    for (int row = 0; row < kTableRows; ++row) {
        TZuCardGroup& group = row == 0 ? *FControls.Talon1 : *FControls.Talon2;
        const std::vector<int>& rowIds = FState.table[row];
        TZuCardList& list = group.CardList();
        while (list.Count() > int(rowIds.size())) {
            FSelection.Remove(list.Items(list.Count() - 1)->Card());
            list.Delete(list.Count() - 1);
            resized = true;
        }
        while (list.Count() < int(rowIds.size())) {
            list.Add().Card().SetEmpty(true);
            resized = true;
        }
        for (int slot = 0; slot < int(rowIds.size()); ++slot)
            ShowCard(*group.CardAt(slot), FFlights.Landing(&group, slot) ? kNoCard : rowIds[slot]);
    }
    if (resized) FView.ArrangeTable();
}

void TMatchController::ShowTaken()
{
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        TZuCardGroup& group = *Seat(seat);
        const std::vector<int>& taken = FState.taken[seat];
        bool same = group.TakenCount() == int(taken.size());
        for (int i = 0; same && i < int(taken.size()); ++i)
            same = group.TakenID(i) == taken[i];
        if (same) continue;
        group.ClearTaken();
        group.TakeCards(taken);
    }
}

void TMatchController::DealCards(bool newDeck, bool logIt)
{
    if (newDeck) {
        FRandom.Reseed();
        FControls.Deck->PrepareDeck(FRandom);
        DealNewDeck(FState, FControls.Deck->Remaining());
    } else {
        DealRest(FState);
    }
    ShowDeal(newDeck, logIt, true);
}

void TMatchController::ShowDeal(bool newDeck, bool logIt, bool fly)
{
    // The virtual deck gives up the cards the rules dealt, so what it has
    // left is always what the state has left.
    TZuVirtualDeck& deck = *FControls.Deck;
    while (deck.Count() > int(FState.deck.size()) && deck.NextCard() >= 0) { }
    if (newDeck) {
        ClearTableMarks();
        // A new hand: the moves of the last one no longer describe the table.
        ClearLastMoves();
    }
    if (fly && FlightsOn()) {
        FlyDeal(newDeck);
    } else {
        ShowTable();
        ShowHands();
        if (newDeck) FView.ArrangeTable();
    }
    ShowTaken();
    if (logIt && FLogEnabled) LogDeal(newDeck);
    ShowStatusCardsLeft();
}

void TMatchController::LogDeal(bool newDeck)
{
    LogLine(
        newDeck ? QStringLiteral("Deli se novi spil") : QStringLiteral("Deli se ostatak spila"));
    LogHands();
    if (newDeck) LogTable();
}

void TMatchController::LogHands()
{
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        QString line = Name(seat) + QStringLiteral(" dobio karte: ");
        // At a network table another seat's cards are not this player's to
        // know: its hand stands for hidden cards, and the log names none.
        const bool hidden = RemoteMatch() && seat != SeatS;
        for (int id : FState.hands[seat])
            if (id != kNoCard && !hidden) line += CardName(id) + ' ';
        LogLine(line);
    }
}

void TMatchController::LogTable()
{
    QString line = QStringLiteral("Karte na talonu: ");
    for (const TTableSlot& place : TableSlots(FState))
        if (!TableCard(place)->Negative())
            line += CardName(FState.table[place.row][place.slot]) + ' ';
    LogLine(line);
}

void TMatchController::ShowState(
    const TMatchState& state, const TLastMoves& lastMoves, const TMoveHistory& history)
{
    if (Busy() || Stopping()) return;
    ClearHint();
    // A prepared state has no moves before it to take back.
    FUndo.EndHand();
    FHandMoves = {};
    FHistory = history;
    FView.ShowHistory(FHistory);
    ShowWholeState(state, lastMoves);
}

void TMatchController::ShowWholeState(const TMatchState& state, const TLastMoves& lastMoves)
{
    LandFlights();
    FState = state;
    // The grid of the state's mode, its rows filled from the state below.
    InitScoreGrid();
    ShowScorePanel();
    FView.SetSideSeatsVisible(FState.GameMode != kTwoPlayers);
    for (int seat = SeatS; seat <= SeatE; ++seat)
        Seat(seat)->SetScore(FState.Score[seat]);
    ShowDeal(true, false);
    FLastMoves = lastMoves;
    ShowLastMoves();
    ShowAllScores();
    SetWaitingToStart(false);
    ShowStatusTurn();
}

TZuSingleCard* TMatchController::TableCard(TTableSlot place) const
{
    TZuCardGroup* group = place.row == 0 ? FControls.Talon1 : FControls.Talon2;
    return group->CardAt(place.slot);
}

void TMatchController::ShowStatusCardsLeft()
{
    FView.SetStatusText(0,
        QCoreApplication::translate("TMatchController", "Ostalo karata u spilu: %1")
            .arg(CardsLeft()));
    // The deck on the table shows while it has cards to deal.
    if (TZuCardDeck* deck = FControls.Deck->VisualDeck()) deck->setVisible(CardsLeft() > 0);
}

void TMatchController::ShowStatusTurn()
{
    FView.SetStatusText(1,
        QCoreApplication::translate("TMatchController", "Na potezu: %1")
            .arg(Name(FState.CurrentPlayer)));
    FView.MarkSeatOnTurn(FState.CurrentPlayer);
}

// --- Score grids ---

int TMatchController::ActiveScoreGrid() const
{
    return FState.GameMode == kPairs ? 1 : FState.GameMode == kTwoPlayers ? 2 : 0;
}

void TMatchController::InitScoreGrid()
{
    const int grid = ActiveScoreGrid();
    const char* headers[] = { "", QT_TRANSLATE_NOOP("TMatchController", "Poeni"),
        QT_TRANSLATE_NOOP("TMatchController", "Table"),
        QT_TRANSLATE_NOOP("TMatchController", "Bonus"),
        QT_TRANSLATE_NOOP("TMatchController", "Total") };
    for (int column = 0; column < 5; ++column)
        FView.SetScoreCell(
            grid, column, 0, QCoreApplication::translate("TMatchController", headers[column]));
    FillScoreNames();
    const int rows = grid == 0 ? 4 : 2;
    for (int row = 1; row <= rows; ++row)
        for (int column = 1; column < 5; ++column)
            FView.SetScoreCell(grid, column, row, QStringLiteral("0"));
    FView.RefreshScoreGrid(grid);
}

void TMatchController::FillScoreNames()
{
    const int grid = ActiveScoreGrid();
    if (grid == 1) {
        FView.SetScoreCell(grid, 0, 1, Name(SeatS) + '/' + Name(SeatN));
        FView.SetScoreCell(grid, 0, 2, Name(SeatW) + '/' + Name(SeatE));
        FView.SetScoreColumnWidths(grid, { 80, 33, 33, 35, 33 });
        return;
    }
    for (int seat = SeatS; seat <= SeatE; ++seat)
        if (ScoreRow(seat) > 0) FView.SetScoreCell(grid, 0, ScoreRow(seat), Name(seat));
    FView.SetScoreColumnWidths(grid, { 50, 35, 35, 35, 35 });
}

void TMatchController::ShowScorePanel()
{
    for (int grid = 0; grid < 3; ++grid)
        FView.SetScorePanelVisible(grid, FScoreTableShown && grid == ActiveScoreGrid());
}

void TMatchController::ToggleScoreTable()
{
    FScoreTableShown = !FScoreTableShown;
    FView.SetScoreTableChecked(FScoreTableShown);
    FView.SetScorePanelVisible(ActiveScoreGrid(), FScoreTableShown);
}

void TMatchController::UpdateTotal(int seat)
{
    const int row = ScoreRow(seat);
    if (row == 0) return;
    const TScoreCells& cells = FState.cells[row - 1];
    const int grid = ActiveScoreGrid();
    FView.SetScoreCell(grid, 1, row, QString::number(cells.points));
    FView.SetScoreCell(grid, 2, row, QString::number(cells.clears));
    FView.SetScoreCell(grid, 3, row, QString::number(cells.bonus));
    FView.SetScoreCell(grid, 4, row, QString::number(cells.Total()));
    FView.RefreshScoreGrid(grid);
    const int scorer = ScoringSeat(FState.GameMode, seat);
    Seat(scorer)->SetScore(FState.Score[scorer]);
}

void TMatchController::ShowAllScores()
{
    for (int seat = SeatS; seat <= SeatE; ++seat)
        UpdateTotal(seat);
}
