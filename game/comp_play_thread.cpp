#include "game/comp_play_thread.h"

#include "game/match_controller.h"

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
    // Busy is cleared by the hand-off at the end, on the GUI thread, also
    // when a move failed: the human must never stay locked out. The body no
    // longer counts as running before that, so Busy false means none runs.
    struct TEnd {
        TMatchController& controller;
        ~TEnd()
        {
            --FRunning;
            Synchronize([this] { controller.SequenceEnded(); });
        }
    } end { FController };
    if (FPlayFirst && !FController.PlayerNBeforePlay(FController.State().CurrentPlayer)) return;
    FController.EndTurn();
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
