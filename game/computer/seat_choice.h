#pragma once

#include "game/computer/computer_choice.h"
#include "game/rules/match_state.h"

// The move of a computer seat at a strength: "Majstor" decides on what the
// seat can know (master_choice.h), the others on its hand and the table
// (ChooseComputerMove, with the Random(10) draw r).
TComputerChoice ChooseSeatMove(const TMatchState& state, int seat, int strength, int r);
