#pragma once

#include "game/controller/sequence_observer.h"
#include "platform/manual_reset_event.h"

// Holds a computer's search until released: a sequence body that does not see
// its stop. The body given up on signals it as it ends, so a test keeps it
// past its own end (a static) and resets it first.
class TStuckSearch : public TSequenceObserver {
public:
    void Reset()
    {
        stuck.ResetEvent();
        release.ResetEvent();
        ended.ResetEvent();
    }
    void SearchStarting(int) override
    {
        stuck.SetEvent();
        release.WaitFor(-1);
    }
    void BodyEnded() override { ended.SetEvent(); }
    TManualResetEvent stuck, release, ended;
};
