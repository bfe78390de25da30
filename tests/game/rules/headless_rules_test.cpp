// A whole match on the rules alone, its moves chosen by a chooser the test
// passes in, and the one way a computer's choice becomes a move.
#include "game/rules/computer_move.h"
#include "game/rules/headless_match.h"
#include "game/rules/match_rules.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Lays down the seat's first card, or takes the first table card of the same
// value when there is one: a chooser that knows nothing of strengths.
TComputerChoice FirstCardChooser(const TMatchState& state, int seat, int, int)
{
    TComputerChoice choice;
    const std::vector<int> table = TableIds(state);
    for (int slot = 0; slot < int(state.hands[seat].size()); ++slot) {
        const int id = state.hands[seat][slot];
        if (id == kNoCard) continue;
        choice.handSlot = slot;
        for (int position = 0; position < int(table.size()); ++position)
            if (CardValue(table[position]) == CardValue(id) && CardValue(id) != 0) {
                choice.capture = true;
                choice.tablePositions = { position };
                break;
            }
        break;
    }
    return choice;
}

} // namespace

TEST(HeadlessRules, AMatchWithoutAChooserIsRefused)
{
    EXPECT_THROW(PlayHeadlessMatch(THeadlessMatchSetup {}), std::invalid_argument);
}

TEST(HeadlessRules, TheChooserPassedInPlaysEveryMoveToTheEnd)
{
    for (int mode : { kEachForHimself, kPairs, kTwoPlayers }) {
        int calls = 0, captures = 0;
        THeadlessMatchSetup setup;
        setup.seed = 11 + mode;
        setup.gameMode = mode;
        setup.checkCards = true;
        setup.chooser = [&](const TMatchState& state, int seat, int strength, int r) {
            ++calls;
            EXPECT_EQ(seat, state.CurrentPlayer);
            EXPECT_EQ(strength, setup.strengths[seat]);
            EXPECT_TRUE(r >= 0 && r < 10) << r;
            TComputerChoice choice = FirstCardChooser(state, seat, strength, r);
            captures += choice.capture;
            return choice;
        };
        const THeadlessMatchResult result = PlayHeadlessMatch(setup);
        EXPECT_NE(result.winner, kNoSeat) << "mode " << mode;
        EXPECT_GE(calls, result.moves) << "every move went through the chooser";
        EXPECT_GT(captures, 0) << "mode " << mode;
        EXPECT_EQ(PlayHeadlessMatch(setup), result) << "the same seed, the same match";
    }
}

TEST(ComputerMove, AChoiceNamesItsHandSlotAndTheTableSlotsAtItsPositions)
{
    TMatchState state;
    StartMatch(state, kEachForHimself, 0, true);
    state.table[0][2] = 5;
    state.table[0][4] = 9;
    state.table[1][1] = 30;
    const std::vector<TTableSlot> slots = TableSlots(state);
    ASSERT_EQ(slots.size(), 3u);

    const TMove take = MoveOfChoice(state, SeatW, { true, false, 3, { 0, 2 } });
    EXPECT_EQ(take.seat, SeatW);
    EXPECT_EQ(take.handSlot, 3);
    ASSERT_EQ(take.take.size(), 2u);
    EXPECT_EQ(take.take[0].row, slots[0].row);
    EXPECT_EQ(take.take[0].slot, slots[0].slot);
    EXPECT_EQ(take.take[1].row, slots[2].row);
    EXPECT_EQ(take.take[1].slot, slots[2].slot);

    const TMove layDown = MoveOfChoice(state, SeatN, { false, false, 1, { 0 } });
    EXPECT_EQ(layDown.handSlot, 1);
    EXPECT_TRUE(layDown.take.empty()) << "a lay-down takes nothing, whatever its positions";

    EXPECT_THROW(MoveOfChoice(state, SeatS, { true, false, 0, { 3 } }), std::out_of_range);
}
