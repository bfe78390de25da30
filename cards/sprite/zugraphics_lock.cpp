#include "cards/sprite/zugraphics_lock.h"

namespace {
unsigned lockCount = 0;
bool lockHeld = false;
} // namespace

void LockAnimation()
{
    if (++lockCount == 1) lockHeld = true;
}

void UnlockAnimation()
{
    if (lockCount == 0) return;
    if (--lockCount == 0) lockHeld = false;
}

bool AnimationLocked()
{
    return lockHeld;
}

unsigned AnimationLockCount()
{
    return lockCount;
}
