#pragma once

#include "game/rules/rules_namespace.h"

#include "game/rules/match_file.h"
#include "game/rules/match_state.h"

#include <string>

namespace zaviko::rules {

// The most hands a match can have completed. A side passes 100 by the end of
// a hand only once, the match's last, and every hand in which a card is taken
// gives somebody the most-cards bonus of 3, so four sides reach 100 within
// some 140 hands; the rest is room for hands in which nothing is taken.
inline constexpr int kMaxMatchHands = 400;
// Every move plays a card, and a hand deals at most two decks.
inline constexpr int kMaxMatchMoves = (kMaxMatchHands + 1) * 104;

// Whether a state read from a saved match is one the rules can reach and play
// on from: empty when it is, else the reason, in Serbian, for the player.
// Without the hand's clears (files that did not keep them), the scores may
// hold a clear for every two cards taken in the hand.
std::string UnreachableReason(const TMatchState& state, bool clearsKnown = true);

// Whether the human's table clears in the hand fit it: each takes the card
// played and at least one from the table, and counts on the human's row.
std::string UnreachableHumanClears(const TMatchState& state, int humanClears);

// Whether the last moves fit the state: a played or taken card is in no hand
// and not in the deck, a taken one is not on the table either, and the hidden
// seats of the two-player mode have made none. Empty when they fit, else the
// reason.
std::string UnreachableLastMoves(const TMatchState& state, const TLastMoves& moves);

// Whether what the hand under way has scored fits the match: no row's part
// above its score table row, card points those of its seats' taken cards, a
// clear for every two taken cards at most, and nothing on rows without seats.
std::string UnreachableHandCells(const TMatchState& state);

// Whether the history and the undo steps fit the match: moves of playing
// seats, hand by hand up to the one under way, no more than the match's, the
// hand's own played from no card still in a hand or the deck and taking only
// cards now taken; steps of the same match and hand with the human on turn,
// in the order they were made, each within the history, whose taken cards,
// deck, scores and clears the match goes on from.
std::string UnreachableHistory(const TSavedMatch& match);

} // namespace zaviko::rules
