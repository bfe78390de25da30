// The computer's choice on values against the same choice made on card objects.
#include "game/computer/computer_choice.h"
#include "tests/game/computer/choice_expect.h"
#include "tests/support/fake_card_owner.h"
#include "tests/support/reference_choice.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using namespace choice_test;

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
