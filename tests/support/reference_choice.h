#pragma once

#include "game/computer/computer_choice.h"
#include "tests/support/table_candidates.h"

#include <span>

class TZuSingleCard;

// The computer's choice made on card objects exactly as the rules state it,
// kept as the oracle for ChooseComputerMove: the candidate list of
// getAllPossibleCollections, every (hand slot, set) pair tested with
// TCardCollection::CanTake in slot order and then set order. Slow by design.
//
// hand: one entry per slot, nullptr for an empty slot. The table's cards must
// be distinct objects, since the chosen set is mapped back to positions by
// identity.
TComputerChoice ReferenceComputerChoice(
    const TTableCards& table, std::span<const TZuSingleCard* const> hand, int compPlays, int r);
