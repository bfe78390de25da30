#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

// An event that stays signalled until it is reset: every wait, present and
// future, returns at once while it is set. The game paces its pauses as
// timed waits on one such event, so a new match can cut them all short.
class TManualResetEvent {
public:
    explicit TManualResetEvent(bool signalled = false)
        : FSignalled(signalled)
    {
    }
    TManualResetEvent(const TManualResetEvent&) = delete;
    TManualResetEvent& operator=(const TManualResetEvent&) = delete;

    // Signals the event and releases every waiter.
    void SetEvent();
    void ResetEvent();
    // Releases the waits under way now, once, and leaves the event as it was:
    // later waits wait their full time again.
    void Pulse();
    // Waits until the event is signalled or ms milliseconds have passed and
    // answers whether it was signalled; 0 only looks, a negative time waits
    // without limit.
    bool WaitFor(int ms);

private:
    std::mutex FMutex;
    std::condition_variable FChanged;
    bool FSignalled;
    std::uint64_t FPulses = 0;
};
