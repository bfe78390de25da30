#pragma once

// What the computer choice tests share: a readable form of a choice and the
// check that two choices are the same move.
#include "cards/ids/card_ids.h"
#include "game/computer/computer_choice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace choice_test {

// Card IDs: a suit card's value plus its block's base (cards/ids/card_ids.h).
constexpr int D = kDiamondsBase, S = kSpadesBase, H = kHeartsBase;
constexpr int kNoCard = 0;

using TIds = std::vector<int>;

inline std::string Describe(const TComputerChoice& c)
{
    return "capture " + testing::PrintToString(c.capture) + " blind "
        + testing::PrintToString(c.blind) + " slot " + std::to_string(c.handSlot) + " table "
        + testing::PrintToString(c.tablePositions);
}

inline void ExpectChoice(
    const TComputerChoice& got, const TComputerChoice& want, const std::string& what)
{
    EXPECT_EQ(Describe(got), Describe(want)) << what;
}

inline TComputerChoice Capture(int slot, std::vector<int> positions)
{
    return { true, false, slot, std::move(positions) };
}

inline TComputerChoice LayDown(int slot, bool blind = false)
{
    return { false, blind, slot, {} };
}

} // namespace choice_test
