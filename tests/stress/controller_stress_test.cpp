// Two hundred matches (forty in the short form) through the controller, each
// stopped by "Nova" or by closing the window at a random moment, a few played
// to their end, over every mode and deck count; the invariants are checked
// after every move and at every stop, and never more than one worker runs.
#include "tests/game/controller/match_fixture.h"
#include "tests/game/controller/sequence_counter.h"
#include "tests/stress/match_invariants.h"
#include "tests/stress/stress_length.h"

#include <QTimer>

#include <cstdio>
#include <functional>
#include <random>
#include <set>
#include <vector>

namespace {

// Checks the match each time the status bar changes, which the controller
// does after every turn.
class TCheckingView : public TRecordingView {
public:
    void SetStatusText(int panel, const QString& text) override
    {
        TRecordingView::SetStatusText(panel, text);
        if (onStatus) onStatus();
    }
    std::function<void()> onStatus;
};

class ControllerStress : public MatchTest {
protected:
    ControllerStress()
    {
        controller.reset();
        checking.onStatus = [this] { Check(); };
        controller = std::make_unique<TMatchController>(controls, settings, log, checking);
        controller->SetSequenceObserver(&sequences);
    }
    ~ControllerStress() override { controller.reset(); }

    // After the first move, and only while no stop is under way: a stop
    // serves the worker's last hand-offs while it tears the match down, and
    // the opening deal shows its cards one by one.
    void Check()
    {
        if (!controller || controller->Stopping() || controller->State().MovesMade == 0) return;
        ++checks;
        const TMatchState& state = controller->State();
        const std::string broken = BrokenInvariant(state);
        if (!broken.empty() && failures++ < 5) {
            int hands = 0, taken = 0;
            for (int seat = SeatS; seat <= SeatE; ++seat) {
                hands += int(std::count_if(state.hands[seat].begin(), state.hands[seat].end(),
                    [](int id) { return id != kNoCard; }));
                taken += int(state.taken[seat].size());
            }
            ADD_FAILURE() << broken << ": mode " << state.GameMode << " decks " << state.DeckCount
                          << " deck " << state.deck.size() << " hands " << hands << " table "
                          << TableIds(state).size() << " taken " << taken << " busy "
                          << controller->Busy() << " status " << checking.status[0].toStdString()
                          << " | " << checking.status[1].toStdString() << " moves "
                          << state.MovesMade << " hands played " << state.HandsPlayed;
        }
        const int grid = state.GameMode == kPairs ? 1 : state.GameMode == kTwoPlayers ? 2 : 0;
        for (int seat = SeatS; seat <= SeatE; ++seat) {
            const int row = ScoreRow(state.GameMode, seat);
            const int shown = checking.Cell(grid, 4, row);
            if (row > 0 && shown >= 0 && shown != state.cells[row - 1].Total() && failures++ < 5)
                ADD_FAILURE() << "grid " << grid << " row " << row << " shows " << shown
                              << ", the row totals " << state.cells[row - 1].Total();
        }
        if (sequences.Running() > 1 && failures++ < 5) ADD_FAILURE() << "two workers";
    }

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

    void Move()
    {
        if (controller->Busy() || controller->GameOver()) return;
        if (checking.startEnabled)
            controller->StartMatch();
        else if (controller->State().CurrentPlayer == SeatS)
            HumanMove();
    }

    void Steps(int count)
    {
        for (int i = 0; i < count && !controller->GameOver(); ++i) {
            Move();
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }

    void ToTheEnd()
    {
        QElapsedTimer timer;
        timer.start();
        while (!controller->GameOver() && timer.elapsed() < 60000)
            Steps(50);
        ASSERT_TRUE(controller->GameOver())
            << "a match did not end within a minute: busy " << controller->Busy() << " turn "
            << controller->State().CurrentPlayer << " start " << checking.startEnabled << " status "
            << checking.status[0].toStdString() << "|" << checking.status[1].toStdString() << "|"
            << checking.status[2].toStdString() << " moves " << controller->State().MovesMade;
    }

    TSequenceCounter sequences;
    TCheckingView checking;
    std::mt19937 rng { 1208 };
    long checks = 0;
    int failures = 0;
};

TEST_F(ControllerStress, MatchesStoppedAtRandomMomentsKeepTheInvariants)
{
    const int rounds = StressMatches(200, 40);
    QTimer tick;
    tick.start(1);
    controller->Start();
    int novas = 0, closes = 0, busyAtStop = 0, ended = 0, deepest = 0;
    std::set<std::vector<int>> deals; // each match's deck after its deal
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < rounds && !HasFatalFailure() && failures == 0; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        if (round % 25 == 0)
            ToTheEnd();
        else
            Steps(Uniform(0, 120));
        ended += controller->GameOver();
        busyAtStop += controller->Busy();
        deepest = std::max(deepest, controller->State().MovesMade);
        // The next match's mode and decks, taken at its start.
        settings.NumberOfPlayers = (round + 1) % 3;
        settings.NumberOfDecks = ((round + 1) / 3) % 2;
        if (Uniform(0, 3) > 0) {
            ++novas;
            controller->NewGame(false);
        } else {
            ++closes;
            controller->Shutdown();
            controller.reset();
            ASSERT_EQ(sequences.Running(), 0);
            controller = std::make_unique<TMatchController>(controls, settings, log, checking);
            controller->SetSequenceObserver(&sequences);
            controller->Start();
        }
        ASSERT_FALSE(controller->Busy());
        Check();
        deals.insert(controller->State().deck);
    }
    // A fixed seed fixes the run, not each match: the matches are all dealt apart.
    EXPECT_GE(deals.size(), std::size_t(rounds - 5));
    EXPECT_LE(sequences.MostAtOnce(), 1);
    EXPECT_TRUE(sink.shown.errors.empty()) << sink.shown.errors.front();
    std::printf("controller: %d matches, %d stopped by Nova, %d by closing, %d busy at the stop, "
                "%d played to the end, deepest %d moves, %ld checks, most workers at once %d, "
                "%zu different deals, %.1f s\n",
        rounds, novas, closes, busyAtStop, ended, deepest, checks, sequences.MostAtOnce(),
        deals.size(), timer.elapsed() / 1000.0);
}

} // namespace
