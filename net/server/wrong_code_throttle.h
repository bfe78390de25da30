#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>

// Repeated wrong invitation codes from one address: the first few pass, then
// each further try must wait twice as long as the last (up to a minute), so
// guessing a 128-bit code is slower still. Forgotten after ten quiet minutes.

namespace zaviko::net {

class TWrongCodeThrottle {
public:
    TWrongCodeThrottle(int freeTries, int firstWaitMs);
    // Whether the address must wait before its next try.
    bool MustWait(const QHostAddress& address);
    void Wrong(const QHostAddress& address);

private:
    struct TRecord {
        int wrong = 0;
        qint64 last = 0; // ms on FClock
        qint64 until = 0;
    };
    void Forget(qint64 now);

    int FFreeTries, FFirstWaitMs;
    QHash<QString, TRecord> FRecords;
    QElapsedTimer FClock;
};

} // namespace zaviko::net
