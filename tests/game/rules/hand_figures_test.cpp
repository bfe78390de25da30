#include "game/rules/match_rules.h"

#include <gtest/gtest.h>

// Each score row's part of the hand under way, next to the match's cells.
TEST(HandFigures, TheHandsCellsFollowTheMatchsAndStartAgainWithEachHand)
{
    TMatchState state;
    StartMatch(state, kPairs, 0, true);
    AddCardPoints(state, SeatS, 4);
    AddCardPoints(state, SeatN, 2); // S's partner: the same row
    AddTableClear(state, SeatW);
    AddBonus(state, SeatE);
    EXPECT_EQ(state.handCells[0].points, 6);
    EXPECT_EQ(state.handCells[1].clears, 1);
    EXPECT_EQ(state.handCells[1].bonus, 3);
    EXPECT_EQ(state.handCells[0].Total(), state.cells[0].Total());
    EXPECT_EQ(state.handCells[1].Total(), state.cells[1].Total());

    // The next hand starts from nothing; the match keeps its cells.
    ClearTaken(state);
    for (const TScoreCells& cells : state.handCells)
        EXPECT_EQ(cells.Total(), 0);
    AddCardPoints(state, SeatS, 1);
    EXPECT_EQ(state.handCells[0].points, 1);
    EXPECT_EQ(state.cells[0].points, 7);

    // A new match starts both again; a seat without a row scores nowhere.
    StartMatch(state, kTwoPlayers, 0, true);
    AddCardPoints(state, SeatW, 5);
    for (const TScoreCells& cells : state.handCells)
        EXPECT_EQ(cells.Total(), 0);
    EXPECT_EQ(state.cells[0].Total(), 0);
}
