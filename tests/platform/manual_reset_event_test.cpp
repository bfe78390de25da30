#include "platform/manual_reset_event.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using TClock = std::chrono::steady_clock;

// Long enough never to run out on a loaded machine; a waiter released by the
// event returns far sooner.
constexpr int kLongWaitMs = 20000;

TEST(ManualResetEvent, SignalledStateAnswersEveryWaitUntilReset)
{
    struct TCase {
        bool initial;
        bool set, reset;
        bool signalled;
    };
    const TCase cases[] = {
        { false, false, false, false },
        { true, false, false, true },
        { false, true, false, true },
        { true, false, true, false },
        { false, true, true, false },
    };
    for (const TCase& c : cases) {
        TManualResetEvent event(c.initial);
        if (c.set) event.SetEvent();
        if (c.reset) event.ResetEvent();
        // Every wait sees the same state: a set event is not consumed.
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(event.WaitFor(0), c.signalled) << c.initial << c.set << c.reset;
    }
}

TEST(ManualResetEvent, UnsignalledWaitLastsItsTimeOut)
{
    TManualResetEvent event;
    const auto start = TClock::now();
    EXPECT_FALSE(event.WaitFor(30));
    EXPECT_GE(TClock::now() - start, 30ms);
}

TEST(ManualResetEvent, SignalReleasesEveryWaiterAtOnce)
{
    TManualResetEvent event;
    constexpr int kWaiters = 4;
    std::atomic<int> released { 0 }, signalled { 0 };
    std::vector<std::thread> waiters;
    for (int i = 0; i < kWaiters; ++i)
        waiters.emplace_back([&] {
            signalled += event.WaitFor(kLongWaitMs);
            ++released;
        });
    std::this_thread::sleep_for(20ms); // let them reach their wait
    EXPECT_EQ(released, 0);
    const auto start = TClock::now();
    event.SetEvent();
    for (std::thread& waiter : waiters)
        waiter.join();
    EXPECT_EQ(signalled, kWaiters);
    EXPECT_LT(TClock::now() - start, std::chrono::milliseconds(kLongWaitMs / 2));
    // Still signalled for the next waiter.
    EXPECT_TRUE(event.WaitFor(0));
}

TEST(ManualResetEvent, PulseEndsTheWaitUnderWayOnly)
{
    TManualResetEvent event;
    std::atomic<bool> released { false };
    std::thread waiter([&] {
        EXPECT_TRUE(event.WaitFor(kLongWaitMs));
        released = true;
    });
    // Pulse until the waiter has taken it: a pulse before its wait began
    // would not count.
    const auto start = TClock::now();
    while (!released && TClock::now() - start < std::chrono::milliseconds(kLongWaitMs / 2)) {
        event.Pulse();
        std::this_thread::sleep_for(1ms);
    }
    waiter.join();
    EXPECT_TRUE(released);
    // The event is not left signalled: the next wait lasts its time.
    EXPECT_FALSE(event.WaitFor(0));
    EXPECT_FALSE(event.WaitFor(5));
}

TEST(ManualResetEvent, WaitWithoutLimitEndsWithTheSignal)
{
    TManualResetEvent event;
    std::atomic<bool> done { false };
    std::thread waiter([&] { done = event.WaitFor(-1); });
    std::this_thread::sleep_for(10ms);
    EXPECT_FALSE(done);
    event.SetEvent();
    waiter.join();
    EXPECT_TRUE(done);
}

} // namespace
