#include "net/server/wrong_code_throttle.h"

#include <algorithm>

namespace zaviko::net {

namespace {

constexpr qint64 kLongestWaitMs = 60 * 1000;
constexpr qint64 kMemoryMs = 10 * 60 * 1000;
// Past this many addresses the quiet ones are forgotten at once.
constexpr int kMostRecords = 4096;

} // namespace

TWrongCodeThrottle::TWrongCodeThrottle(int freeTries, int firstWaitMs)
    : FFreeTries(freeTries)
    , FFirstWaitMs(firstWaitMs)
{
    FClock.start();
}

bool TWrongCodeThrottle::MustWait(const QHostAddress& address)
{
    const auto it = FRecords.constFind(address.toString());
    return it != FRecords.constEnd() && FClock.elapsed() < it->until;
}

void TWrongCodeThrottle::Wrong(const QHostAddress& address)
{
    const qint64 now = FClock.elapsed();
    if (FRecords.size() >= kMostRecords) Forget(now);
    TRecord& r = FRecords[address.toString()];
    r.wrong += 1;
    r.last = now;
    const int over = r.wrong - FFreeTries;
    if (over >= 0)
        r.until = now + std::min(kLongestWaitMs, qint64(FFirstWaitMs) << std::min(over, 16));
}

void TWrongCodeThrottle::Forget(qint64 now)
{
    for (auto it = FRecords.begin(); it != FRecords.end();)
        it = now - it->last > kMemoryMs || FRecords.size() >= kMostRecords ? FRecords.erase(it)
                                                                           : std::next(it);
}

} // namespace zaviko::net
