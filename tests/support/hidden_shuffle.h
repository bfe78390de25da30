#pragma once

#include "game/rules/match_state.h"

#include <algorithm>
#include <random>
#include <vector>

// The same position with every card `seat` cannot see dealt anew: the other
// hands keep their filled slots and the deck its length, so a player that
// never peeks must choose the same move in both.
inline TMatchState WithHiddenCardsShuffled(TMatchState state, int seat, std::mt19937& generator)
{
    std::vector<int> hidden(state.deck);
    for (int s = SeatS; s <= SeatE; ++s)
        if (s != seat)
            for (int id : state.hands[s])
                if (id != kNoCard) hidden.push_back(id);
    std::shuffle(hidden.begin(), hidden.end(), generator);
    std::size_t next = 0;
    for (int s = SeatS; s <= SeatE; ++s)
        if (s != seat)
            for (int& id : state.hands[s])
                if (id != kNoCard) id = hidden[next++];
    for (int& id : state.deck)
        id = hidden[next++];
    return state;
}
