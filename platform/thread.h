#pragma once

#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

// A worker thread in the shape the game's threads need: created suspended,
// given its data and priority, then resumed; stopped by a request its body
// checks, never from outside; its body reaches the GUI thread only through
// Synchronize.
//
// The GUI thread must keep serving hand-offs whenever it waits for a worker
// that may be making one, so WaitFor on the GUI thread processes events
// between short waits instead of blocking.
//
// A class whose Execute reads its own members ends the body in its own
// destructor (Terminate, then WaitFor): by the time ~TThread waits, those
// members are gone. Threads are freed on the GUI thread, never from their
// own body.
class TThread {
public:
    TThread();
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    QThread::Priority Priority() const { return FPriority; }
    // Before Resume: a low priority also makes the body's thread, and the
    // threads it starts, give way to the GUI thread on the processor.
    void SetPriority(QThread::Priority priority);
    // The calling thread's nice value (0 where the system has none).
    static int CurrentNiceness();
    // Starts the body; later calls do nothing. False when the system
    // refused the thread: the body will never run.
    bool Resume();
    // Asks the body to stop; the body decides when, by checking Terminated.
    void Terminate() { FTerminated = true; }
    bool Terminated() const { return FTerminated; }
    // Returns when the body has ended (at once if it never started): true, or
    // false once boundMs have passed first (never, when boundMs is negative).
    bool WaitFor(int boundMs = -1);
    // The same without serving hand-offs meanwhile, for a body known to make
    // none any more: the caller's state cannot change under it.
    void WaitForQuietEnd();
    // Whether the body has ended.
    bool Finished() const { return FFinished; }

    // Gives up on a body that did not end when asked to: the thread is kept,
    // never freed, so that whatever the body still reads of it stays, and it
    // tells its body through Abandoned to make no hand-off any more. Their
    // owner must let go of whatever else the body uses as well. On the GUI
    // thread.
    static void Abandon(std::unique_ptr<TThread> thread);
    bool Abandoned() const { return FAbandoned; }

    // Runs fn on the GUI thread and returns when it has finished: at once
    // when called there, else through the GUI thread's event queue. An
    // exception thrown by fn is reported to the player, not passed on.
    static void Synchronize(const std::function<void()>& fn);
    static bool IsGuiThread();

protected:
    // The thread's work; it should return soon after Terminated() turns true.
    // An exception it throws ends the body and is reported to the player.
    virtual void Execute() { }

private:
    class TBody;

    void Run();

    std::unique_ptr<TBody> FBody;
    QThread::Priority FPriority = QThread::NormalPriority;
    std::atomic<bool> FTerminated { false }, FFinished { false }, FAbandoned { false };
    bool FStarted = false;
};
