#include "game/computer/seat_choice.h"

#include "game/computer/master_choice.h"
#include "game/rules/match_rules.h"
#include "game/computer/seat_knowledge.h"

TComputerChoice ChooseSeatMove(const TMatchState& state, int seat, int strength, int r)
{
    if (strength == csMajstor) return ChooseMasterMove(SeatKnowledgeOf(state, seat));
    return ChooseComputerMove(state.hands[seat], TableIds(state), strength, r);
}
