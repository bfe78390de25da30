#pragma once

#include "game/computer/computer_namespace.h"

#include "game/rules/computer_move.h"

#include <span>
#include <vector>

namespace zaviko::computer {

// handIds: the seat's hand slots in slot order, 0 for an empty slot (at most
// 32 slots, usually 6). tableIds: the non-empty table cards in table-position
// order (the upper row's cards in slot order, then the lower row's). r: the
// Random(10) draw the caller made for this move; 0 makes "Glupo" play blind.
//
// A capture is searched among every set of one to five table cards, in the
// order of getAllPossibleCollections, and tested as TCardCollection::CanTake
// would: "Prosecno" takes the first set its first able hand card can take;
// "Pametno" and "Glupo" the capture worth the most points, the last one met
// on a tie (later slot, then later set). With nothing to take, "Glupo" lays
// down its first card and the others their lowest (an ace counts 14). Any
// other strength plays as "Pametno".
TComputerChoice ChooseComputerMove(
    std::span<const int> handIds, std::span<const int> tableIds, int compPlays, int r);

} // namespace zaviko::computer
