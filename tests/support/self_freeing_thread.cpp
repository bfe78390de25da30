#include "tests/support/self_freeing_thread.h"

#include <QCoreApplication>

TSelfFreeingThread::TSelfFreeingThread()
    : FSelf(std::make_shared<TSelfFreeingThread*>(this))
{
}

TSelfFreeingThread::~TSelfFreeingThread()
{
    {
        std::lock_guard lock(FMutex);
        FDestroying = true;
    }
    // The body posts the free through FSelf: it ends before the members go.
    Terminate();
    TThread::WaitFor();
}

void TSelfFreeingThread::Execute()
{
    // A body that throws frees the thread too; TThread reports the error.
    try {
        Body();
    } catch (...) {
        PostFree();
        throw;
    }
    PostFree();
}

void TSelfFreeingThread::WaitFor()
{
    {
        std::lock_guard lock(FMutex);
        ++FWaiters;
    }
    TThread::WaitFor();
    std::unique_lock lock(FMutex);
    const bool freeNow = --FWaiters == 0 && FFreePending && !FDestroying;
    lock.unlock();
    if (freeNow) PostFree();
}

void TSelfFreeingThread::PostFree()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return;
    // The token dies with the thread, so a free that arrives after the
    // thread was freed otherwise finds nothing to do.
    const std::weak_ptr<TSelfFreeingThread*> self = FSelf;
    QMetaObject::invokeMethod(
        app,
        [self] {
            if (const auto thread = self.lock()) (*thread)->FreeUnlessWatched();
        },
        Qt::QueuedConnection);
}

void TSelfFreeingThread::FreeUnlessWatched()
{
    std::unique_lock lock(FMutex);
    if (FDestroying) return;
    if (FWaiters > 0) {
        FFreePending = true;
        return;
    }
    lock.unlock();
    delete this;
}
