#include "platform/manual_reset_event.h"

#include <chrono>

void TManualResetEvent::SetEvent()
{
    {
        std::lock_guard lock(FMutex);
        FSignalled = true;
    }
    FChanged.notify_all();
}

void TManualResetEvent::ResetEvent()
{
    std::lock_guard lock(FMutex);
    FSignalled = false;
}

void TManualResetEvent::Pulse()
{
    {
        std::lock_guard lock(FMutex);
        ++FPulses;
    }
    FChanged.notify_all();
}

bool TManualResetEvent::WaitFor(int ms)
{
    std::unique_lock lock(FMutex);
    const std::uint64_t pulses = FPulses;
    const auto signalled = [this, pulses] { return FSignalled || FPulses != pulses; };
    if (ms < 0) {
        FChanged.wait(lock, signalled);
        return true;
    }
    // A steady clock: a change of the wall clock neither stretches nor cuts
    // a pause.
    return FChanged.wait_for(lock, std::chrono::milliseconds(ms), signalled);
}
