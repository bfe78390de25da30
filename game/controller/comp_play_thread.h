#pragma once

#include "platform/thread.h"

#include <atomic>
#include <functional>

// One computer sequence: the body makes every consecutive computer move until
// the human is on turn or the match is over; the end then runs on the GUI
// thread as the thread's last hand-off.
class TCompPlayThread : public TThread {
public:
    TCompPlayThread(std::function<void()> body, std::function<void()> end);
    ~TCompPlayThread() override;

    // Sequence bodies running now, and the most that ever ran at once; the
    // controller keeps both at one at most, which the stop tests check.
    static int Running() { return FRunning; }
    static int MostAtOnce() { return FMostAtOnce; }

protected:
    void Execute() override;

private:
    const std::function<void()> FBody, FEnd;
    static inline std::atomic<int> FRunning { 0 }, FMostAtOnce { 0 };
};

// Makes one hand-off to the GUI thread from a thread of its own, so that
// the worker can wait for a modal display at a priority of its choosing.
class THandOffThread : public TThread {
public:
    explicit THandOffThread(std::function<void()> onGui);
    ~THandOffThread() override;

protected:
    void Execute() override;

private:
    const std::function<void()> FOnGui;
};
