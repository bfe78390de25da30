// What a whole match played through the controller adds to the statistics.
#include "tests/game/controller/match_fixture.h"

#include "game/rules/match_statistics.h"

namespace {

class StatisticsMatchTest : public MatchTest,
                            public ::testing::WithParamInterface<std::pair<int, int>> {
protected:
    StatisticsMatchTest()
        : MatchTest(GetParam().first, GetParam().second)
    {
        settings.CompPlays = 2;
        controller->OnMatchEvent = [this](const TMatchEvent& event) {
            stats.Record(event);
            ++events[int(event.kind)];
        };
    }
    TMatchStatistics stats;
    std::array<int, 3> events {};
};

// Outside pairs the human's score row is the human's alone, so its clears and
// bonuses are what the statistics must have counted.
TEST_P(StatisticsMatchTest, AWholeMatchAddsItsHandsScoreAndHints)
{
    controller->Start();
    int hints = 0;
    for (int moves = 0; !controller->GameOver() && moves < 400; ++moves) {
        if (view.startEnabled) {
            controller->StartMatch();
        } else if (controller->State().CurrentPlayer == SeatS) {
            if (moves % 5 == 0 && controller->ShowHint()) {
                WaitForHint();
                ++hints;
                controller->ClearTableMarks();
            }
            HumanMove();
        }
        WaitIdle();
    }
    ASSERT_TRUE(controller->GameOver());
    const TMatchState& s = controller->State();
    const TModeStatistics& r = stats.Of(s.GameMode, s.DeckCount);
    EXPECT_EQ(s.GameMode, GetParam().first);
    EXPECT_EQ(r.played, 1);
    EXPECT_EQ(r.won, WinnerSeat(s) == SeatS ? 1 : 0);
    EXPECT_EQ(r.bestScore, s.Score[SeatS]);
    EXPECT_EQ(r.scoreSum, s.Score[SeatS]);
    EXPECT_EQ(r.hands, s.HandsPlayed);
    const TScoreCells& row = s.cells[ScoreRow(s.GameMode, SeatS) - 1];
    EXPECT_GT(row.clears + row.bonus, 0); // the fixed seed gives both something to count
    EXPECT_EQ(r.clears, row.clears);
    EXPECT_EQ(r.bonuses * 3, row.bonus);
    EXPECT_GT(hints, 0);
    EXPECT_EQ(r.hints, hints);
    EXPECT_EQ(events[int(TMatchEventKind::MatchEnded)], 1);
    EXPECT_EQ(events[int(TMatchEventKind::HandEnded)], s.HandsPlayed);
    // Nothing strays into another record.
    for (int mode = 0; mode < kStatisticModes; ++mode)
        for (int decks = 0; decks < kStatisticDecks; ++decks) {
            if (mode != s.GameMode || decks != s.DeckCount) {
                EXPECT_EQ(stats.Of(mode, decks), TModeStatistics());
            }
        }
}

INSTANTIATE_TEST_SUITE_P(OneAndTwoDecks, StatisticsMatchTest,
    ::testing::Values(std::make_pair(kEachForHimself, 0), std::make_pair(kTwoPlayers, 1)));

} // namespace
