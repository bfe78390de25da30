#pragma once

#include "game/computer/computer_namespace.h"

#include "game/rules/match_state.h"
#include "game/computer/playout_random.h"
#include "game/computer/seat_knowledge.h"

namespace zaviko::computer {

// The search player's view of a position: the state with every card the seat
// cannot see taken out, and fresh guesses of those cards dealt back in.

// Stands in for a card the seat cannot see (IDs 0 and 1 are never cards).
inline constexpr int kHiddenCard = 1;

// The state as the seat sees it: every other seat's filled hand slot and
// every card of the deck hold kHiddenCard; the rest is public and kept.
TMatchState PublicState(const TMatchState& state, int seat);

// A copy of the public state with each kHiddenCard replaced by one of the
// cards the knowledge leaves unseen, drawn without replacement: every known
// card stays where it is, every seat keeps its card count and the deck its
// length. Throws std::logic_error when the places and the unseen cards do
// not add up (knowledge of another position).
TMatchState SampleHiddenCards(
    const TMatchState& publicState, const TSeatKnowledge& knowledge, TPlayoutRandom& generator);

} // namespace zaviko::computer
