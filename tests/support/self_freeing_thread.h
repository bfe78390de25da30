#pragma once

#include "platform/thread.h"

#include <memory>
#include <mutex>

// A thread that frees itself on the GUI thread once its body has ended and
// nobody waits for it any more. Needs a running application; create it with
// new and never delete it while its body may still post the free.
class TSelfFreeingThread : public TThread {
public:
    TSelfFreeingThread();
    ~TSelfFreeingThread() override;

    // TThread::WaitFor, with the free the body posted held off until the wait
    // has returned, so the caller may still read the thread afterwards.
    void WaitFor();

protected:
    // The work; the free is posted after it.
    virtual void Body() = 0;

private:
    void Execute() final;
    void PostFree();
    void FreeUnlessWatched();

    // A free posted from the body must not run while somebody still waits,
    // nor after the thread was freed by other means.
    std::mutex FMutex;
    int FWaiters = 0;
    bool FFreePending = false, FDestroying = false;
    std::shared_ptr<TSelfFreeingThread*> FSelf;
};
