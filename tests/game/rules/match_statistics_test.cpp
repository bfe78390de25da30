// The statistics on values: the file text read back whole or not at all, and
// what a whole match played through the controller adds to them.
#include "tests/game/controller/match_fixture.h"

#include "game/rules/match_statistics.h"

namespace {

TMatchStatistics SomeStatistics()
{
    TMatchStatistics stats;
    stats.Record({ TMatchEventKind::MatchEnded, kPairs, 1, 0, false, 131, true });
    stats.Record({ TMatchEventKind::MatchEnded, kPairs, 1, 0, false, 87, false });
    stats.Record({ TMatchEventKind::HandEnded, kPairs, 1, 3, true });
    stats.Record({ TMatchEventKind::HandEnded, kPairs, 1, 0, false });
    stats.Record({ TMatchEventKind::HintShown, kTwoPlayers, 0 });
    stats.Record({ TMatchEventKind::MatchEnded, kEachForHimself, 0, 0, false, 104, true });
    return stats;
}

TEST(MatchStatistics, RecordsPerModeAndDeckCount)
{
    const TMatchStatistics stats = SomeStatistics();
    const TModeStatistics& pairs = stats.Of(kPairs, 1);
    EXPECT_EQ(pairs.played, 2);
    EXPECT_EQ(pairs.won, 1);
    EXPECT_EQ(pairs.bestScore, 131);
    EXPECT_DOUBLE_EQ(pairs.AverageScore(), 109.0);
    EXPECT_DOUBLE_EQ(pairs.ClearsPerHand(), 1.5);
    EXPECT_DOUBLE_EQ(pairs.BonusesPerHand(), 0.5);
    EXPECT_EQ(stats.Of(kTwoPlayers, 0).hints, 1);
    EXPECT_EQ(stats.Of(kEachForHimself, 0).won, 1);
    EXPECT_EQ(stats.Of(kPairs, 0), TModeStatistics());
    EXPECT_EQ(stats.Of(kEachForHimself, 1), TModeStatistics());
}

TEST(MatchStatistics, TextRoundTripsAndResetEmpties)
{
    TMatchStatistics stats = SomeStatistics();
    std::string error;
    const auto loaded = TMatchStatistics::LoadText(stats.SaveText(), error);
    ASSERT_TRUE(loaded) << error;
    EXPECT_EQ(*loaded, stats);
    stats.Reset();
    EXPECT_TRUE(stats.Empty());
    const auto empty = TMatchStatistics::LoadText(stats.SaveText(), error);
    ASSERT_TRUE(empty) << error;
    EXPECT_TRUE(empty->Empty());
}

TEST(MatchStatistics, RefusesEveryTextThatIsNotWholeAndConsistent)
{
    const std::string good = SomeStatistics().SaveText();
    const std::string line = "mode 1 decks 0 played 2 won 1 best 90 sum 150 hands 9 clears 2 "
                             "bonuses 3 hints 0\n";
    auto with = [](const std::string& body) { return "Zaviko statistics 1\n" + body + "end\n"; };
    const std::vector<std::pair<std::string, std::string>> cases {
        { "empty", "" },
        { "foreign", "[Zaviko]\nS=Ja\n" },
        { "a later version", "Zaviko statistics 2\nend\n" },
        { "cut short", good.substr(0, good.size() - 4) },
        { "cut mid-line", good.substr(0, good.size() / 2) },
        { "text after end", good + "mode 0\n" },
        { "twice", with(line + line) },
        { "unknown mode",
            with("mode 3 decks 0 played 0 won 0 best 0 sum 0 hands 0 clears 0 "
                 "bonuses 0 hints 0\n") },
        { "negative",
            with("mode 0 decks 0 played -1 won 0 best 0 sum 0 hands 0 clears 0 "
                 "bonuses 0 hints 0\n") },
        { "huge number",
            with("mode 0 decks 0 played 99999999999999999999 won 0 best 0 sum 0 "
                 "hands 0 clears 0 bonuses 0 hints 0\n") },
        { "missing field", with("mode 0 decks 0 played 1 won 0 best 0 sum 0 hands 0\n") },
        { "extra field", with(line.substr(0, line.size() - 1) + " x 1\n") },
        { "won more than played",
            with("mode 0 decks 0 played 1 won 2 best 0 sum 0 hands 0 "
                 "clears 0 bonuses 0 hints 0\n") },
        { "best above the sum",
            with("mode 0 decks 0 played 1 won 0 best 50 sum 40 hands 0 "
                 "clears 0 bonuses 0 hints 0\n") },
        { "bonuses beyond hands",
            with("mode 0 decks 0 played 0 won 0 best 0 sum 0 hands 1 "
                 "clears 0 bonuses 2 hints 0\n") },
        { "too large", with(std::string(20000, ' ')) },
    };
    for (const auto& [name, text] : cases) {
        std::string error;
        EXPECT_FALSE(TMatchStatistics::LoadText(text, error)) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
    std::string error;
    EXPECT_TRUE(TMatchStatistics::LoadText(with(line), error)) << error;
}

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
