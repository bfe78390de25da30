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
