#pragma once

// The process-wide animation lock. Flights, deals and a group's play delay hold
// it; code that runs through message processing meanwhile reads it and backs off.
void LockAnimation();
void UnlockAnimation();
bool AnimationLocked();
unsigned AnimationLockCount();

// Holds the animation lock for a scope, whichever way the scope ends.
class TZuAnimationLockGuard {
public:
    TZuAnimationLockGuard() { LockAnimation(); }
    ~TZuAnimationLockGuard() { UnlockAnimation(); }
    TZuAnimationLockGuard(const TZuAnimationLockGuard&) = delete;
    TZuAnimationLockGuard& operator=(const TZuAnimationLockGuard&) = delete;
};
