#pragma once

#include "game/rules/match_file.h"
#include "game/rules/match_state.h"

#include <string>

// Whether a state read from a saved match is one the rules can reach and play
// on from: empty when it is, else the reason, in Serbian, for the player.
std::string UnreachableReason(const TMatchState& state);

// Whether the last moves fit the state: a played or taken card is in no hand,
// a taken one is not on the table either, and the hidden seats of the
// two-player mode have made none. Empty when they fit, else the reason.
std::string UnreachableLastMoves(const TMatchState& state, const TLastMoves& moves);

// Whether what the hand under way has scored fits the match: no row's part
// above its score table row, card points those of its seats' taken cards, a
// clear for every two taken cards at most, and nothing on rows without seats.
std::string UnreachableHandCells(const TMatchState& state);

// Whether the history and the undo steps fit the match: moves of playing
// seats, hand by hand up to the one under way; steps of the same match and
// hand with the human on turn, in the order they were made, each within the
// history.
std::string UnreachableHistory(const TSavedMatch& match);
