#pragma once

#include "game/review/move_judge.h"
#include "game/review/move_review.h"

#include <QObject>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

// The review of the match's hands ("Analiza"), judged on a low-priority
// thread of its own, one hand at a time in the order the hands ended, so the
// GUI thread never waits for it. Each judged move reaches the GUI thread
// through its event queue. Dropping the reviews (a new match) tells the hand
// under way to stop, which it does within one playout, and lets it end on its
// own: nothing waits for it. Everything public is called on the GUI thread.
class TReviewWorker {
public:
    explicit TReviewWorker(TJudgeSettings settings = {});
    // Stops the hand under way and waits for it (a playout at most).
    ~TReviewWorker();
    TReviewWorker(const TReviewWorker&) = delete;
    TReviewWorker& operator=(const TReviewWorker&) = delete;

    // Adds the hand to the reviews and judges what of it is not judged yet,
    // after the hands before it.
    void Judge(THandReview hand);
    // Every review of the match, in hand order, each as judged so far.
    const std::vector<THandReview>& Reviews() const { return FReviews; }
    // Puts these reviews in place of the match's (a resumed match) and judges
    // whatever of them is not judged yet.
    void Restore(std::vector<THandReview> reviews);
    // Drops every review; a hand being judged stops and nothing of it arrives.
    void Clear();
    // The hand being judged now (its number), 0 when none.
    int JudgedHand() const;
    // Hands told to stop that have not returned yet.
    int Stopping() const;
    // Told on the GUI thread after each change of Reviews or JudgedHand.
    std::function<void()> OnChanged;
    // Told on the GUI thread when a hand has been judged whole.
    std::function<void(const THandReview&)> OnHandJudged;

private:
    class TJudgeThread;

    void StartNext();
    void Arrived(std::uint64_t generation, const THandReview& hand, bool done);
    void Retire();
    void Changed();

    const TJudgeSettings FSettings;
    // The queue's receiver: a result posted after this object is gone is
    // dropped with it.
    QObject FReceiver;
    std::vector<THandReview> FReviews;
    // Indices into FReviews of the hands still to judge, the first one under
    // way when FCurrent runs.
    std::deque<std::size_t> FWaiting;
    std::unique_ptr<TJudgeThread> FCurrent;
    std::vector<std::unique_ptr<TJudgeThread>> FRetired;
    std::uint64_t FGeneration = 0;
};
