#pragma once

#include "platform/thread.h"

#include <functional>

class TSequenceObserver;

// One computer sequence: the body makes every consecutive computer move until
// the human is on turn or the match is over; the end then runs on the GUI
// thread as the thread's last hand-off. An observer, when given, is told when
// the body starts and ends.
class TCompPlayThread : public TThread {
public:
    TCompPlayThread(
        std::function<void()> body, std::function<void()> end, TSequenceObserver* observer);
    ~TCompPlayThread() override;

protected:
    void Execute() override;

private:
    const std::function<void()> FBody, FEnd;
    TSequenceObserver* const FObserver;
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
