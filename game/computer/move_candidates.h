#pragma once

#include "game/computer/computer_namespace.h"

#include "game/computer/computer_choice.h"
#include "game/computer/seat_knowledge.h"

#include <vector>

namespace zaviko::computer {

// The moves a seat can make, each once: every capture (sets of one to five
// table cards, and the whole table) in candidate order with the hand slots
// that take it in slot order, then the lay-downs in slot order. Of hand
// cards alike in value and points only the first is offered: they make the
// same move.

struct TMoveCandidate {
    TComputerChoice choice;
    double gain = 0; // points, a clear and the most-cards race at once
};

std::vector<TMoveCandidate> MoveCandidates(const TSeatKnowledge& knowledge);

// At most `most` of the candidates, still in candidate order: `keep` (when it
// is among them) and the richest captures, then the lay-downs, while room is
// left. The search spends its playouts on these.
std::vector<TMoveCandidate> StrongestCandidates(
    std::vector<TMoveCandidate> candidates, const TComputerChoice& keep, int most);

bool SameMove(const TComputerChoice& a, const TComputerChoice& b);

// Whether `slot` holds the first hand card of its value and point count: two
// such cards make the same move, so every search offers only the first.
bool FirstOfItsKind(const THand& hand, int slot);

} // namespace zaviko::computer
