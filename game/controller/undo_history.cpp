#include "game/controller/undo_history.h"

std::optional<TUndoStep> TUndoHistory::TakeBack()
{
    if (FSteps.empty()) return std::nullopt;
    TUndoStep step = std::move(FSteps.back());
    FSteps.pop_back();
    FUsed = true;
    return step;
}

void TUndoHistory::Clear()
{
    FSteps.clear();
    FUsed = false;
}

void TUndoHistory::Restore(std::vector<TUndoStep> steps, bool used)
{
    FSteps = std::move(steps);
    FUsed = used;
}
