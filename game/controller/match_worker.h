#pragma once

#include "game/computer/computer_choice.h"
#include "game/computer/search_player.h"
#include "game/rules/match_rules.h"
#include "platform/manual_reset_event.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TCompPlayThread;
class TSequenceObserver;

// What a computer sequence shows of the rules' events and of its own end.
// The controller implements it; every call comes on the GUI thread.
class TSequenceDisplay {
public:
    virtual ~TSequenceDisplay() = default;
    virtual void SequenceTurnChanged() = 0;
    // A fresh shuffled deck for the next hand, next card last.
    virtual std::vector<int> SequenceNewDeck() = 0;
    virtual void SequenceDealt(bool newDeck) = 0;
    // The rules gave the table's last cards to the hand's last taker; before
    // the hand's end is shown.
    virtual void SequenceRestTaken(const THandEnd& end) = 0;
    // Calls landed once the cards of the last display are down (at once when
    // none fly).
    virtual void SequenceFlightsDown(std::function<void()> landed) = 0;
    // Cards are in the air; may be asked on any thread.
    virtual bool SequenceFlying() const = 0;
    // Shown while the worker waits at the lowest priority: a modal display.
    virtual void SequenceHandEnded(const THandEnd& end) = 0;
    // The sequence is over (played out or stopped); Busy is already false.
    virtual void SequenceEnded() = 0;
};

// The computer seats' side of a match: one sequence thread at a time, its
// pauses on one event, the player's pause, the stop, and the hand-offs by
// which the sequence shows what it does. The controller gives the sequence's
// body; the worker runs it and reports back through TSequenceDisplay.
//
// Start, Stop, SetPaused, SkipReveal and WaitFor are called on the GUI thread;
// Pace, PaceReveal, Choose, RunOnGui, ShowWhileWaiting and Events from the
// body. Busy, Paused, Stopping, Revealing and Terminated may be read anywhere.
class TMatchWorker {
public:
    explicit TMatchWorker(TSequenceDisplay& display);
    // Stops a sequence still running, which reports to the display as ever:
    // the owner stops it first when the display goes before the worker.
    ~TMatchWorker();
    TMatchWorker(const TMatchWorker&) = delete;
    TMatchWorker& operator=(const TMatchWorker&) = delete;

    // --- The GUI thread ---
    // Runs body on a new low-priority thread; Busy holds from here until the
    // end. False (and not Busy) when the system refused the thread.
    bool Start(std::function<void()> body);
    // Ends the sequence under way: its pauses are cut short, its search stops
    // and the GUI thread serves its hand-offs until it has returned. Ends a
    // pause too. Nothing happens while a stop is already under way. A body
    // that has not returned within the stop's bound is given up on (see
    // Abandoned): closing the window never waits for ever.
    void Stop();
    // How long a stop waits; a test's, to meet a stuck body without waiting.
    void SetStopBound(int ms) { FStopBoundMs = ms; }
    // A sequence's body did not return when stopped and was left running
    // (its thread kept for good): no sequence starts any more, and whatever
    // the body uses (the display, this worker) must outlive it.
    bool Abandoned() const { return FAbandoned; }
    // Blocks until the sequence has ended, serving its hand-offs.
    void WaitFor();
    void SetPaused(bool paused) { FPaused = paused; }
    // While held the sequence stands where it is: its waits hold, a search
    // under way stops (to be made again, as after a pause) and every hand-off
    // it sends waits on its thread until the hold ends, so nothing it shows
    // moves on screen. A stop goes through a hold. For the questions asked
    // about the match while it runs; the player's pause stays as it is.
    void SetHeld(bool held);
    // Ends a computer's reveal at once; a pause holds it still.
    void SkipReveal();
    // A test's window on the sequences; null removes it. Before a Start.
    void SetObserver(TSequenceObserver* observer) { FObserver = observer; }

    bool Busy() const { return FBusy; }
    bool Paused() const { return FPaused; }
    bool Held() const { return FHeld; }
    bool Stopping() const { return FStopping; }
    bool Revealing() const { return FRevealing; }

    // --- The sequence's body ---
    // The sequence was told to stop; the body returns soon after.
    bool Terminated() const;
    // A wait of ms that a stop cuts short; then holds while paused.
    void Pace(int ms);
    // The same for a computer's reveal, which the player may cut short.
    void PaceReveal(int ms);
    // A computer seat's choice: choose searches with the settings given, whose
    // stop check ends the search on a stop or a pause. After a pause the
    // choice is made again from the start, so it is the one an unpaused match
    // makes. No value when the sequence was told to stop.
    std::optional<TComputerChoice> Choose(
        int seat, const std::function<TComputerChoice(const TSearchSettings&)>& choose);
    // Runs fn on the GUI thread and returns when it has run.
    void RunOnGui(const std::function<void()>& fn);
    // Runs onGui on the GUI thread from a thread of the lowest priority and
    // waits for it: the way to show a modal display.
    void ShowWhileWaiting(const std::function<void()>& onGui);
    // Runs launch on the GUI thread and waits until it has called the landing
    // it was given (on the GUI thread, then or later: when the flights it
    // started are down), or until the sequence is told to stop.
    void AwaitLanding(const std::function<void(std::function<void()> landed)>& launch);
    // The rules' events of the end of a turn, shown through the display.
    TMatchEvents& Events();

private:
    class TEvents;

    void Ended();
    // The hold keeps the sequence here, on its thread, until it ends or a
    // stop comes.
    void WaitWhileHeld();
    bool Holding() const { return FHeld && !Terminated(); }

    TSequenceDisplay& FDisplay;
    std::unique_ptr<TEvents> FEvents;
    std::unique_ptr<TCompPlayThread> FThread;
    TManualResetEvent PaceEvent;
    std::atomic<TSequenceObserver*> FObserver { nullptr };
    std::atomic<bool> FBusy { false };
    std::atomic<bool> FPaused { false };
    std::atomic<bool> FHeld { false };
    std::atomic<bool> FStopping { false };
    std::atomic<bool> FRevealing { false };
    std::atomic<bool> FAbandoned { false };
    // Far beyond any honest stop, which cuts searches and pauses short and
    // serves the hand-offs: a body still running then is stuck.
    int FStopBoundMs = 10000;
};
