// A pause during a computer's search stops the search; once play goes on the
// move is searched again from the start with the same randomness, so a fixed
// seed plays the same match however often and wherever it is paused.
#include "tests/game/controller/match_fixture.h"
#include "tests/support/run_until.h"
#include "tests/game/controller/sequence_counter.h"

#include "platform/thread.h"

#include <QTimer>

#include <atomic>
#include <functional>
#include <vector>

namespace {

// Every move shown, in order: the seat, the card played and what it took.
class TMoveRecordingView : public TRecordingView {
public:
    void ShowLastMove(int seat, int playedId, const std::vector<int>& takenIds) override
    {
        TRecordingView::ShowLastMove(seat, playedId, takenIds);
        moves.push_back({ seat, playedId, takenIds });
    }
    struct TShownMove {
        int seat, playedId;
        std::vector<int> takenIds;
        bool operator==(const TShownMove&) const = default;
    };
    std::vector<TShownMove> moves;
};

// Pauses the match as a computer's search begins: every third search on the
// GUI thread before it goes on (so the search meets the pause at its first
// check), every third other one by a posted press that lands somewhere in the
// search. Each pause is lifted a moment later by a timer.
class TPausingObserver : public TSequenceCounter {
public:
    void SearchStarting(int seat) override
    {
        TSequenceCounter::SearchStarting(seat);
        const int n = FStarts++;
        if (n % 3 == 0)
            TThread::Synchronize([this] { Press(); });
        else if (n % 3 == 1)
            QMetaObject::invokeMethod(
                qApp, [this] { Press(); }, Qt::QueuedConnection);
    }

    TMatchController* controller = nullptr;
    int pauses = 0; // on the GUI thread only

private:
    void Press()
    {
        if (controller->Paused()) return;
        controller->TogglePause();
        if (controller->Paused()) ++pauses;
        QTimer::singleShot(3, qApp, [this] {
            if (controller->Paused()) controller->TogglePause();
        });
    }

    std::atomic<int> FStarts { 0 };
};

class PauseTest : public MatchTest {
protected:
    PauseTest()
        : MatchTest(kTwoPlayers)
    {
        settings.CompPlays = csMajstor;
    }
    ~PauseTest() override { controller.reset(); }

    // A whole match from one seed, the careful human playing S, the observer
    // watching the sequences: the moves shown.
    std::vector<TMoveRecordingView::TShownMove> PlayMatch(
        TSequenceObserver& observer, const std::function<void(TMatchController&)>& made = {})
    {
        FixRandomSeed(1234);
        controller.reset();
        recorder.moves.clear();
        controller = std::make_unique<TMatchController>(controls, settings, log, recorder);
        controller->SetSequenceObserver(&observer);
        if (made) made(*controller);
        controller->Start();
        for (int moves = 0; !controller->GameOver() && moves < 400; ++moves) {
            if (recorder.startEnabled)
                controller->StartMatch();
            else if (controller->State().CurrentPlayer == SeatS)
                HumanMove();
            WaitUnpausedIdle();
        }
        EXPECT_TRUE(controller->GameOver());
        return recorder.moves;
    }

    // A pause lifts by its timer, which only the event loop serves.
    void WaitUnpausedIdle()
    {
        QElapsedTimer timer;
        timer.start();
        while ((controller->Busy() || controller->Paused()) && timer.elapsed() < 60000)
            ServeEventsOnce();
        ASSERT_FALSE(controller->Busy()) << "the computer sequence did not end";
    }

    TMoveRecordingView recorder;
};

TEST_F(PauseTest, APausedSearchIsMadeAgainAndTheMatchIsTheSame)
{
    TSequenceCounter plain;
    const auto straight = PlayMatch(plain);
    ASSERT_GT(straight.size(), 20u);
    EXPECT_EQ(plain.Interrupted(), 0);

    TPausingObserver pausing;
    const auto again
        = PlayMatch(pausing, [&pausing](TMatchController& c) { pausing.controller = &c; });
    // The pauses met searches under way, which stopped and began again.
    EXPECT_GT(pausing.pauses, 5);
    EXPECT_GT(pausing.Interrupted(), 0);
    EXPECT_EQ(pausing.Searches(), plain.Searches() + pausing.Interrupted());
    EXPECT_EQ(again, straight);
    EXPECT_EQ(recorder.status[2], "") << "no pause outlives its sequence";
}

} // namespace
