#pragma once

#include "game/rules/match_rules.h"
#include "net/protocol/server_message.h"

#include <optional>

// A network seat sees the table from where it sits: the window puts its own
// seat at the bottom (S) and the others around in their real order. These
// turn a seat's view so, and read a move the server reports back into the
// rules' own move (hand slot and table slots), so the window plays it
// through the same code as any move rather than copying the server's result.

namespace zaviko::net {

// The seat `real` as the viewer at `you` sees it, and back.
int ShownSeat(int real, int you);
int RealSeat(int shown, int you);

// The state with the viewer's seat at S: hands, taken lists, turn, takers,
// and scores and score rows moved to the seats (or pairs) they belong to.
TMatchState TurnedState(const TMatchState& state, int you);

// The move the server reported in `after` (a "move" event), made from the
// state before it (both in real seats), as the rules' move: the hand slot
// that emptied and the table slots that did. Nothing when the two states do
// not differ by exactly that move.
std::optional<TMove> MoveOfEvent(const TMatchState& before, const TSeatView& after);

} // namespace zaviko::net
