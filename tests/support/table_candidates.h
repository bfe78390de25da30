#pragma once

#include "game/computer/candidate_walk.h"
#include "game/controller/card_collection.h"

#include <cstdint>
#include <span>
#include <vector>

class TZuSingleCard;

// The cards on the table as the capture search sees them: the non-empty cards
// of each pile in slot order. Positions 1..Count() number the first pile's
// cards and then the second's.
struct TTableCards {
    std::vector<TZuSingleCard*> talon1, talon2;

    int Count() const { return static_cast<int>(talon1.size() + talon2.size()); }
};

// The card at a 1-based table position; EIndexOutOfBounds past the last card
// (and before the first).
TZuSingleCard& TableCardAt(const TTableCards& table, int position);

// Fills list with every set of one to five table cards and returns how many
// there are: all single cards, then all pairs, and so on. Within one size the
// sets come in ascending order of the binary number whose most significant
// bit is position 1, so the single cards run from the last position to the
// first; the computer's tie-breaks rely on that order. A failure is reported
// to the player and leaves the list empty (0).
int getAllPossibleCollections(const TTableCards& table, TCardCollections& list);

// CanTake for several hand cards at once (at most 64): bit i of the answer is
// set when handCards[i] takes the set. EInvalidPlay for an empty set.
std::uint64_t CanTakeEach(
    const TCardCollection& set, std::span<const TZuSingleCard* const> handCards);
