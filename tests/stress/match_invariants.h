#pragma once

#include "game/rules/match_rules.h"
#include "game/rules/match_state.h"

#include <algorithm>
#include <string>
#include <vector>

// What must hold after every move of any match: every card is somewhere once
// (the hidden seats of the two-player mode left out), with one deck no card is
// both on the table and in a hand, and each score row's total is the score
// its seat or pair holds. Returns what is broken, or an empty text.
inline std::string BrokenInvariant(const TMatchState& state)
{
    if (!CardsConserved(state)) return "cards are not conserved";
    if (state.DeckCount == 0) {
        std::vector<int> table = TableIds(state);
        std::sort(table.begin(), table.end());
        for (int seat = SeatS; seat <= SeatE; ++seat)
            for (int id : state.hands[seat])
                if (id != kNoCard && SeatPlays(state.GameMode, seat)
                    && std::binary_search(table.begin(), table.end(), id))
                    return "card " + std::to_string(id) + " is on the table and in a hand";
    }
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        const int row = ScoreRow(state.GameMode, seat);
        if (row <= 0) continue;
        const int scorer = ScoringSeat(state.GameMode, seat);
        if (state.cells[row - 1].Total() != state.Score[scorer])
            return "row " + std::to_string(row) + " totals "
                + std::to_string(state.cells[row - 1].Total()) + " but the score is "
                + std::to_string(state.Score[scorer]);
    }
    return {};
}
