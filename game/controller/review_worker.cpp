#include "game/controller/review_worker.h"

#include "platform/thread.h"

#include <QThread>

#include <algorithm>

// One hand judged on a copy. It stops when terminated, checked between
// playouts, and posts each judged move unless terminated first. It makes no
// hand-off the GUI thread must serve, so the GUI thread may join it without
// serving events.
class TReviewWorker::TJudgeThread : public TThread {
public:
    TJudgeThread(TReviewWorker& owner, std::uint64_t generation, THandReview hand)
        : FOwner(owner)
        , FGeneration(generation)
        , FHand(std::move(hand))
    {
    }
    ~TJudgeThread() override
    {
        Terminate();
        WaitForQuietEnd();
    }

protected:
    void Execute() override
    {
        TJudgeSettings settings = FOwner.FSettings;
        settings.stopped = [this] { return Terminated(); };
        bool done = false;
        try {
            done = JudgeHand(
                FHand, settings, [this](const THandReview& hand) { Post(hand, false); });
        } catch (...) {
            // A position the search refuses is left unjudged: the hand's
            // other moves keep their marks, and the review goes on.
            done = true;
        }
        if (done) Post(FHand, true);
    }

private:
    void Post(const THandReview& hand, bool done)
    {
        if (Terminated()) return;
        TReviewWorker* const owner = &FOwner;
        const std::uint64_t generation = FGeneration;
        QMetaObject::invokeMethod(
            &FOwner.FReceiver,
            [owner, generation, hand, done] { owner->Arrived(generation, hand, done); },
            Qt::QueuedConnection);
    }

    TReviewWorker& FOwner;
    const std::uint64_t FGeneration;
    THandReview FHand;
};

TReviewWorker::TReviewWorker(TJudgeSettings settings)
    : FSettings(std::move(settings))
{
}

TReviewWorker::~TReviewWorker()
{
    OnChanged = nullptr;
    OnHandJudged = nullptr;
    Clear();
    // Each has been told to stop; the threads' own destructors join them.
    FRetired.clear();
}

void TReviewWorker::Judge(THandReview hand)
{
    FReviews.push_back(std::move(hand));
    FWaiting.push_back(FReviews.size() - 1);
    if (!FCurrent) StartNext();
    Changed();
}

void TReviewWorker::Restore(std::vector<THandReview> reviews)
{
    Clear();
    for (THandReview& hand : reviews)
        Judge(std::move(hand));
}

void TReviewWorker::Clear()
{
    // A move already posted carries the old generation and is dropped.
    ++FGeneration;
    FReviews.clear();
    FWaiting.clear();
    if (FCurrent) {
        FCurrent->Terminate();
        FRetired.push_back(std::move(FCurrent));
    }
    Retire();
    Changed();
}

int TReviewWorker::JudgedHand() const
{
    return FCurrent && !FWaiting.empty() ? FReviews[FWaiting.front()].hand : 0;
}

int TReviewWorker::Stopping() const
{
    return int(std::count_if(FRetired.begin(), FRetired.end(),
        [](const std::unique_ptr<TJudgeThread>& t) { return !t->Finished(); }));
}

void TReviewWorker::StartNext()
{
    while (!FWaiting.empty()) {
        FCurrent = std::make_unique<TJudgeThread>(*this, FGeneration, FReviews[FWaiting.front()]);
        FCurrent->SetPriority(QThread::LowPriority);
        if (FCurrent->Resume()) return;
        // The system refused a thread: the hand stays unjudged, and the next
        // one is tried when a hand ends.
        FCurrent.reset();
        FWaiting.pop_front();
    }
}

void TReviewWorker::Arrived(std::uint64_t generation, const THandReview& hand, bool done)
{
    if (generation != FGeneration || FWaiting.empty()) return;
    FReviews[FWaiting.front()] = hand;
    if (done && OnHandJudged) OnHandJudged(hand);
    if (done) {
        // It has posted this, its last act, and is returning.
        FRetired.push_back(std::move(FCurrent));
        FWaiting.pop_front();
        Retire();
        StartNext();
    }
    Changed();
}

void TReviewWorker::Retire()
{
    // Only those that have returned are freed: the GUI thread never waits.
    std::erase_if(FRetired, [](const std::unique_ptr<TJudgeThread>& t) { return t->Finished(); });
}

void TReviewWorker::Changed()
{
    if (OnChanged) OnChanged();
}
