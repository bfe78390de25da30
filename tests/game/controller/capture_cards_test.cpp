// The capture rule on card objects of every suit, as the human's marked set
// and the computer's candidates test it.
#include "game/controller/card_collection.h"
#include "tests/game/rules/capture_examples.h"
#include "tests/support/fake_card_owner.h"

#include <gtest/gtest.h>

using namespace capture_examples;

TEST(CaptureRule, WorkedExamplesOnCardsOfEverySuit)
{
    // The examples' cards go round the four suit blocks.
    TCardPool pool;
    int suit = 0;
    const auto card = [&](int value) -> TZuSingleCard& {
        return pool.Make(CardId(TIdSuit(++suit % 4), value));
    };
    for (const TExample& e : WorkedExamples()) {
        TCardCollection set;
        for (int value : e.table)
            set.Add(card(value));
        EXPECT_EQ(set.CanTake(card(e.hand)), e.taken)
            << e.hand << " against cards " << testing::PrintToString(e.table);
    }
    EXPECT_EQ(CaptureSumValue(card(J).Value()), 12);
}
