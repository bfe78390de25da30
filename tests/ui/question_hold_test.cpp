// A question about the match under way ("Nova", closing the window) holds the
// match where it stands while it is open: the cards in the air are down and
// no computer moves. "Ne" goes on from there.
#include "tests/ui/main_window_fixture.h"
#include "tests/support/run_until.h"

#include "game/controller/sequence_observer.h"
#include "tools/screenshots/window_positions.h"
#include "ui/window/animation_box.h"

#include <QTest>

#include <atomic>

namespace {

// Told on the worker's thread when the sequence comes to the hold.
class THoldWatch : public TSequenceObserver {
public:
    void Held() override { held = true; }
    std::atomic<bool> held { false };
};

} // namespace

class QuestionHoldTest : public MainWindowTest {
protected:
    // The window with slow flights over a table where the human is on turn.
    TForm1& SlowTable()
    {
        StoreAnimation(Settings().FileName, TAnimation::Slow);
        TForm1& w = Make();
        sink.shown.confirmReply = false;
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        Controller().ShowState(OpenPosition(SeatS));
        return w;
    }
    std::size_t Moves() const { return Controller().History().size(); }
};

TEST_F(QuestionHoldTest, TheQuestionHoldsTheMatchAndNoGoesOnFromThere)
{
    for (bool closing : { false, true }) {
        SCOPED_TRACE(closing ? "closing the window" : "Nova");
        TForm1& w = SlowTable();
        THoldWatch watch;
        Controller().SetSequenceObserver(&watch);
        // The human's card goes to the table and flies there slowly.
        QTest::keyClick(&w, Qt::Key_1);
        const std::size_t humanMoved = Moves();
        ASSERT_GT(Controller().FlightsUp(), 0);
        int flying = -1;
        std::size_t movedMeanwhile = 0;
        sink.shown.whileAsked = [&] {
            flying = Controller().FlightsUp();
            // The open question serves the event loop: until the computers'
            // sequence stands at the hold, or (wrongly) a computer has moved.
            QElapsedTimer timer;
            timer.start();
            while (!watch.held && Moves() == humanMoved && timer.elapsed() < 20000)
                ServeEventsOnce();
            for (int i = 0; i < 20; ++i)
                QApplication::processEvents();
            movedMeanwhile = Moves() - humanMoved;
        };
        if (closing)
            w.close();
        else
            QTest::keyClick(&w, Qt::Key_N);
        sink.shown.whileAsked = nullptr;
        ASSERT_EQ(sink.shown.confirmations.size(), 1u);
        sink.shown.confirmations.clear();
        EXPECT_EQ(flying, 0) << "the human's card was down when asked";
        EXPECT_TRUE(watch.held);
        EXPECT_EQ(movedMeanwhile, 0u) << "no computer moved while the question was open";
        EXPECT_FALSE(Controller().MatchHeld());
        // "Ne": the same match goes on, to the human's turn again.
        EXPECT_TRUE(w.isVisible());
        WaitIdle();
        EXPECT_GT(Moves(), humanMoved);
        EXPECT_EQ(Controller().State().CurrentPlayer, SeatS);
        Controller().SetSequenceObserver(nullptr);
    }
}
