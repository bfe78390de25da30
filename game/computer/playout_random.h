#pragma once

#include "game/computer/computer_namespace.h"

#include <cstdint>
#include <limits>

namespace zaviko::computer {

// The search's random numbers: SplitMix64, a generator of one 64-bit word.
// The search seeds a generator for every sample and every playout, tens of
// thousands a decision; a Mersenne Twister would first fill and then twist
// 312 words each time, which cost a sixth of a two-deck decision. The draws
// shape guesses and playouts, never a deal of the match, so a small
// well-mixed generator is all they need.
class TPlayoutRandom {
public:
    using result_type = std::uint64_t;

    explicit TPlayoutRandom(std::uint64_t seed)
        : state_(seed)
    {
    }

    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return std::numeric_limits<result_type>::max(); }

    result_type operator()() { return Mix(state_ += kGolden); }

    // SplitMix64's finaliser: spreads close inputs far apart.
    static constexpr std::uint64_t Mix(std::uint64_t z)
    {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

private:
    static constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;
    std::uint64_t state_;
};

} // namespace zaviko::computer
