#pragma once

#include <QElapsedTimer>

#include <algorithm>

// A rate bound: `rate` tokens a second up to `burst`; each message takes one.
// On the monotonic clock, so changing the system time changes nothing.

namespace zaviko::net {

class TTokenBucket {
public:
    TTokenBucket(double rate, double burst)
        : FRate(rate)
        , FBurst(burst)
        , FTokens(burst)
    {
        FClock.start();
    }

    bool Take()
    {
        const qint64 now = FClock.elapsed();
        FTokens = std::min(FBurst, FTokens + (now - FLast) * FRate / 1000.0);
        FLast = now;
        if (FTokens < 1) return false;
        FTokens -= 1;
        return true;
    }

    void Refund() { FTokens = std::min(FBurst, FTokens + 1); }

private:
    double FRate, FBurst, FTokens;
    QElapsedTimer FClock;
    qint64 FLast = 0;
};

} // namespace zaviko::net
