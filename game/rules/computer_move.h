#pragma once

#include "game/rules/rules_namespace.h"

#include <functional>
#include <vector>

namespace zaviko::rules {

struct TMatchState;
struct TMove;

// How hard the computer seats try (the CompPlays setting). "Majstor" decides
// on more than the hand and the table: ChooseSeatMove (game/computer) runs it.
// csHeuristicMajstor is no setting: the one-move judgement of master_choice.h
// as a seat of its own, which the search plays out with and the self-play
// tool measures the search against.
enum TCompStrength {
    csPametno = 0,
    csProsecno = 1,
    csGlupo = 2,
    csMajstor = 3,
    csHeuristicMajstor = 4
};

// A computer seat's move, chosen from a value snapshot of its hand and the
// table; the controller shows and makes it.
struct TComputerChoice {
    bool capture = false; // false: lay the hand card down
    bool blind = false; // the weak seat's move made without looking at the table
    int handSlot = -1; // 0-based hand slot of the card played; -1: an empty hand
    std::vector<int> tablePositions; // a capture: 0-based indices into TableIds, ascending
};

// Chooses the move of a computer seat at a strength, given the Random(10)
// draw r made for this move. The rules take it as a value so that a match
// plays without knowing how the computer thinks.
using TSeatChooser
    = std::function<TComputerChoice(const TMatchState& state, int seat, int strength, int r)>;

// The move a choice names for the seat: its hand slot and, for a capture, the
// table slots at the choice's positions. std::out_of_range when a position is
// past the table's cards.
TMove MoveOfChoice(const TMatchState& state, int seat, const TComputerChoice& choice);

} // namespace zaviko::rules
