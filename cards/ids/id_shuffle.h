#pragma once

#include <span>
#include <utility>

// The shuffle of a deck of card IDs, on values, so that the card library's
// deck and a match on values shuffle alike.

// The passes a deck of the program is shuffled with; a custom deck file may
// name its own.
inline constexpr int kStandardShufflePasses = 2;

// Each pass swaps every position in turn with the one draw(n) picks in 0..n-1,
// n being the number of IDs.
template <class Draw> void ShuffleIds(std::span<int> ids, int passes, Draw&& draw)
{
    const int total = static_cast<int>(ids.size());
    for (int pass = 0; pass < passes; ++pass)
        for (int i = 0; i < total; ++i)
            std::swap(ids[i], ids[draw(total)]);
}
