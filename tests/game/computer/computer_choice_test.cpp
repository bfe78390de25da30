#include "game/computer/computer_choice.h"
#include "game/computer/table_captures.h"
#include "tests/game/computer/choice_expect.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using namespace choice_test;

TEST(ComputerChoice, ChoosesByStrengthAsTheRulesDescribe)
{
    struct TCase {
        const char* what;
        TIds hand, table;
        int strength, r;
        TComputerChoice want;
    };
    // 5C, 7H against 2D, 3S, 5H: every capture is worth 0.
    const TIds hand5C7H { 5, 7 + H, kNoCard, kNoCard, kNoCard, kNoCard };
    const TIds table2D3S5H { 2 + D, 3 + S, 5 + H };
    // 10H takes the ten of diamonds alone; 9C takes three number cards.
    const TIds hand10H9C { 10 + H, 9 };
    const TIds tableTenAndSmall { 2 + D, 10 + D, 3 + S, 4 + H };
    const TCase cases[] = {
        { "first slot, first set", hand5C7H, table2D3S5H, csProsecno, 3, Capture(0, { 2 }) },
        { "last of equal worth", hand5C7H, table2D3S5H, csPametno, 3, Capture(1, { 0, 2 }) },
        { "weak seat looking", hand5C7H, table2D3S5H, csGlupo, 9, Capture(1, { 0, 2 }) },
        { "ten of diamonds alone", hand10H9C, tableTenAndSmall, csPametno, 5, Capture(0, { 1 }) },
        { "a single card first", { 5, 10 + H }, { 5 + H, 2 + D, 3 + S }, csProsecno, 1,
            Capture(0, { 0 }) },
        { "the larger set's points", { 5, 10 + H }, { 5 + H, 2 + D, 3 + S }, csPametno, 1,
            Capture(1, { 0, 1, 2 }) },
        { "an ace aims at 11", { 14 + H }, { 5, 6 + S, 9 }, csPametno, 4, Capture(0, { 0, 1 }) },
        { "blind although it takes all", { kNoCard, 10 }, { 4, 6 + D }, csGlupo, 0,
            LayDown(1, true) },
        { "only the weak seat is blind", { kNoCard, 10 }, { 4, 6 + D }, csPametno, 0,
            Capture(1, { 0, 1 }) },
        { "unknown strength plays well", hand5C7H, table2D3S5H, 7, 0, Capture(1, { 0, 2 }) },
        { "empty table, lowest", { 14, 3 + H, 2 + S, 2 }, {}, csPametno, 2, LayDown(2) },
        { "empty table, lowest", { 14, 3 + H, 2 + S, 2 }, {}, csProsecno, 2, LayDown(2) },
        { "empty table, first", { kNoCard, 14, 2 }, {}, csGlupo, 2, LayDown(1) },
        { "nothing to take, ace is 14", { 14, 13 + D, 14 + S }, { 2 }, csPametno, 5, LayDown(1) },
        { "all aces, the first", { kNoCard, 14 + D, 14 + S }, { 2 }, csProsecno, 5, LayDown(1) },
        { "an empty hand plays nothing", { kNoCard, kNoCard }, { 2 }, csPametno, 5, LayDown(-1) },
    };
    for (const TCase& c : cases)
        ExpectChoice(ChooseComputerMove(c.hand, c.table, c.strength, c.r), c.want, c.what);
}

// Two decks' leftovers: index arrays, not bit masks, so far more than twelve
// cards still give every set. Aces lie first and last, kings between.
TEST(ComputerChoice, LargeTableReachesItsFirstAndLastCards)
{
    TIds table(40, 13 + S);
    table.front() = 14 + D;
    table.back() = 14 + H;
    const TIds hand { 2, 13 + H };
    // The two of clubs takes only the two aces (1 + 1); the king takes one to
    // five kings, five worth the most, the last met being positions 1..5.
    ExpectChoice(ChooseComputerMove(hand, table, csProsecno, 1), Capture(0, { 0, 39 }), "Prosecno");
    ExpectChoice(
        ChooseComputerMove(hand, table, csPametno, 1), Capture(1, { 1, 2, 3, 4, 5 }), "Pametno");
}

// The scan's shortcuts (a set that is one group, sets without aces) answer as
// the rule does, for every set of random tables and every hand card: tables
// of twelve with aces and the odd joker.
TEST(TableCaptures, EveryCandidateIsTakenExactlyAsTheRuleSays)
{
    std::mt19937 rng(4242);
    std::uniform_int_distribution<int> valueOf(2, 15);
    int taken = 0;
    for (int trial = 0; trial < 40 && !HasFailure(); ++trial) {
        std::vector<zaviko::computer::TCandidateCard> cards;
        for (int i = 0; i < 12; ++i) {
            const int value = valueOf(rng);
            cards.emplace_back(value == kJokerValue && trial % 4 != 0 ? kAceValue : value, 0);
        }
        zaviko::computer::WalkCandidates(cards, [&](const zaviko::computer::TCandidateSet& set) {
            std::vector<int> values;
            for (int i = 0; i < set.size; ++i)
                values.push_back(cards[set.Position(i)].value);
            const auto taking = zaviko::computer::TakingTargets(cards, set, ~0u);
            for (int hand = 2; hand <= kAceValue; ++hand) {
                const bool rule = CanTakeValues(hand, values);
                EXPECT_EQ((taking >> CaptureTarget(hand)) & 1, rule ? 1u : 0u)
                    << "hand " << hand << " set of " << set.size << " in trial " << trial;
                taken += rule;
            }
            return !HasFailure();
        });
    }
    EXPECT_GT(taken, 4000);
}

} // namespace
