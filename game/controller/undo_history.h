#pragma once

#include "game/rules/match_file.h"

#include <optional>
#include <vector>

// The human's moves of the hand under way that "Vrati potez" can take back,
// each as the whole match just before it (state, last moves, the match's
// generator, the human's clears, the history's length), and whether a move
// has been taken back in the match (the statistics count such matches apart).
class TUndoHistory {
public:
    void Remember(TUndoStep step) { FSteps.push_back(std::move(step)); }
    // The latest step, taken off the history; nullopt when there is none.
    std::optional<TUndoStep> TakeBack();
    bool Empty() const { return FSteps.empty(); }
    int Depth() const { return int(FSteps.size()); }
    bool Used() const { return FUsed; }
    // A hand ends: its moves can be taken back no more.
    void EndHand() { FSteps.clear(); }
    // A new match: nothing to take back and nothing taken back.
    void Clear();
    // As a saved match kept them.
    const std::vector<TUndoStep>& Steps() const { return FSteps; }
    void Restore(std::vector<TUndoStep> steps, bool used);

private:
    std::vector<TUndoStep> FSteps;
    bool FUsed = false;
};
