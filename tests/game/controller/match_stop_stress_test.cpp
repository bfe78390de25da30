// "Nova" and closing the window at random moments of running matches: the
// stop sequence never hangs, never leaves a second worker, never shows the
// abandoned match's dialogs, and leaves the controller idle with a sound new
// match.
#include "tests/game/controller/match_fixture.h"
#include "tests/game/controller/sequence_counter.h"

#include <QTimer>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <random>
#include <thread>

namespace {

// A hang blocks the test's own thread, so another thread ends the run.
class TWatchdog {
public:
    explicit TWatchdog(std::chrono::seconds limit)
        : FThread([this, limit] { Watch(limit); })
    {
    }
    ~TWatchdog()
    {
        {
            std::lock_guard lock(FMutex);
            FDone = true;
        }
        FWake.notify_all();
        FThread.join();
    }

private:
    void Watch(std::chrono::seconds limit)
    {
        std::unique_lock lock(FMutex);
        if (FWake.wait_for(lock, limit, [this] { return FDone; })) return;
        std::fprintf(
            stderr, "The stop stress did not end within %d s: a stop hangs\n", int(limit.count()));
        std::fflush(stderr);
        std::_Exit(3);
    }

    std::mutex FMutex;
    std::condition_variable FWake;
    bool FDone = false;
    std::thread FThread;
};

enum TStop { stNova, stShutdown, stDestroy };

struct TStressCase {
    const char* what;
    int mode, decks;
    int playDelay, waitForPlay; // the settings, in seconds and half seconds
    bool pause; // the pause is toggled at random while the computers play
    bool log;
    TStop stop;
    int rounds;
};

void PrintTo(const TStressCase& c, std::ostream* os)
{
    *os << c.what;
}

class MatchStopStress : public MatchTest, public ::testing::WithParamInterface<TStressCase> {
protected:
    MatchStopStress()
        : MatchTest(GetParam().mode, GetParam().decks)
        , rng(unsigned(GetParam().mode * 100 + GetParam().decks * 10 + GetParam().stop))
    {
        settings.CompPlayDelay = GetParam().playDelay;
        settings.CompWaitForPlay = GetParam().waitForPlay;
        settings.Log = GetParam().log;
        controller->SetSequenceObserver(&sequences);
    }
    // The counter goes before the fixture's controller: the controller goes first.
    ~MatchStopStress() override { controller.reset(); }

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    bool Quick() const { return GetParam().playDelay == 0 && GetParam().waitForPlay == 0; }

    // The human's move, or the computers' opening when one of them begins.
    void Move()
    {
        if (controller->Busy() || controller->GameOver()) return;
        if (view.startEnabled)
            controller->StartMatch();
        else if (controller->State().CurrentPlayer == SeatS)
            HumanMove();
    }

    // Waits for the worker's next hand-off (the tick bounds the wait) and
    // serves it, a number of times; the human moves whenever on turn.
    void Steps(int count)
    {
        for (int i = 0; i < count; ++i) {
            Move();
            if (GetParam().pause && controller->Busy() && Uniform(0, 15) == 0)
                controller->TogglePause();
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }

    // Plays whole sequences until the human is on turn with the last card of
    // a used-up deck, with a score of at least minScore: the next steps then
    // run into the end of a hand, perhaps of the match.
    void PlayToLastCard(int minScore)
    {
        for (int guard = 0; guard < 2000 && !controller->GameOver(); ++guard) {
            WaitIdle();
            const TMatchState& state = controller->State();
            const bool lastCard = controller->CardsLeft() == 0 && state.CurrentPlayer == SeatS
                && std::count(state.hands[SeatS].begin(), state.hands[SeatS].end(), kNoCard) == 5;
            if (lastCard && *std::max_element(state.Score.begin(), state.Score.end()) >= minScore)
                return;
            Move();
        }
    }

    // Mostly a few hand-offs into a sequence; in a quick match now and then
    // into the end of a hand or of the whole match.
    void PlayToARandomMoment()
    {
        if (Quick() && Uniform(0, 6) == 0) {
            PlayToLastCard(Uniform(0, 7) == 0 ? 90 : 0);
            Steps(Uniform(0, 25));
            return;
        }
        Steps(Uniform(0, 40));
    }

    void ExpectIdle()
    {
        EXPECT_FALSE(controller->Busy());
        EXPECT_FALSE(controller->Paused());
        EXPECT_FALSE(controller->Stopping());
        EXPECT_EQ(view.status[2], "");
        EXPECT_EQ(sequences.Running(), 0);
        ASSERT_TRUE(CardsConserved(controller->State()));
        ExpectGroupsShowState();
    }

    void Close()
    {
        if (GetParam().stop == stShutdown) controller->Shutdown();
        controller.reset();
        EXPECT_EQ(sequences.Running(), 0);
        EXPECT_FALSE(log.Active());
        // The window opens again, with a fresh controller on the same cards.
        controller = std::make_unique<TMatchController>(controls, settings, log, view);
        controller->SetSequenceObserver(&sequences);
        controller->Start();
    }

    std::mt19937 rng;
    QTimer tick;
    TSequenceCounter sequences;
};

TEST_P(MatchStopStress, StopsAtRandomMomentsNeverHangOrOverlap)
{
    const TWatchdog watchdog(std::chrono::seconds(50));
    tick.start(1);
    controller->Start();
    for (int round = 0; round < GetParam().rounds; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        PlayToARandomMoment();
        for (int n = Uniform(0, 3); n > 0; --n)
            QCoreApplication::processEvents();
        const int handEnds = view.handEnds;
        const std::size_t shown = sink.shown.information.size();
        QElapsedTimer timer;
        timer.start();
        if (GetParam().stop == stNova)
            controller->NewGame(false);
        else
            Close();
        // Pauses are cut short: the stop never waits out a reveal or a wait.
        EXPECT_LT(timer.elapsed(), 1500);
        // The abandoned match shows neither its end-of-hand dialog nor the
        // end of the match.
        EXPECT_EQ(view.handEnds, handEnds);
        EXPECT_EQ(sink.shown.information.size(), shown);
        ExpectIdle();
        if (HasFailure()) break;
    }
    EXPECT_LE(sequences.MostAtOnce(), 1);
    EXPECT_TRUE(sink.shown.errors.empty()) << sink.shown.errors.front();
}

// Quick matches reach hand ends and the end of the match; with 4 s reveals
// and 2 s waits a stop always finds the worker inside one.
INSTANTIATE_TEST_SUITE_P(NovaAndClose, MatchStopStress,
    ::testing::Values(TStressCase { "nova_each_two_decks", 0, 1, 0, 0, false, false, stNova, 80 },
        TStressCase { "nova_pairs_pause", 1, 0, 0, 0, true, true, stNova, 50 },
        TStressCase { "nova_two_players_delays_pause", 2, 0, 4, 4, true, false, stNova, 40 },
        TStressCase { "nova_each_delays", 0, 1, 4, 4, false, true, stNova, 30 },
        TStressCase { "shutdown_pairs", 1, 0, 0, 0, true, true, stShutdown, 30 },
        TStressCase { "shutdown_delays_pause", 0, 0, 4, 4, true, true, stShutdown, 20 },
        TStressCase { "destroy_two_players", 2, 0, 0, 0, false, true, stDestroy, 40 },
        TStressCase { "destroy_delays_pause", 1, 0, 4, 4, true, false, stDestroy, 20 }),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace
