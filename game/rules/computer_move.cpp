#include "game/rules/computer_move.h"

#include "game/rules/match_rules.h"

namespace zaviko::rules {

TMove MoveOfChoice(const TMatchState& state, int seat, const TComputerChoice& choice)
{
    TMove move { seat, choice.handSlot, {} };
    if (!choice.capture) return move;
    const std::vector<TTableSlot> slots = TableSlots(state);
    for (int position : choice.tablePositions)
        move.take.push_back(slots.at(position));
    return move;
}

} // namespace zaviko::rules
