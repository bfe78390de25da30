#pragma once

#include "game/rules/rules_namespace.h"

#include "game/rules/match_state.h"

namespace zaviko::rules {

// Closes the gaps a capture leaves: each table row's cards move, in their
// order, to the slots in the middle of the row (one more on the left when
// they cannot stand exactly in the middle). Nothing else changes, so the
// capture rule sees the same cards. True when a card moved.
bool ReflowTableToMiddle(TMatchState& state);

} // namespace zaviko::rules
