#include "game/controller/match_worker.h"

#include "game/controller/comp_play_thread.h"
#include "game/controller/sequence_observer.h"

#include <QThread>

// The rules' events during the end of a turn, shown on the GUI thread.
class TMatchWorker::TEvents : public TMatchEvents {
public:
    explicit TEvents(TMatchWorker& worker)
        : FWorker(worker)
    {
    }
    void TurnChanged(const TMatchState&) override
    {
        FWorker.RunOnGui([this] { FWorker.FDisplay.SequenceTurnChanged(); });
    }
    std::vector<int> NewDeck(int) override
    {
        std::vector<int> deck;
        FWorker.RunOnGui([this, &deck] { deck = FWorker.FDisplay.SequenceNewDeck(); });
        return deck;
    }
    void Dealt(const TMatchState&, bool newDeck) override
    {
        FWorker.RunOnGui([this, newDeck] { FWorker.FDisplay.SequenceDealt(newDeck); });
        AwaitFlights();
    }
    void HandEnded(const TMatchState&, const THandEnd& end) override
    {
        // The table's last cards reach their taker before the hand's end shows.
        FWorker.RunOnGui([this, &end] { FWorker.FDisplay.SequenceRestTaken(end); });
        AwaitFlights();
        FWorker.ShowWhileWaiting([this, &end] { FWorker.FDisplay.SequenceHandEnded(end); });
    }

private:
    void AwaitFlights()
    {
        if (FWorker.FDisplay.SequenceFlying())
            FWorker.AwaitLanding([this](std::function<void()> landed) {
                FWorker.FDisplay.SequenceFlightsDown(landed);
            });
    }

    TMatchWorker& FWorker;
};

TMatchWorker::TMatchWorker(TSequenceDisplay& display)
    : FDisplay(display)
    , FEvents(std::make_unique<TEvents>(*this))
{
}

TMatchWorker::~TMatchWorker()
{
    Stop();
}

bool TMatchWorker::Start(std::function<void()> body)
{
    if (FAbandoned) return false; // the body given up on may still use the state
    // Busy is set before the thread can run, so its end cannot come first,
    // and nothing below serves events: no click queued behind the human's
    // move can become a second one.
    FBusy = true;
    if (FThread) {
        // Its sequence has ended, which was its last hand-off; it may still be
        // returning from its body.
        FThread->WaitForQuietEnd();
        FThread.reset();
    }
    FThread = std::make_unique<TCompPlayThread>(
        std::move(body), [this] { Ended(); }, FObserver.load());
    FThread->SetPriority(QThread::LowPriority);
    if (FThread->Resume()) return true;
    FThread.reset();
    FBusy = false;
    return false;
}

void TMatchWorker::Ended()
{
    FBusy = false;
    FDisplay.SequenceEnded();
}

void TMatchWorker::Stop()
{
    if (!FThread || FStopping) return;
    FStopping = true;
    PaceEvent.SetEvent();
    FThread->Terminate();
    // Serves the body's hand-offs meanwhile.
    if (!FThread->WaitFor(FStopBoundMs)) {
        FAbandoned = true;
        TThread::Abandon(std::move(FThread));
    }
    FThread.reset();
    PaceEvent.ResetEvent();
    Ended();
    FStopping = false;
}

void TMatchWorker::WaitFor()
{
    if (FThread) FThread->WaitFor();
}

bool TMatchWorker::Terminated() const
{
    return FAbandoned || (FThread && FThread->Terminated());
}

void TMatchWorker::SkipReveal()
{
    if (FBusy && FRevealing && !FPaused) PaceEvent.Pulse();
}

void TMatchWorker::Pace(int ms)
{
    if (ms > 0) PaceEvent.WaitFor(ms);
    WaitWhileHeld();
    // The pause holds the sequence here; a stop signals the event and ends it.
    while ((FPaused || Holding()) && !Terminated())
        PaceEvent.WaitFor(50);
}

void TMatchWorker::SetHeld(bool held)
{
    FHeld = held;
}

void TMatchWorker::WaitWhileHeld()
{
    if (!Holding()) return;
    if (TSequenceObserver* const observer = FObserver) observer->Held();
    // A stop signals the event, which then stays set: the loop ends at once.
    while (Holding())
        PaceEvent.WaitFor(20);
}

void TMatchWorker::PaceReveal(int ms)
{
    // While the chosen cards show, the player may cut the wait short.
    FRevealing = true;
    Pace(ms);
    FRevealing = false;
}

std::optional<TComputerChoice> TMatchWorker::Choose(
    int seat, const std::function<TComputerChoice(const TSearchSettings&)>& choose)
{
    // "Majstor"'s search asks between playouts whether to go on: a stop ends
    // it and the sequence; a pause or a hold ends it too, and the move is
    // searched again from the start once that is over. The search draws on its
    // own generators, seeded from the position, so the new search chooses
    // what the interrupted one would have.
    TSearchSettings search;
    // Asked on the search's threads, several at a time.
    std::atomic<bool> interrupted = false;
    search.stopped = [this, &interrupted] {
        if (Terminated() || FPaused || FHeld) interrupted = true;
        return interrupted.load();
    };
    for (;;) {
        TSequenceObserver* const observer = FObserver;
        if (observer) observer->SearchStarting(seat);
        interrupted = false;
        const TComputerChoice choice = choose(search);
        if (Terminated()) return std::nullopt;
        if (!interrupted) return choice;
        if (observer) observer->SearchInterrupted(seat);
        Pace(0);
    }
}

TMatchEvents& TMatchWorker::Events()
{
    return *FEvents;
}

void TMatchWorker::RunOnGui(const std::function<void()>& fn)
{
    // What a body given up on would show is no longer the window's.
    if (FAbandoned) return;
    if (TThread::IsGuiThread()) {
        fn();
        return;
    }
    // A hand-off already on its way when the hold began does nothing on the
    // GUI thread and is sent again when the hold ends.
    for (bool ran = false; !ran && !FAbandoned;) {
        WaitWhileHeld();
        TThread::Synchronize([&] {
            if (Holding() || FAbandoned) return;
            ran = true;
            fn();
        });
    }
}

void TMatchWorker::AwaitLanding(const std::function<void(std::function<void()> landed)>& launch)
{
    // Shared: a landing after a stop gave up waiting still has its event.
    auto down = std::make_shared<TManualResetEvent>();
    RunOnGui([&launch, down] { launch([down] { down->SetEvent(); }); });
    // A stop lands the flights too, but need not be waited for here.
    while (!down->WaitFor(20) && !Terminated()) { }
}

void TMatchWorker::ShowWhileWaiting(const std::function<void()>& onGui)
{
    // Held as RunOnGui is: the display shows once the hold has ended.
    for (bool shown = false; !shown && !FAbandoned;) {
        WaitWhileHeld();
        THandOffThread display([&] {
            if (Holding()) return;
            shown = true;
            onGui();
        });
        display.SetPriority(QThread::LowestPriority);
        // Without a thread of its own the display still shows, straight from here.
        if (!display.Resume()) {
            RunOnGui(onGui);
            return;
        }
        display.WaitFor();
    }
}
