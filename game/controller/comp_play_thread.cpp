#include "game/controller/comp_play_thread.h"

#include "game/controller/sequence_observer.h"

#include <exception>

TCompPlayThread::TCompPlayThread(
    std::function<void()> body, std::function<void()> end, TSequenceObserver* observer)
    : FBody(std::move(body))
    , FEnd(std::move(end))
    , FObserver(observer)
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
    if (FObserver) FObserver->BodyStarted();
    // A failed move is reported before the end, so that the end (which clears
    // Busy on the GUI thread) is the body's last hand-off: once the human is
    // let back in, a new sequence may take this one's place without serving
    // events while it waits for this body to return.
    try {
        FBody();
    } catch (...) {
        const std::exception_ptr error = std::current_exception();
        if (!Abandoned()) Synchronize([error] { std::rethrow_exception(error); }); // reports it
    }
    // Over before the end, so Busy false means no body runs.
    if (FObserver) FObserver->BodyEnded();
    // A sequence given up on has been ended for it, and its worker may be gone.
    if (!Abandoned()) Synchronize(FEnd);
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
