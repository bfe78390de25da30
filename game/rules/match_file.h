#pragma once

#include "game/rules/rules_namespace.h"

#include "game/rules/match_state.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zaviko::rules {

// A seat's last move of the hand, as the table marks it: the card played
// (kNoCard when the seat has not moved in this hand) and the table cards it
// took (none for a lay-down).
struct TLastMove {
    int playedId = kNoCard;
    std::vector<int> takenIds;
    bool operator==(const TLastMove&) const = default;
};
using TLastMoves = std::array<TLastMove, kSeatCount>;

// One move of the match as the history lists it: the hand it was made in
// (the hands completed before it), the seat, the card played and the table
// cards it took (none for a lay-down).
struct TMoveRecord {
    int hand = 0;
    int seat = 0;
    int playedId = kNoCard;
    std::vector<int> takenIds;
    bool operator==(const TMoveRecord&) const = default;
};
using TMoveHistory = std::vector<TMoveRecord>;

// The match just before one of the human's moves, which "Vrati potez" puts
// back: the state, the last moves, the generator's state, the human's table
// clears in the hand and how long the history was.
struct TUndoStep {
    TMatchState state;
    TLastMoves lastMoves {};
    std::string randomState;
    int humanClears = 0;
    std::size_t historySize = 0;
    bool operator==(const TUndoStep&) const = default;
};

// A match saved when the window closes in the middle of it, so the next start
// can go on with it: the state on values (with what the hand under way has
// scored), each seat's last move, the random generator's state, the human's
// table clears in the hand, whether a move was taken back in the match, the
// match's moves and the hand's steps to take back, the latest last.
struct TSavedMatch {
    TMatchState state;
    TLastMoves lastMoves {};
    std::string randomState;
    int humanClears = 0;
    bool undoUsed = false;
    TMoveHistory history;
    std::vector<TUndoStep> undo;
};

// The saved match as text: a line per field, card IDs as decimal numbers.
// The generator's state of an undo step is written as the number of draws
// from the first step's, which keeps the file small; steps whose generators
// do not follow each other that way are left out, the oldest first.
std::string SaveMatchText(const TSavedMatch& match);

// Reads what SaveMatchText wrote, and the files of the earlier formats: the
// first kept no last moves, the second no hand scores, clears, history or
// undo steps (those start empty, the hand's card points are its taken
// cards'). Anything else — another file, a damaged or
// cut one, a state the rules cannot reach or cannot play on from (a card
// twice, a score the cards cannot give, a hidden seat holding cards, a seat
// on turn without a card) — gives nothing and says why, in Serbian, in
// `error`.
std::optional<TSavedMatch> LoadMatchText(const std::string& text, std::string& error);

} // namespace zaviko::rules
