#pragma once

#include "game/match_state.h"

#include <string>

// Whether a state read from a saved match is one the rules can reach and play
// on from: empty when it is, else the reason, in Serbian, for the player.
std::string UnreachableReason(const TMatchState& state);
