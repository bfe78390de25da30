#pragma once

#include "game/computer/computer_namespace.h"

#include "game/computer/computer_choice.h"
#include "game/computer/search_player.h"
#include "game/rules/match_state.h"

namespace zaviko::computer {

// The move of a computer seat at a strength: "Majstor" searches on what the
// seat can know (search_player.h, with `search`), its one-move judgement
// (master_choice.h) decides on that knowledge too, the others on the hand and
// the table (ChooseComputerMove, with the Random(10) draw r).
TComputerChoice ChooseSeatMoveWith(
    const TMatchState& state, int seat, int strength, int r, const TSearchSettings& search);
// The same with the search's default settings; the chooser a headless match takes.
TComputerChoice ChooseSeatMove(const TMatchState& state, int seat, int strength, int r);

} // namespace zaviko::computer
