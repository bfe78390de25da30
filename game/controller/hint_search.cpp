#include "game/controller/hint_search.h"

#include "platform/thread.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

// One search on a copy of the state. It stops when terminated, checked
// between playouts, and posts what it found unless it was terminated first.
// It makes no hand-off the GUI thread must serve, so the GUI thread may join
// it without serving events.
class THintSearch::TSearchThread : public TThread {
public:
    TSearchThread(THintSearch& owner, std::uint64_t generation, const TMatchState& state, int seat)
        : FOwner(owner)
        , FGeneration(generation)
        , FState(state)
        , FSeat(seat)
    {
    }
    ~TSearchThread() override
    {
        Terminate();
        WaitForQuietEnd();
    }

protected:
    void Execute() override
    {
        TSearchSettings settings = FOwner.FSettings;
        settings.stopped = [this] { return Terminated(); };
        TComputerChoice choice;
        try {
            choice = SearchMove(FState, FSeat, settings).choice;
        } catch (...) {
            // No move to show: the hint is simply not given.
            choice = TComputerChoice {};
        }
        if (Terminated()) return;
        THintSearch* const owner = &FOwner;
        const std::uint64_t generation = FGeneration;
        QMetaObject::invokeMethod(
            &FOwner.FReceiver, [owner, generation, choice] { owner->Arrived(generation, choice); },
            Qt::QueuedConnection);
    }

private:
    THintSearch& FOwner;
    const std::uint64_t FGeneration;
    const TMatchState FState;
    const int FSeat;
};

THintSearch::THintSearch(TSearchSettings settings)
    : FSettings(std::move(settings))
{
}

THintSearch::~THintSearch()
{
    Cancel();
    // Each has been told to stop; the threads' own destructors join them.
    FRetired.clear();
}

bool THintSearch::Start(const TMatchState& state, int seat, TFound found)
{
    Cancel();
    FCurrent = std::make_unique<TSearchThread>(*this, ++FGeneration, state, seat);
    FCurrent->SetPriority(QThread::LowPriority);
    if (!FCurrent->Resume()) {
        FCurrent.reset();
        return false;
    }
    FFound = std::move(found);
    return true;
}

void THintSearch::Cancel()
{
    // A result already posted carries the old generation and is dropped.
    ++FGeneration;
    FFound = nullptr;
    if (FCurrent) {
        FCurrent->Terminate();
        FRetired.push_back(std::move(FCurrent));
    }
    Retire();
}

void THintSearch::Retire()
{
    // Only those that have returned are freed: the GUI thread never waits.
    std::erase_if(FRetired, [](const std::unique_ptr<TSearchThread>& t) { return t->Finished(); });
}

int THintSearch::Stopping() const
{
    return int(std::count_if(FRetired.begin(), FRetired.end(),
        [](const std::unique_ptr<TSearchThread>& t) { return !t->Finished(); }));
}

void THintSearch::Arrived(std::uint64_t generation, const TComputerChoice& choice)
{
    if (generation != FGeneration || !FFound) return;
    const TFound found = std::move(FFound);
    FFound = nullptr;
    // It has posted this, its last act, and is returning.
    FRetired.push_back(std::move(FCurrent));
    Retire();
    found(choice);
}
