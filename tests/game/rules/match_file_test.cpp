// Saving a match and reading it back, and refusing what is not a saved match.
#include "game/rules/match_file.h"
#include "game/rules/match_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

namespace {

// decks: 0 one deck, 1 two.
TSavedMatch SampleMatch(int decks = 1)
{
    TSavedMatch match;
    StartMatch(match.state, kPairs, decks, false);
    std::vector<int> deck = FreshDeck(decks);
    int n = 0;
    ShuffleDeck(deck, 2, [&n](int range) { return (n += 7) % range; });
    DealNewDeck(match.state, deck);
    TMatchState& s = match.state;
    const TMoveOutcome laid = ApplyMove(s, { SeatS, 0, {} });
    match.lastMoves[SeatS] = { laid.playedId, {} };
    s.CurrentPlayer = SeatE;
    s.HandsPlayed = 1;
    s.Score = { 11, 7, 0, 0 };
    s.cells[0] = { 10, 1, 0 };
    s.cells[1] = { 4, 0, 3 };
    std::ostringstream random;
    random << std::mt19937_64(7);
    match.randomState = random.str();
    return match;
}

} // namespace

TEST(MatchFile, RoundTripKeepsEveryField)
{
    const TSavedMatch match = SampleMatch();
    std::string error;
    const auto back = LoadMatchText(SaveMatchText(match), error);
    ASSERT_TRUE(back) << error;
    const TMatchState &a = match.state, &b = back->state;
    EXPECT_EQ(b.GameMode, a.GameMode);
    EXPECT_EQ(b.DeckCount, a.DeckCount);
    EXPECT_EQ(b.Clockwise, a.Clockwise);
    EXPECT_EQ(b.hands, a.hands);
    EXPECT_EQ(b.table, a.table);
    EXPECT_EQ(b.taken, a.taken);
    EXPECT_EQ(b.Score, a.Score);
    EXPECT_EQ(b.cells[0].points, 10);
    EXPECT_EQ(b.deck, a.deck);
    EXPECT_EQ(b.CurrentPlayer, SeatE);
    EXPECT_EQ(b.LastPlayer, SeatS);
    EXPECT_EQ(b.MovesMade, 1);
    EXPECT_EQ(back->randomState, match.randomState);
    EXPECT_EQ(back->lastMoves, match.lastMoves);
}

TEST(MatchFile, LastMovesRoundTripAndTheFirstFormatStillReads)
{
    TSavedMatch match = SampleMatch(0);
    // W took two cards now gone from the table (kept out of every hand).
    const int played = match.state.deck.back(),
              taken = match.state.deck[match.state.deck.size() - 2];
    match.state.deck.resize(match.state.deck.size() - 2);
    match.state.taken[SeatW] = { taken, played };
    match.state.handCells[1].points = CardPoints(taken) + CardPoints(played);
    match.state.LastTaker = SeatW;
    match.lastMoves[SeatW] = { played, { taken } };
    std::string error;
    const std::string text = SaveMatchText(match);
    auto back = LoadMatchText(text, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->lastMoves, match.lastMoves);

    // The first format: the same lines without the last moves.
    std::string old = text;
    old.replace(0, old.find('\n'), "Zaviko saved match 1");
    const std::size_t from = old.find("\nlast ") + 1, to = old.find("random ");
    old.erase(from, to - from);
    back = LoadMatchText(old, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->state.hands, match.state.hands);
    EXPECT_EQ(back->lastMoves, TLastMoves {});

    // A last move that names a card still in a hand, or a move of a seat
    // that does not play, is refused.
    TSavedMatch lie = match;
    lie.lastMoves[SeatN] = { match.state.hands[SeatN][0], {} };
    EXPECT_FALSE(LoadMatchText(SaveMatchText(lie), error));
    lie = match;
    const auto& row = match.state.table[1];
    const auto onTable = std::find_if(row.begin(), row.end(), [](int id) { return id != kNoCard; });
    ASSERT_NE(onTable, row.end());
    lie.lastMoves[SeatE] = { played, { *onTable } };
    EXPECT_FALSE(LoadMatchText(SaveMatchText(lie), error));
    lie = match;
    lie.lastMoves[SeatE] = { kNoCard, { taken } };
    EXPECT_FALSE(LoadMatchText(SaveMatchText(lie), error));
}

TEST(MatchFile, RefusesForeignDamagedAndImpossibleFiles)
{
    const std::string good = SaveMatchText(SampleMatch());
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::string cases[] = {
        "", "[GameOptions]\nLog=1\n",
        std::string("Zaviko saved match 1\n") + std::string(100000, 'x'),
        good.substr(0, good.size() / 2), // cut short
        replaced("mode 1", "mode 7"), replaced("current 3", "current 9"),
        replaced("deck ", "deck 99999999999 "), replaced("hand 6", "hand 5"),
        replaced("row 6 ", "row 6 60 "), // no such card
        std::string(good).insert(good.find("deck ") + 5, "1 2 "), // a card twice
    };
    for (const std::string& text : cases) {
        std::string error;
        EXPECT_FALSE(LoadMatchText(text, error)) << text.substr(0, 60);
        EXPECT_FALSE(error.empty());
    }
    // Two players: the seat on turn must be S or N.
    std::string error;
    TSavedMatch two = SampleMatch();
    two.state.GameMode = kTwoPlayers;
    EXPECT_FALSE(LoadMatchText(SaveMatchText(two), error));
}
