#pragma once

#include "game/controller/saved_match_store.h"
#include "game/rules/match_file.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// Keeps the match in progress on the disk after every move, from a thread of
// its own, so a stop of any kind (a kill, a crash, a power cut) loses at most
// the move being made, and the GUI thread never waits for the disk. Each
// request replaces the one still waiting: only the newest match is written.
// Every write is atomic (TSavedMatchStore::Save).
class TMatchSaver {
public:
    explicit TMatchSaver(const TSavedMatchStore& store);
    // Finishes what was asked before.
    ~TMatchSaver();
    TMatchSaver(const TMatchSaver&) = delete;
    TMatchSaver& operator=(const TMatchSaver&) = delete;

    // Writes `match` as the saved match.
    void Keep(const TSavedMatch& match);
    // Removes the saved match (the match is over or thrown away).
    void Forget();
    // Waits until every request is done; whether the last write succeeded.
    bool Flush();

    // Called on the saver's thread after each write, with the match's moves
    // and whether it reached the disk: the window reports a failure once,
    // and the crash tests learn what is safe.
    std::function<void(int movesMade, bool written)> OnWritten;

private:
    void Run();

    const TSavedMatchStore FStore;
    std::mutex FMutex;
    std::condition_variable FChanged;
    // What waits to be done: a match to write, or its removal.
    std::optional<std::optional<TSavedMatch>> FPending;
    bool FWorking = false;
    bool FStopping = false;
    bool FLastWritten = true;
    std::thread FThread;
};
