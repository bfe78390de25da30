// The statistics on values: the file text read back whole or not at all.
#include "game/rules/match_statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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
    for (int accuracy : { 80, 61, 250 }) // one beyond any hand's: counted as 100
        stats.Record(
            { TMatchEventKind::HandReviewed, kTwoPlayers, 0, 0, false, 0, false, accuracy });
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
    EXPECT_EQ(stats.Of(kTwoPlayers, 0).reviewed, 3);
    EXPECT_DOUBLE_EQ(stats.Of(kTwoPlayers, 0).MeanAccuracy(), 241.0 / 3);
    EXPECT_DOUBLE_EQ(pairs.MeanAccuracy(), 0.0) << "no hand of the mode judged";
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
        { "accuracy beyond every hand's",
            with(line.substr(0, line.size() - 1) + " reviewed 2 accuracy 201\n") },
        { "reviewed without accuracy", with(line.substr(0, line.size() - 1) + " reviewed 2\n") },
    };
    for (const auto& [name, text] : cases) {
        std::string error;
        EXPECT_FALSE(TMatchStatistics::LoadText(text, error)) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
    // A record without the review's fields (as every file before the review
    // wrote) reads, and so does one with them.
    std::string error;
    EXPECT_TRUE(TMatchStatistics::LoadText(with(line), error)) << error;
    const auto reviewed = TMatchStatistics::LoadText(
        with(line.substr(0, line.size() - 1) + " reviewed 2 accuracy 150\n"), error);
    ASSERT_TRUE(reviewed) << error;
    EXPECT_DOUBLE_EQ(reviewed->Of(kPairs, 0).MeanAccuracy(), 75.0);
}

} // namespace

// Whatever a hand reports (a resumed match that lied about its clears), the
// statistics written are ones their reader takes back.
TEST(MatchStatistics, WhatAnyHandRecordsReadsBack)
{
    for (int clears : { -5, 0, 104, 105, 99999 }) {
        TMatchStatistics stats;
        stats.Record({ TMatchEventKind::HandEnded, kPairs, 0, clears, true });
        std::string error;
        const auto loaded = TMatchStatistics::LoadText(stats.SaveText(), error);
        ASSERT_TRUE(loaded) << clears << ": " << error;
        EXPECT_EQ(*loaded, stats);
        EXPECT_EQ(loaded->Of(kPairs, 0).clears, std::clamp(clears, 0, 104));
    }
}
