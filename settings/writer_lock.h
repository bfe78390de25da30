#pragma once

#include <QString>

// A lock between the writers of one file, in this program or another copy of
// it: the lock file "<file>.lock" stays beside the file, and the lock is the
// system's lock on it, which the system lets go when its holder ends however
// it ends (a crash, a kill, a power cut), so no lock is ever left stale and
// taking one writes nothing to the disk.
class TWriterLock {
public:
    // Waits at most `waitMs` for another writer to let go.
    TWriterLock(const QString& file, int waitMs);
    ~TWriterLock();
    TWriterLock(const TWriterLock&) = delete;
    TWriterLock& operator=(const TWriterLock&) = delete;

    // False when another writer held it all along, or no lock file could be
    // made or opened (then nothing is held).
    bool Held() const { return FHandle >= 0; }

private:
    int FHandle = -1;
};
