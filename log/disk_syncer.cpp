#include "log/disk_syncer.h"

#include <cerrno>
#include <unistd.h>

bool SyncFileToDisk(int handle)
{
    return ::fdatasync(handle) == 0 || errno == EINVAL;
}

TDiskSyncer::TDiskSyncer(int handle)
    : FHandle(handle)
    , FThread([this] { Run(); })
{
}

TDiskSyncer::~TDiskSyncer()
{
    {
        const std::lock_guard lock(FMutex);
        FStopping = true;
    }
    FChanged.notify_all();
    FThread.join();
}

void TDiskSyncer::Request()
{
    {
        const std::lock_guard lock(FMutex);
        FRequested = true;
    }
    FChanged.notify_all();
}

void TDiskSyncer::Drain()
{
    std::unique_lock lock(FMutex);
    FChanged.wait(lock, [this] { return !FRequested && !FRunning; });
}

bool TDiskSyncer::TakeFailure()
{
    const std::lock_guard lock(FMutex);
    const bool failed = FFailed;
    FFailed = false;
    return failed;
}

void TDiskSyncer::Run()
{
    std::unique_lock lock(FMutex);
    for (;;) {
        FChanged.wait(lock, [this] { return FRequested || FStopping; });
        // A stop waits for the sync still requested.
        if (!FRequested) return;
        FRequested = false;
        FRunning = true;
        lock.unlock();
        const bool synced = SyncFileToDisk(FHandle);
        lock.lock();
        FRunning = false;
        if (!synced) FFailed = true;
        FChanged.notify_all();
    }
}
