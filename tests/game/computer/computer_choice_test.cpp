#include "game/computer/computer_choice.h"
#include "tests/support/fake_card_owner.h"
#include "tests/support/reference_choice.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// Card IDs: clubs are their value; diamonds, spades and hearts add 13, 26, 39.
constexpr int D = 13, S = 26, H = 39;
constexpr int kNoCard = 0;

using TIds = std::vector<int>;

std::string Describe(const TComputerChoice& c)
{
    return "capture " + testing::PrintToString(c.capture) + " blind "
        + testing::PrintToString(c.blind) + " slot " + std::to_string(c.handSlot) + " table "
        + testing::PrintToString(c.tablePositions);
}

void ExpectChoice(const TComputerChoice& got, const TComputerChoice& want, const std::string& what)
{
    EXPECT_EQ(Describe(got), Describe(want)) << what;
}

TComputerChoice Capture(int slot, std::vector<int> positions)
{
    return { true, false, slot, std::move(positions) };
}

TComputerChoice LayDown(int slot, bool blind = false)
{
    return { false, blind, slot, {} };
}

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

// Random hands and tables, one card object per table position and hand slot,
// their IDs rewritten for each case.
class TRandomDeal {
public:
    explicit TRandomDeal(unsigned seed)
        : FRng(seed)
    {
    }

    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(FRng); }

    // Both decks' worth: any ID may repeat.
    TIds Ids(int count, int emptyOneIn)
    {
        TIds ids(count);
        for (int& id : ids)
            id = emptyOneIn > 0 && Uniform(1, emptyOneIn) == 1 ? kNoCard : Uniform(2, 53);
        return ids;
    }

    // The reference's answer for the same cards.
    TComputerChoice Reference(const TIds& hand, const TIds& table, int strength, int r)
    {
        while (FCards.size() < hand.size() + table.size())
            FCards.push_back(&FPool.Make(2));
        TTableCards cards;
        for (std::size_t i = 0; i < table.size(); ++i) {
            FCards[i]->SetID(table[i]);
            (i < 6 ? cards.talon1 : cards.talon2).push_back(FCards[i]);
        }
        std::vector<const TZuSingleCard*> handCards;
        for (std::size_t s = 0; s < hand.size(); ++s) {
            TZuSingleCard* card = FCards[table.size() + s];
            card->SetID(hand[s] == kNoCard ? 2 : hand[s]);
            handCards.push_back(hand[s] == kNoCard ? nullptr : card);
        }
        return ReferenceComputerChoice(cards, handCards, strength, r);
    }

private:
    std::mt19937 FRng;
    TCardPool FPool;
    std::vector<TZuSingleCard*> FCards;
};

TEST(ComputerChoice, EqualsTheCardObjectReferenceOnRandomDeals)
{
    TRandomDeal deal(20240611);
    int captures = 0, blind = 0;
    for (int i = 0; i < 3000; ++i) {
        const TIds hand = deal.Ids(6, 4);
        const TIds table = deal.Ids(deal.Uniform(0, 12), 0);
        const int strength = deal.Uniform(0, 2), r = deal.Uniform(0, 9);
        const TComputerChoice want = deal.Reference(hand, table, strength, r);
        ExpectChoice(ChooseComputerMove(hand, table, strength, r), want,
            "hand " + testing::PrintToString(hand) + " table " + testing::PrintToString(table)
                + " strength " + std::to_string(strength) + " r " + std::to_string(r));
        if (HasFailure()) return;
        captures += want.capture;
        blind += want.blind;
    }
    // The deals must exercise both kinds of move and the blind one.
    EXPECT_GT(captures, 1000);
    EXPECT_GT(blind, 50);
}

TEST(ComputerChoice, EqualsTheReferenceOnTwentyCardTables)
{
    TRandomDeal deal(77);
    for (int i = 0; i < 12; ++i) {
        const TIds hand = deal.Ids(6, 3);
        const TIds table = deal.Ids(20, 0);
        const int strength = i % 3;
        ExpectChoice(ChooseComputerMove(hand, table, strength, 1),
            deal.Reference(hand, table, strength, 1), "table " + testing::PrintToString(table));
    }
}

} // namespace
