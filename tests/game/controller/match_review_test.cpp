// The review of the human's moves in a match: the position before each move
// of a hand is kept (a move taken back is not), the hand is judged off the
// GUI thread once it ends and reaches the view through the event loop, and
// "Nova" drops a review under way, which stops and sends nothing more.
#include "tests/game/controller/match_fixture.h"
#include "tests/support/run_until.h"

#include "game/review/review_marks.h"

#include <cstdlib>
#include <string>

namespace {

// The review's playouts per position for a scope, pinned as test runs pin
// every search budget.
class TPinnedBudget {
public:
    explicit TPinnedBudget(const char* playouts)
        : FHad(std::getenv(kSearchBudgetVariable) != nullptr)
        , FBefore(FHad ? std::getenv(kSearchBudgetVariable) : "")
    {
        setenv(kSearchBudgetVariable, playouts, 1);
    }
    ~TPinnedBudget()
    {
        FHad ? setenv(kSearchBudgetVariable, FBefore.c_str(), 1) : unsetenv(kSearchBudgetVariable);
    }

private:
    bool FHad;
    std::string FBefore;
};

class TReviewRecordingView : public TRecordingView {
public:
    void ShowReviews(const std::vector<THandReview>& shown, int judgedHand) override
    {
        reviews = shown;
        judging.push_back(judgedHand);
    }
    std::vector<THandReview> reviews;
    std::vector<int> judging;
};

class MatchReviewTest : public MatchTest {
protected:
    MatchReviewTest()
        : MatchTest(kTwoPlayers)
    {
        controller = std::make_unique<TMatchController>(controls, settings, log, reviewView);
    }
    // The controller tells the view of its end: it goes before the view.
    ~MatchReviewTest() override { controller.reset(); }

    // Plays the first hand to its end; one move taken back and made again.
    // The positions before the human's moves that count, in order.
    std::vector<TMatchState> PlayFirstHand()
    {
        std::vector<TMatchState> before;
        controller->Start();
        controller->NewGame(false);
        HumanOnTurn();
        bool undone = false;
        while (controller->State().HandsPlayed == 0 && !controller->GameOver()) {
            const TMatchState position = controller->State();
            HumanMove();
            WaitIdle();
            if (!undone && controller->UndoAvailable()) {
                undone = controller->UndoMove();
                continue;
            }
            before.push_back(position);
        }
        return before;
    }

    template <typename TDone> void ServeUntil(TDone done)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < 60000)
            ServeEventsOnce();
    }

    TReviewRecordingView reviewView;
};

TEST_F(MatchReviewTest, EachHandsMovesAreJudgedOffTheGuiThreadAndReachTheView)
{
    const TPinnedBudget budget("60");
    std::vector<TMatchEvent> reviewed;
    controller->OnMatchEvent = [&](const TMatchEvent& e) {
        if (e.kind == TMatchEventKind::HandReviewed) reviewed.push_back(e);
    };
    const std::vector<TMatchState> before = PlayFirstHand();
    ASSERT_EQ(controller->State().HandsPlayed, 1);
    ASSERT_GT(before.size(), 10U);
    // Queued, not judged: the judging has not run on the GUI thread.
    ASSERT_EQ(controller->Reviews().size(), 1U);
    EXPECT_EQ(controller->ReviewedHand(), 1);
    EXPECT_EQ(reviewView.judging.back(), 1);
    const THandReview& queued = controller->Reviews().front();
    ASSERT_EQ(queued.moves.size(), before.size()) << "a move taken back is not judged";
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_TRUE(queued.moves[i].before == before[i]) << "move " << i;
    EXPECT_TRUE(queued.moves.back().fair.empty());

    ServeUntil([&] { return controller->ReviewedHand() == 0; });
    ASSERT_EQ(controller->ReviewedHand(), 0);
    EXPECT_EQ(reviewView.judging.back(), 0);
    const THandReview& hand = reviewView.reviews.at(0);
    EXPECT_EQ(hand.hand, 1);
    for (const TReviewedMove& move : hand.moves) {
        EXPECT_NE(PlayedMove(move, ReviewView::Fair), nullptr);
        EXPECT_NE(PlayedMove(move, ReviewView::EveryCard), nullptr);
    }
    // The statistics hear of the hand's accuracy once, when it is judged.
    ASSERT_EQ(reviewed.size(), 1U);
    EXPECT_EQ(reviewed[0].accuracy, AccuracyPercent(hand, ReviewView::Fair));
    EXPECT_EQ(reviewed[0].gameMode, kTwoPlayers);
    // Every judged move was told of as it landed.
    EXPECT_GT(reviewView.judging.size(), 2 * before.size());
}

TEST_F(MatchReviewTest, NovaDropsTheReviewUnderWayAndNothingOfItArrives)
{
    // So many playouts that only a stop ends the first position soon.
    const TPinnedBudget budget("1000000");
    PlayFirstHand();
    ASSERT_EQ(controller->ReviewedHand(), 1);
    controller->NewGame(false);
    EXPECT_TRUE(controller->Reviews().empty());
    EXPECT_EQ(controller->ReviewedHand(), 0);
    EXPECT_TRUE(reviewView.reviews.empty());
    ServeUntil([&] { return !controller->ReviewStopping(); });
    EXPECT_FALSE(controller->ReviewStopping()) << "a stop ends it within one playout";
    EXPECT_TRUE(reviewView.reviews.empty()) << "nothing of a dropped review arrives";
}

} // namespace
