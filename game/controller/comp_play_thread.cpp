#include "game/controller/comp_play_thread.h"

#include "game/controller/match_controller.h"

#include <exception>

namespace {

void RaiseTo(std::atomic<int>& most, int value)
{
    for (int seen = most; value > seen && !most.compare_exchange_weak(seen, value);) { }
}

} // namespace

TCompPlayThread::TCompPlayThread(TMatchController& controller, bool playFirst)
    : FController(controller)
    , FPlayFirst(playFirst)
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
        if (!FPlayFirst || FController.PlayerNBeforePlay(FController.State().CurrentPlayer))
            FController.EndTurn();
    } catch (...) {
        const std::exception_ptr error = std::current_exception();
        Synchronize([error] { std::rethrow_exception(error); }); // reports it
    }
    // No longer counted as running before that, so Busy false means none runs.
    --FRunning;
    Synchronize([this] { FController.SequenceEnded(); });
}

TDisplayInfoThread::TDisplayInfoThread(TMatchController& controller, const THandEnd& end)
    : FController(controller)
    , FEnd(end)
{
}

TDisplayInfoThread::~TDisplayInfoThread()
{
    Terminate();
    WaitFor();
}

void TDisplayInfoThread::Execute()
{
    Synchronize([this] { FController.ShowHandEndOnGui(FEnd); });
}

TGameOverDisplayThread::TGameOverDisplayThread(TMatchController& controller, const QString& winner)
    : FController(controller)
    , FWinner(winner)
{
}

TGameOverDisplayThread::~TGameOverDisplayThread()
{
    Terminate();
    WaitFor();
}

void TGameOverDisplayThread::Execute()
{
    Synchronize([this] { FController.ShowGameOverOnGui(FWinner); });
}
