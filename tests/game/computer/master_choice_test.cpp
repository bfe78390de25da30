// "Majstor" on hand-made positions and on positions of played matches: what
// it weighs, that its captures are legal, and that it never peeks.
#include "cards/ids/card_ids.h"
#include "game/computer/master_choice.h"

#include "game/rules/computer_move.h"
#include "game/rules/match_rules.h"
#include "game/computer/seat_choice.h"

#include "tests/support/hidden_shuffle.h"
#include "tests/support/seeded_deals.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Card IDs: a suit card's value plus its block's base (cards/ids/card_ids.h).
constexpr int D = kDiamondsBase, S = kSpadesBase, H = kHeartsBase;

// S to play in a two-player hand early on: N holds six unseen cards.
TSeatKnowledge TwoPlayerPosition(THand hand, std::vector<int> table)
{
    TSeatKnowledge k;
    k.gameMode = kTwoPlayers;
    k.hand = hand;
    k.table = std::move(table);
    for (int id : k.hand)
        k.handCount[SeatS] += id != kNoCard;
    k.handCount[SeatN] = 6;
    k.cardsLeft = 52 - 6 - k.handCount[SeatS] - int(k.table.size());
    return k;
}

std::string Describe(const TComputerChoice& c)
{
    return (c.capture ? "capture slot " : "lay down slot ") + std::to_string(c.handSlot) + " "
        + testing::PrintToString(c.tablePositions);
}

TEST(MasterChoice, WeighsPointsClearsAndWhatItLeaves)
{
    struct TCase {
        const char* what;
        THand hand;
        std::vector<int> table;
        std::string want;
    };
    const TCase cases[] = {
        // 5C takes 2D+3S and clears; 2H takes 2D only. Both are worth no point.
        { "the clear when points are equal", { 2 + H, 5, 0, 0, 0, 0 }, { 2 + D, 3 + S },
            "capture slot 1 { 0, 1 }" },
        { "the ten of diamonds over plain cards", { 10 + H, 9, 0, 0, 0, 0 },
            { 2 + D, 10 + D, 3 + S, 4 + H }, "capture slot 0 { 1 }" },
        // On an empty table a laid card is taken with a clear; the ten of
        // diamonds would go with it.
        { "no point card to an empty table", { 10 + D, 5, 0, 0, 0, 0 }, {}, "lay down slot 1 {}" },
        { "an empty hand plays nothing", {}, { 2 }, "lay down slot -1 {}" },
    };
    for (const TCase& c : cases)
        EXPECT_EQ(Describe(ChooseMasterMove(TwoPlayerPosition(c.hand, c.table))), c.want) << c.what;
}

TEST(MasterChoice, LeavesNoLoneCardToClear)
{
    // Taking 3+4 with the 7 leaves the king alone: any king clears and takes
    // two points. "Pametno" does it; "Majstor" takes less and leaves more.
    const THand hand { 7, 0, 0, 0, 0, 0 };
    const std::vector<int> table { 3 + S, 4 + H, 7 + D, 13 + S };
    EXPECT_EQ(
        Describe(ChooseComputerMove(hand, table, csPametno, 1)), "capture slot 0 { 0, 1, 2 }");
    const TComputerChoice master = ChooseMasterMove(TwoPlayerPosition(hand, table));
    EXPECT_TRUE(master.capture);
    EXPECT_LT(master.tablePositions.size(), 3U) << Describe(master);
}

TEST(MasterChoice, TheLastMoveOfAHandTakesTheRestWithIt)
{
    // N took last; S captures the lone 2 and with it the rest of the table
    // (king and ace) instead of laying its 2 down for N.
    TSeatKnowledge k
        = TwoPlayerPosition({ 0, 0, 2 + H, 0, 0, 0 }, { 9 + D, 13 + S, 14 + H, 5 + D });
    k.handCount[SeatN] = 0;
    k.cardsLeft = 0;
    k.lastTaker = SeatN;
    k.takenCount = { 20, 0, 27, 0 };
    EXPECT_EQ(Describe(ChooseMasterMove(k)), "lay down slot 2 {}")
        << "nothing takes: the rest goes to N whatever S lays";
    k.table.push_back(2 + S);
    EXPECT_EQ(Describe(ChooseMasterMove(k)), "capture slot 2 { 4 }");
}

// Plays a match with the rules, S and N at "Majstor" and "Pametno" (or all
// four seats), and calls check(state) before every move.
template <class Check> void PlayMatch(std::uint64_t seed, int mode, int decks, Check check)
{
    TSeededDeals events(seed);
    const TRandomDraw& draw = events.draw;
    TMatchState state;
    StartMatch(state, mode, decks, true);
    DealNewDeck(state, events.NewDeck(decks));
    for (int turn = 0; turn < 3000 && !state.GameOver; ++turn) {
        const int seat = state.CurrentPlayer;
        check(state);
        const int strength = seat == SeatS || seat == SeatW ? csHeuristicMajstor : csPametno;
        const TComputerChoice choice = ChooseSeatMove(state, seat, strength, draw(10));
        if (choice.handSlot >= 0) ApplyMove(state, MoveOfChoice(state, seat, choice));
        FinishTurn(state, events);
    }
    ASSERT_TRUE(state.GameOver);
}

TEST(MasterChoice, NeverPeeksAndPlaysOnlyLegalCaptures)
{
    std::mt19937 generator(99);
    int positions = 0, changed = 0;
    for (int mode : { kTwoPlayers, kEachForHimself, kPairs })
        for (int decks : { 0, 1 })
            PlayMatch(40 + mode * 2 + decks, mode, decks, [&](const TMatchState& state) {
                const int seat = state.CurrentPlayer;
                const TComputerChoice choice = ChooseSeatMove(state, seat, csHeuristicMajstor, 0);
                if (choice.capture) {
                    ASSERT_TRUE(IsLegalCapture(
                        state, seat, choice.handSlot, MoveOfChoice(state, seat, choice).take));
                }
                const TMatchState shuffled = WithHiddenCardsShuffled(state, seat, generator);
                changed += shuffled.deck != state.deck || shuffled.hands != state.hands;
                EXPECT_EQ(Describe(ChooseSeatMove(shuffled, seat, csHeuristicMajstor, 0)),
                    Describe(choice))
                    << "move " << state.MovesMade << " of mode " << mode;
                ++positions;
            });
    EXPECT_GT(changed, positions / 2) << "the shuffle should move hidden cards";
}

} // namespace
