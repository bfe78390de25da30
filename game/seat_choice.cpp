#include "game/seat_choice.h"

#include "game/master_choice.h"
#include "game/match_rules.h"
#include "game/seat_knowledge.h"

TComputerChoice ChooseSeatMove(const TMatchState& state, int seat, int strength, int r)
{
    if (strength == csMajstor) return ChooseMasterMove(SeatKnowledgeOf(state, seat));
    return ChooseComputerMove(state.hands[seat], TableIds(state), strength, r);
}
