#include "game/computer/seat_choice.h"

#include "game/computer/master_choice.h"
#include "game/rules/match_rules.h"
#include "game/computer/seat_knowledge.h"

namespace zaviko::computer {

TComputerChoice ChooseSeatMoveWith(
    const TMatchState& state, int seat, int strength, int r, const TSearchSettings& search)
{
    if (strength == csMajstor) return SearchMove(state, seat, search).choice;
    if (strength == csHeuristicMajstor) return ChooseMasterMove(SeatKnowledgeOf(state, seat));
    return ChooseComputerMove(state.hands[seat], TableIds(state), strength, r);
}

TComputerChoice ChooseSeatMove(const TMatchState& state, int seat, int strength, int r)
{
    return ChooseSeatMoveWith(state, seat, strength, r, {});
}

} // namespace zaviko::computer
