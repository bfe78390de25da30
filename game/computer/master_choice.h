#pragma once

#include "game/computer/computer_namespace.h"

#include "game/computer/computer_choice.h"
#include "game/computer/seat_knowledge.h"

namespace zaviko::computer {

// "Majstor": the strongest computer seat, and the hint's advice for the
// human. It decides on what the seat can know (seat_knowledge.h) and nothing
// else, so its choice stays the same whatever the hidden cards are.
//
// Every capture of one to five table cards, and of the whole table, is
// weighed with every lay-down: the move's gain (card points, a table clear,
// the cards it adds in the most-cards race) less what the opponents who play
// before its next turn are expected to gain from the table the move leaves
// (reply_estimate.h). The last move of a hand counts the table's rest for
// whoever then took last. Of equal moves the one with more gain of its own
// wins, then the one met first: captures in candidate order, then lay-downs
// in slot order.
TComputerChoice ChooseMasterMove(const TSeatKnowledge& knowledge);

} // namespace zaviko::computer
