#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// Puts a file's data on the disk; a special file (a terminal, /dev/null),
// which has nothing to put there, counts as done.
bool SyncFileToDisk(int handle);

// Puts a file's writes on the disk from a thread of its own, so whoever
// writes never waits for the disk: after each Request an fdatasync of the
// handle follows that covers every write made before it (requests that come
// while one runs share the next). Destroying it waits for the last one
// requested; the handle must stay open until then.
class TDiskSyncer {
public:
    explicit TDiskSyncer(int handle);
    ~TDiskSyncer();
    TDiskSyncer(const TDiskSyncer&) = delete;
    TDiskSyncer& operator=(const TDiskSyncer&) = delete;

    void Request();
    // Waits until every requested sync is done.
    void Drain();
    // Whether a sync has failed since the last call; the failure is then forgotten.
    bool TakeFailure();

private:
    void Run();

    const int FHandle;
    std::mutex FMutex;
    std::condition_variable FChanged;
    bool FRequested = false;
    bool FRunning = false;
    bool FStopping = false;
    bool FFailed = false;
    std::thread FThread;
};
