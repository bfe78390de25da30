#include "game/controller/comp_play_thread.h"

#include <exception>

namespace {

void RaiseTo(std::atomic<int>& most, int value)
{
    for (int seen = most; value > seen && !most.compare_exchange_weak(seen, value);) { }
}

} // namespace

TCompPlayThread::TCompPlayThread(std::function<void()> body, std::function<void()> end)
    : FBody(std::move(body))
    , FEnd(std::move(end))
{
}

TCompPlayThread::~TCompPlayThread()
{
    // Execute reads this object's members, so the body ends before they go.
    Terminate();
    WaitFor();
}

void TCompPlayThread::Execute()
{
    RaiseTo(FMostAtOnce, ++FRunning);
    // A failed move is reported before the end, so that the end (which clears
    // Busy on the GUI thread) is the body's last hand-off: once the human is
    // let back in, a new sequence may take this one's place without serving
    // events while it waits for this body to return.
    try {
        FBody();
    } catch (...) {
        const std::exception_ptr error = std::current_exception();
        Synchronize([error] { std::rethrow_exception(error); }); // reports it
    }
    // No longer counted as running before that, so Busy false means none runs.
    --FRunning;
    Synchronize(FEnd);
}

THandOffThread::THandOffThread(std::function<void()> onGui)
    : FOnGui(std::move(onGui))
{
}

THandOffThread::~THandOffThread()
{
    Terminate();
    WaitFor();
}

void THandOffThread::Execute()
{
    Synchronize(FOnGui);
}
