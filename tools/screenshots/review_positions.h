#pragma once

#include "game/review/move_review.h"

#include <cstdint>

// A made-up review of one hand for the "Analiza" sheet and its tests: a real
// deck dealt from `seed` and played to the hand's end by the rules, every
// seat taking its first capture (or laying its first card down), with every
// legal capture and lay-down of each of S's moves given a value of its own.
// The values are invented; the positions, the moves and the hidden cards
// are those of a real hand. `everyCard` false leaves that view unjudged.
THandReview SampleHandReview(std::uint64_t seed, int gameMode, int hand, bool everyCard = true);
