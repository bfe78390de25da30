#pragma once

#include "game/controller/sequence_observer.h"

#include <atomic>

// Counts the sequence bodies running now and the most that ever ran at once,
// and the computers' searches and the pauses that stopped them.
class TSequenceCounter : public TSequenceObserver {
public:
    void BodyStarted() override
    {
        const int now = ++FRunning;
        for (int seen = FMost; now > seen && !FMost.compare_exchange_weak(seen, now);) { }
    }
    void BodyEnded() override { --FRunning; }
    void SearchStarting(int) override { ++FSearches; }
    void SearchInterrupted(int) override { ++FInterrupted; }

    int Running() const { return FRunning; }
    int MostAtOnce() const { return FMost; }
    int Searches() const { return FSearches; }
    int Interrupted() const { return FInterrupted; }

private:
    std::atomic<int> FRunning { 0 }, FMost { 0 }, FSearches { 0 }, FInterrupted { 0 };
};
