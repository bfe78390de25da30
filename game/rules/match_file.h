#pragma once

#include "game/rules/match_state.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// A seat's last move of the hand, as the table marks it: the card played
// (kNoCard when the seat has not moved in this hand) and the table cards it
// took (none for a lay-down).
struct TLastMove {
    int playedId = kNoCard;
    std::vector<int> takenIds;
    bool operator==(const TLastMove&) const = default;
};
using TLastMoves = std::array<TLastMove, kSeatCount>;

// A match saved when the window closes in the middle of it, so the next start
// can go on with it: the state on values, each seat's last move, and the
// random generator's state.
struct TSavedMatch {
    TMatchState state;
    TLastMoves lastMoves {};
    std::string randomState;
};

// The saved match as text: a line per field, card IDs as decimal numbers.
std::string SaveMatchText(const TSavedMatch& match);

// Reads what SaveMatchText wrote, and the files of the first format, which
// kept no last moves. Anything else — another file, a damaged or
// cut one, a state the rules cannot reach or cannot play on from (a card
// twice, a score the cards cannot give, a hidden seat holding cards, a seat
// on turn without a card) — gives nothing and says why, in Serbian, in
// `error`.
std::optional<TSavedMatch> LoadMatchText(const std::string& text, std::string& error);
