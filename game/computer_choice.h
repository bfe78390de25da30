#pragma once

#include <span>
#include <vector>

// How hard the computer seats try (the CompPlays setting). "Majstor" decides
// on more than the hand and the table: ChooseSeatMove (seat_choice.h) runs it.
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
    std::vector<int> tablePositions; // a capture: 0-based indices into tableIds, ascending
};

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
