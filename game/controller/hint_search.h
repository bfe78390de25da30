#pragma once

#include "game/computer/computer_choice.h"
#include "game/computer/search_player.h"
#include "game/rules/match_state.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// "Majstor"'s move for a seat, searched on a thread of its own so that the
// GUI thread never waits for it. One search counts at a time: a new one
// supersedes the last, and a cancel drops it; either tells the old search to
// stop, which it does within one playout, and lets it end on its own. The
// move found reaches the GUI thread through its event queue. Everything
// public is called on the GUI thread.
class THintSearch {
public:
    using TFound = std::function<void(const TComputerChoice&)>;

    explicit THintSearch(TSearchSettings settings = {});
    // Stops every search still running and waits for each (a playout at most).
    ~THintSearch();
    THintSearch(const THintSearch&) = delete;
    THintSearch& operator=(const THintSearch&) = delete;

    // Searches the seat's move on a copy of the state; found runs on the GUI
    // thread with the choice (no move: handSlot -1), unless the search is
    // cancelled or superseded first. False when the system refused a thread.
    bool Start(const TMatchState& state, int seat, TFound found);
    // Drops the search under way; nothing of it arrives.
    void Cancel();
    // A search was started and its move has not yet arrived.
    bool Searching() const { return bool(FFound); }
    // Searches that were told to stop and have not returned yet.
    int Stopping() const;

private:
    class TSearchThread;

    void Arrived(std::uint64_t generation, const TComputerChoice& choice);
    void Retire();

    const TSearchSettings FSettings;
    // The queue's receiver: a result posted to a search gone with this object
    // is dropped with it.
    QObject FReceiver;
    std::unique_ptr<TSearchThread> FCurrent;
    std::vector<std::unique_ptr<TSearchThread>> FRetired;
    std::uint64_t FGeneration = 0;
    TFound FFound;
};
