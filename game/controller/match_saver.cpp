#include "game/controller/match_saver.h"

TMatchSaver::TMatchSaver(const TSavedMatchStore& store)
    : FStore(store)
    , FThread([this] { Run(); })
{
}

TMatchSaver::~TMatchSaver()
{
    {
        std::lock_guard lock(FMutex);
        FStopping = true;
    }
    FChanged.notify_all();
    FThread.join();
}

void TMatchSaver::Keep(const TSavedMatch& match)
{
    {
        std::lock_guard lock(FMutex);
        FPending.emplace(match);
    }
    FChanged.notify_all();
}

void TMatchSaver::Forget()
{
    {
        std::lock_guard lock(FMutex);
        FPending.emplace(std::nullopt);
    }
    FChanged.notify_all();
}

bool TMatchSaver::Flush()
{
    std::unique_lock lock(FMutex);
    FChanged.wait(lock, [this] { return !FPending && !FWorking; });
    return FLastWritten;
}

void TMatchSaver::Run()
{
    std::unique_lock lock(FMutex);
    for (;;) {
        FChanged.wait(lock, [this] { return FPending || FStopping; });
        // Stopping still writes what was asked: that is the newest match.
        if (!FPending) return;
        const std::optional<TSavedMatch> match = std::move(*FPending);
        FPending.reset();
        FWorking = true;
        lock.unlock();
        bool written = true;
        if (match)
            written = FStore.Save(*match);
        else
            FStore.Remove();
        if (match && OnWritten) OnWritten(match->state.MovesMade, written);
        lock.lock();
        FWorking = false;
        FLastWritten = written;
        FChanged.notify_all();
    }
}
