#include "game/seat_choice.h"

#include "game/master_choice.h"
#include "game/match_rules.h"
#include "game/seat_knowledge.h"

TComputerChoice ChooseSeatMove(
    const TMatchState& state, int seat, int strength, int r, const TSearchSettings& search)
{
    if (strength == csMajstor) return SearchMove(state, seat, search).choice;
    if (strength == csHeuristicMajstor) return ChooseMasterMove(SeatKnowledgeOf(state, seat));
    return ChooseComputerMove(state.hands[seat], TableIds(state), strength, r);
}
