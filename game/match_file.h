#pragma once

#include "game/match_state.h"

#include <optional>
#include <string>

// A match saved when the window closes in the middle of it, so the next start
// can go on with it: the state on values and the random generator's state.
struct TSavedMatch {
    TMatchState state;
    std::string randomState;
};

// The saved match as text: a line per field, card IDs as decimal numbers.
std::string SaveMatchText(const TSavedMatch& match);

// Reads what SaveMatchText wrote. Anything else — another file, a damaged or
// cut one, a state the rules cannot reach or cannot play on from (a card
// twice, a score the cards cannot give, a hidden seat holding cards, a seat
// on turn without a card) — gives nothing and says why, in Serbian, in
// `error`.
std::optional<TSavedMatch> LoadMatchText(const std::string& text, std::string& error);
