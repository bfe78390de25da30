#pragma once

#include "game/review/move_review.h"
#include "game/rules/match_file.h"

#include <QString>

#include <array>
#include <vector>

class TZuCardGroup;

// What the end-of-hand display shows: the four seats (for their taken cards),
// the match's mode, who took the table's rest and who took the most cards.
// One score row's part of a hand: a seat, or a pair named "S/N".
struct THandScoreRow {
    QString name;
    int points = 0;
    int clears = 0;
    int bonus = 0;
};

struct THandEndDisplay {
    std::array<TZuCardGroup*, 4> seats {}; // S, W, N, E
    int gameMode = 0;
    QString lastTakerName;
    std::vector<TZuCardGroup*> mostCards;
    // What each score row scored in the hand, in the score table's order.
    std::vector<THandScoreRow> figures;
    // The number of the hand's review among the match's reviews (its
    // THandReview::hand), 0 when the human made no move to judge in it.
    int reviewedHand = 0;
};

// Everything the controller shows that is not a card group, the deck, the
// settings or the log. The main window implements it; tests record it. Every
// call comes on the GUI thread.
class TMatchView {
public:
    virtual ~TMatchView() = default;

    // Status bar panels 0..2; the bar is repainted at once.
    virtual void SetStatusText(int panel, const QString& text) = 0;

    // The score grids Table0..Table2 (one per game mode).
    virtual void SetScoreCell(int grid, int column, int row, const QString& text) = 0;
    // Fits the columns to their texts: called after the names change.
    virtual void SetScoreColumnWidths(int grid, const std::array<int, 5>& widths) = 0;
    // Repaints the grid at once with no cell shown selected.
    virtual void RefreshScoreGrid(int grid) = 0;
    virtual void SetScorePanelVisible(int grid, bool visible) = 0;
    // The check mark of "Tabela vidljiva"; the controller keeps the state.
    virtual void SetScoreTableChecked(bool checked) = 0;

    // The menu item "Pocni igru", on while the controller waits for the start.
    virtual void SetStartItemEnabled(bool enabled) = 0;

    // Shows or hides W and E with their labels and menu items.
    virtual void SetSideSeatsVisible(bool visible) = 0;
    // Lays the table, the seats, their labels and the score panels out anew.
    virtual void ArrangeTable() = 0;
    virtual void RepaintWindow() = 0;

    // The end-of-hand dialog, modal; returns when the player has closed it.
    virtual void ShowHandEnd(const THandEndDisplay& display) = 0;
    // Closes the taken-cards overview if it is open.
    virtual void CloseOverview() = 0;

    // What a seat did last, shown beside it until its next move; empty text
    // clears it. The card IDs are the played card and what it took.
    virtual void ShowLastMove(int /*seat*/, int /*playedId*/, const std::vector<int>& /*takenIds*/)
    {
    }
    virtual void ClearLastMoves() { }
    // Marks the seat on turn beside its name.
    virtual void MarkSeatOnTurn(int /*seat*/) { }
    // Picks out the human's hand card that a hint plays; -1 takes it away.
    virtual void ShowHintCard(int /*slot*/) { }
    // Raises a computer seat's card whole above its neighbours while it is
    // revealed; slot -1 lowers it again.
    virtual void ShowRevealedCard(int /*seat*/, int /*slot*/) { }
    // Whether the game is paused, for a mark on the table.
    virtual void ShowPaused(bool /*paused*/) { }
    // The table cards the human has marked now (their IDs), for their sum.
    virtual void ShowMarkedCards(const std::vector<int>& /*ids*/) { }
    // The match's moves as they stand now ("Tok igre"); the last entries are
    // the new ones, or some were taken back.
    virtual void ShowHistory(const TMoveHistory& /*history*/) { }
    // The review of the match's hands ("Analiza") as it stands: told each time
    // a judged move lands, a hand's review begins or ends, and when the
    // reviews are dropped or restored. judgedHand is the number of the hand
    // being judged now, 0 when none; a hand whose moves still lack a view is
    // not judged yet.
    virtual void ShowReviews(const std::vector<THandReview>& /*reviews*/, int /*judgedHand*/) { }
    // Back at a network table: the player's cards a computer played meanwhile.
    virtual void ShowPlayedWhileAway(const std::vector<int>& /*ids*/) { }
};
