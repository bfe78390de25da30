// Saved matches through the controller: every save of whole matches reads
// back, a resumed match that lied still writes statistics their reader takes,
// and closing never waits for a computer stuck in its move.
#include "tests/game/controller/match_fixture.h"
#include "tests/support/run_until.h"

#include "game/rules/match_file.h"
#include "game/rules/match_statistics.h"
#include "tests/game/controller/stuck_search.h"

#include <functional>
#include <iostream>

namespace {

class SavedMatchFlowTest : public MatchTest,
                           public ::testing::WithParamInterface<std::pair<int, int>> {
protected:
    SavedMatchFlowTest()
        : MatchTest(GetParam().first, GetParam().second)
    {
        controller->OnMatchEvent = [this](const TMatchEvent& event) { stats.Record(event); };
    }

    // Plays the match to its end, onHumanTurn called before each human move.
    void PlayToTheEnd(const std::function<void(int turn)>& onHumanTurn)
    {
        controller->Start();
        for (int turn = 0; !controller->GameOver() && turn < 1000; ++turn) {
            if (view.startEnabled) {
                controller->StartMatch();
            } else if (controller->State().CurrentPlayer == SeatS) {
                onHumanTurn(turn);
                HumanMove();
            }
            WaitIdle();
        }
        ASSERT_TRUE(controller->GameOver());
    }

    TMatchStatistics stats;
};

// Saved before every move of whole matches, moves taken back now and then,
// each match reads back whole with all its steps to take back: the reader's
// bounds (the generator's draws among them) refuse no honest save.
TEST_P(SavedMatchFlowTest, EverySaveOfAWholeMatchReadsBackWithItsUndoSteps)
{
    std::uint64_t mostDraws = 0;
    PlayToTheEnd([&](int turn) {
        if (turn % 9 == 4) controller->UndoMove();
        const TSavedMatch saved = controller->SavedMatch();
        const std::string text = SaveMatchText(saved);
        std::string error;
        const auto back = LoadMatchText(text, error);
        ASSERT_TRUE(back) << "turn " << turn << ": " << error;
        ASSERT_EQ(SaveMatchText(*back), text);
        ASSERT_EQ(back->undo.size(), saved.undo.size()) << "turn " << turn;
        if (!saved.undo.empty())
            mostDraws = std::max(mostDraws,
                RandomDrawsBetween(saved.undo.front().randomState, saved.randomState, 1000000)
                    .value_or(0));
    });
    std::cout << "most draws from a hand's first undo step: " << mostDraws << '\n';
}

// A resumed match whose human clears were a lie the reader let by ends its
// hands and the match with statistics their own reader takes.
TEST_P(SavedMatchFlowTest, AResumedLieNeverWritesStatisticsTheirReaderRefuses)
{
    PlayToTheEnd([this](int turn) {
        if (turn != 3) return;
        TSavedMatch lie = controller->SavedMatch();
        lie.humanClears = 99999;
        controller->ResumeMatch(lie);
    });
    std::string error;
    EXPECT_TRUE(TMatchStatistics::LoadText(stats.SaveText(), error)) << error;
    EXPECT_GT(stats.Of(GetParam().first, GetParam().second).hands, 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, SavedMatchFlowTest,
    ::testing::Values(std::make_pair(kEachForHimself, 0), std::make_pair(kPairs, 1),
        std::make_pair(kTwoPlayers, 1)));

class StuckStopTest : public MatchTest { };

// Closing stops the computers within a bound whatever they do: a body stuck
// in its move is left to itself, and the window goes on closing.
TEST_F(StuckStopTest, ClosingReturnsWhileAComputerIsStuckInItsMove)
{
    static TStuckSearch search;
    search.Reset();
    controller->SetSequenceObserver(&search);
    controller->SetSequenceStopBound(0);
    controller->Start();
    if (view.startEnabled)
        controller->StartMatch();
    else
        HumanMove();
    while (!search.stuck.WaitFor(0))
        ServeEventsOnce();
    controller->Shutdown(); // never returned before: ctest's time limit failed the test
    EXPECT_TRUE(controller->SequenceAbandoned());
    EXPECT_FALSE(controller->Busy());
    // Released, the body sees its stop and ends without a hand-off.
    search.release.SetEvent();
    search.ended.WaitFor(-1);
}

} // namespace
