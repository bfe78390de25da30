#include "platform/manual_reset_event.h"
#include "tests/support/run_until.h"
#include "platform/thread.h"
#include "tests/support/recording_sink.h"
#include "tests/support/refused_threads.h"
#include "tests/support/self_freeing_thread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

// A thread whose body is a function given by the test.
class TTestThread : public TThread {
public:
    explicit TTestThread(std::function<void(TTestThread&)> body, std::atomic<bool>* freed = nullptr)
        : FBody(std::move(body))
        , FFreed(freed)
    {
    }
    ~TTestThread() override
    {
        // The body reads FBody: end it before the members go.
        Terminate();
        WaitFor();
        if (FFreed != nullptr) *FFreed = true;
    }

protected:
    void Execute() override { FBody(*this); }

private:
    std::function<void(TTestThread&)> FBody;
    std::atomic<bool>* FFreed;
};

// Serves the GUI thread's events until done is true or a generous limit
// passes; answers done.
bool ServeUntil(const std::atomic<bool>& done)
{
    QDeadlineTimer limit(20000);
    while (!done && !limit.hasExpired())
        ServeEventsOnce();
    return done;
}

TEST(Thread, StaysSuspendedUntilResumedAndRunsAtItsPriority)
{
    std::atomic<int> runs { 0 };
    std::atomic<QThread::Priority> seen { QThread::InheritPriority };
    TTestThread thread([&](TTestThread&) {
        ++runs;
        seen = QThread::currentThread()->priority();
    });
    thread.SetPriority(QThread::LowPriority);
    thread.WaitFor(); // never started: returns at once
    EXPECT_EQ(runs, 0);
    EXPECT_FALSE(thread.Finished());
    EXPECT_TRUE(thread.Resume());
    EXPECT_TRUE(thread.Resume());
    thread.WaitFor();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(thread.Finished());
    EXPECT_EQ(seen, QThread::LowPriority);
}

// Qt's priority alone does not change how Linux shares the processor: a
// body of low priority runs nicer than the GUI thread, and the threads it
// starts (the search's helpers) with it.
TEST(Thread, ALowPriorityBodyGivesWayOnTheProcessor)
{
    const int gui = TThread::CurrentNiceness();
    const struct {
        QThread::Priority priority;
        bool nicer;
    } cases[] = { { QThread::NormalPriority, false }, { QThread::LowPriority, true },
        { QThread::LowestPriority, true } };
    int lowNice = 0;
    for (const auto& c : cases) {
        std::atomic<int> body { -100 }, helper { -100 };
        TTestThread thread([&](TTestThread&) {
            body = TThread::CurrentNiceness();
            std::thread([&] { helper = TThread::CurrentNiceness(); }).join();
        });
        thread.SetPriority(c.priority);
        ASSERT_TRUE(thread.Resume());
        thread.WaitFor();
#ifdef __linux__
        EXPECT_EQ(body > gui, c.nicer) << c.priority;
#endif
        EXPECT_EQ(helper, body) << c.priority;
        if (c.priority == QThread::LowPriority) lowNice = body;
        if (c.priority == QThread::LowestPriority) EXPECT_GE(body, lowNice);
    }
    EXPECT_EQ(TThread::CurrentNiceness(), gui) << "the GUI thread keeps its own";
}

// A start the system refuses is told to the caller, who would otherwise wait
// for a body that never comes; waiting for it returns at once.
TEST(Thread, ARefusedStartIsToldAndTheBodyNeverRuns)
{
    std::atomic<int> runs { 0 };
    TTestThread thread([&](TTestThread&) { ++runs; });
    {
        const TRefusedThreads refused;
        EXPECT_FALSE(thread.Resume());
    }
    thread.WaitFor();
    thread.WaitForQuietEnd();
    EXPECT_FALSE(thread.Resume()) << "a thread starts once at most";
    EXPECT_EQ(runs, 0);
    EXPECT_FALSE(thread.Finished());
}

TEST(Thread, SynchronizeRunsOnTheGuiThreadInOrderAndWaitsForTheEnd)
{
    constexpr int kHandOffs = 200;
    std::vector<int> order;
    std::atomic<int> offGui { 0 }, notWaited { 0 };
    TTestThread thread([&](TTestThread&) {
        for (int i = 0; i < kHandOffs; ++i) {
            TThread::Synchronize([&, i] {
                offGui += !TThread::IsGuiThread();
                order.push_back(i);
            });
            // The hand-off has finished when Synchronize returns.
            notWaited += static_cast<int>(order.size()) != i + 1;
        }
    });
    thread.Resume();
    thread.WaitFor(); // on the GUI thread: serves the hand-offs meanwhile
    ASSERT_EQ(static_cast<int>(order.size()), kHandOffs);
    for (int i = 0; i < kHandOffs; ++i)
        EXPECT_EQ(order[i], i);
    EXPECT_EQ(offGui, 0);
    EXPECT_EQ(notWaited, 0);
}

TEST(Thread, SynchronizeOnTheGuiThreadRunsAtOnce)
{
    int calls = 0;
    TThread::Synchronize([&] { ++calls; });
    EXPECT_EQ(calls, 1);
}

// The stop sequence of a new match: the worker makes hand-offs and pauses on
// an event until told to stop; the GUI thread signals the event, so every
// pause ends at once, then terminates and waits while the worker is busy
// handing off.
TEST(Thread, TerminatedWorkerBusyWithHandOffsIsJoinedFromTheGuiThread)
{
    TManualResetEvent pace;
    std::atomic<int> handOffs { 0 };
    TTestThread thread([&](TTestThread& self) {
        while (!self.Terminated()) {
            TThread::Synchronize([&] { ++handOffs; });
            pace.WaitFor(20000);
        }
    });
    thread.Resume();
    QDeadlineTimer limit(20000);
    while (handOffs == 0 && !limit.hasExpired())
        ServeEventsOnce();
    ASSERT_EQ(handOffs, 1); // now pausing
    pace.SetEvent();
    while (handOffs < 3 && !limit.hasExpired())
        ServeEventsOnce();
    ASSERT_GE(handOffs, 3);
    thread.Terminate();
    thread.WaitFor();
    EXPECT_TRUE(thread.Finished());
}

TEST(Thread, FreedWhileRunningEndsTheBodyInsteadOfAborting)
{
    std::atomic<bool> freed { false };
    std::atomic<int> handOffs { 0 };
    auto* thread = new TTestThread(
        [&](TTestThread& self) {
            while (!self.Terminated())
                TThread::Synchronize([&] { ++handOffs; });
        },
        &freed);
    thread->Resume();
    delete thread;
    EXPECT_TRUE(freed);
}

TEST(Thread, ExceptionsOfTheBodyAndOfHandOffsAreReportedNotThrown)
{
    TScopedRecordingSink sink;
    std::atomic<bool> continued { false };
    TTestThread thread([&](TTestThread&) {
        TThread::Synchronize([] { throw std::runtime_error("hand-off failed"); });
        TThread::Synchronize([] { throw 7; });
        continued = true;
        throw std::runtime_error("body failed");
    });
    thread.Resume();
    thread.WaitFor();
    EXPECT_TRUE(continued);
    EXPECT_TRUE(thread.Finished());
    // What carries no text of its own is reported in the game's language.
    EXPECT_EQ(sink.shown.errors,
        (std::vector<std::string> {
            "hand-off failed", "Neocekivana greska u radu igre.", "body failed" }));
}

// A self-freeing thread whose body is a function given by the test; it tells
// the test when it has been freed.
class TFreedThread : public TSelfFreeingThread {
public:
    TFreedThread(std::function<void()> body, std::atomic<bool>& freed)
        : FBody(std::move(body))
        , FFreed(freed)
    {
    }
    ~TFreedThread() override
    {
        Terminate();
        TThread::WaitFor();
        FFreed = true;
    }

protected:
    void Body() override { FBody(); }

private:
    std::function<void()> FBody;
    std::atomic<bool>& FFreed;
};

TEST(Thread, FreeOnTerminateFreesOnlyAfterWaitForHasReturned)
{
    std::atomic<bool> freed { false };
    auto* thread = new TFreedThread(
        [] {
            for (int i = 0; i < 20; ++i)
                TThread::Synchronize([] {});
        },
        freed);
    thread->Resume();
    // The free the body posts may be served during this wait; it must hold
    // off until the wait has returned, so the thread can still be read.
    thread->WaitFor();
    EXPECT_FALSE(freed);
    EXPECT_TRUE(thread->Finished());
    EXPECT_TRUE(ServeUntil(freed));
}

TEST(Thread, FreeOnTerminateWithoutWaiterFreesAfterTheBody)
{
    std::atomic<bool> freed { false };
    auto* thread = new TFreedThread([] {}, freed);
    thread->Resume();
    EXPECT_TRUE(ServeUntil(freed));
}

} // namespace
