#pragma once

#include "game/rules/match_rules.h"
#include "platform/thread.h"

#include <QString>

#include <atomic>

class TMatchController;

// One computer sequence: every consecutive computer move until the human is
// on turn or the match is over. The play-first form makes the seat on turn
// play before anything else (the human let a computer open the match); the
// advance-first form starts with the end of the human's move.
class TCompPlayThread : public TThread {
public:
    TCompPlayThread(TMatchController& controller, bool playFirst);
    ~TCompPlayThread() override;

    // Sequence bodies running now, and the most that ever ran at once; the
    // controller keeps both at one at most, which the stop tests check.
    static int Running() { return FRunning; }
    static int MostAtOnce() { return FMostAtOnce; }

protected:
    void Execute() override;

private:
    TMatchController& FController;
    const bool FPlayFirst;
    static inline std::atomic<int> FRunning { 0 }, FMostAtOnce { 0 };
};

// Shows the end-of-hand dialog on the GUI thread while the worker waits.
class TDisplayInfoThread : public TThread {
public:
    TDisplayInfoThread(TMatchController& controller, const THandEnd& end);
    ~TDisplayInfoThread() override;

protected:
    void Execute() override;

private:
    TMatchController& FController;
    const THandEnd FEnd; // a copy: the hand's figures outlive the rules' step
};

// Shows the game-over message on the GUI thread while the worker waits.
class TGameOverDisplayThread : public TThread {
public:
    TGameOverDisplayThread(TMatchController& controller, const QString& winner);
    ~TGameOverDisplayThread() override;

protected:
    void Execute() override;

private:
    TMatchController& FController;
    const QString FWinner;
};
