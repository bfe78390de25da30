// The saved match's history, undo steps and hand scores: they come back as
// written, the generators of the steps come back from their draw counts, and
// steps or moves that do not fit the match are refused.
#include "game/rules/match_file.h"
#include "game/rules/match_rules.h"
#include "tests/game/rules/played_match.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <sstream>

TEST(MatchFileHistory, HistoryUndoStepsAndHandScoresComeBackAsWritten)
{
    TSavedMatch match = Played();
    // A capture's clear and its points in the hand, as the score table has them.
    match.state.cells[0] = { 2, 1, 0 };
    match.state.Score[SeatS] = 3;
    match.state.handCells[0] = { 2, 1, 0 };
    // Cards leave the deck from its end, as deals take them.
    match.state.taken[SeatS] = { match.state.deck.end()[-1], match.state.deck.end()[-2] };
    match.state.deck.resize(match.state.deck.size() - 2);
    match.state.LastTaker = SeatS;
    match.state.handCells[0].points
        = CardPoints(match.state.taken[SeatS][0]) + CardPoints(match.state.taken[SeatS][1]);
    match.state.cells[0].points = match.state.handCells[0].points;
    match.state.Score[SeatS] = match.state.cells[0].Total();
    match.humanClears = 1;
    std::string error;
    const std::string text = SaveMatchText(match);
    const auto back = LoadMatchText(text, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->state, match.state);
    EXPECT_EQ(back->history, match.history);
    EXPECT_EQ(back->undo, match.undo) << "each step's generator is rebuilt from its draws";
    EXPECT_EQ(back->humanClears, 1);
    EXPECT_TRUE(back->undoUsed);
    EXPECT_EQ(SaveMatchText(*back), text);
    // One whole generator state for all the steps, not one per step.
    EXPECT_LT(text.size(), 2 * match.randomState.size() + 8000);

    // The second format has none of it: the history and the steps start
    // empty, and the hand's card points are its taken cards'.
    std::string old = text;
    old.replace(0, old.find('\n'), "Zaviko saved match 2");
    const std::size_t from = old.find("handcells "), to = old.find("\nrandom ") + 1;
    old.erase(from, to - from);
    const auto second = LoadMatchText(old, error);
    ASSERT_TRUE(second) << error;
    EXPECT_TRUE(second->history.empty());
    EXPECT_TRUE(second->undo.empty());
    EXPECT_FALSE(second->undoUsed);
    EXPECT_EQ(second->state.handCells[0], (TScoreCells { match.state.handCells[0].points, 0, 0 }));
}

TEST(MatchFileHistory, StepsWhoseGeneratorsDoNotLeadToTheMatchsAreLeftOut)
{
    TSavedMatch match = Played();
    std::string error;
    // The oldest step's generator is a stranger's: it goes, the rest stay.
    TSavedMatch foreign = match;
    foreign.undo[0].randomState = GeneratorText(std::mt19937_64(99));
    auto back = LoadMatchText(SaveMatchText(foreign), error);
    ASSERT_TRUE(back) << error;
    ASSERT_EQ(back->undo.size(), 2u);
    EXPECT_EQ(back->undo[0], match.undo[1]);
    EXPECT_EQ(back->undo[1], match.undo[2]);
    // The match's own generator follows none of them: nothing to take back.
    foreign = match;
    foreign.randomState = GeneratorText(std::mt19937_64(99));
    back = LoadMatchText(SaveMatchText(foreign), error);
    ASSERT_TRUE(back) << error;
    EXPECT_TRUE(back->undo.empty());
}

TEST(MatchFileHistory, StepsMovesAndHandScoresThatDoNotFitAreRefused)
{
    const TSavedMatch match = Played();
    struct TLie {
        const char* what;
        std::function<void(TSavedMatch&)> change;
        const char* reason;
    };
    const TLie lies[] = {
        { "a step with a computer on turn",
            [](TSavedMatch& m) { m.undo[1].state.CurrentPlayer = SeatW; },
            "koraci za vracanje poteza se ne slazu" },
        { "steps out of order",
            [](TSavedMatch& m) {
                std::swap(m.undo[0].state, m.undo[1].state);
                std::swap(m.undo[0].lastMoves, m.undo[1].lastMoves);
            },
            "koraci za vracanje poteza se ne slazu" },
        { "a step beyond the history", [](TSavedMatch& m) { m.undo[2].historySize = 99; },
            "koraci za vracanje poteza se ne slazu" },
        { "a step of another hand", [](TSavedMatch& m) { m.undo[0].state.HandsPlayed = 1; },
            "koraci za vracanje poteza se ne slazu" },
        { "a move of a later hand", [](TSavedMatch& m) { m.history[3].hand = 4; },
            "tok igre se ne slaze sa partijom" },
        { "a hand bonus the score table lacks",
            [](TSavedMatch& m) { m.state.handCells[0].bonus = 3; },
            "rezultat deljenja se ne slaze sa tabelom" },
        { "a clear without a capture",
            [](TSavedMatch& m) { m.undo[0].state.handCells[3].clears = 1; },
            "rezultat deljenja se ne slaze sa tabelom" },
    };
    for (const TLie& lie : lies) {
        TSavedMatch changed = match;
        lie.change(changed);
        std::string error;
        EXPECT_FALSE(LoadMatchText(SaveMatchText(changed), error)) << lie.what;
        EXPECT_EQ(error, lie.reason) << lie.what;
    }
}
