#pragma once

#include "game/rules/capture_search.h"

#include <array>
#include <vector>

// The group sums of one way of splitting a capture set, in the order the
// groups were formed. A split never has more groups than the set has cards.
class TSume {
public:
    // Throws std::length_error past kMaxCaptureCards groups.
    void AddSum(int value);
    int SumCount() const { return FCount; }
    // Throws std::out_of_range outside 0..SumCount()-1.
    int Sum(int index) const;

private:
    std::array<int, kMaxCaptureCards> FSums {};
    int FCount = 0;
};

// The splits of one value row.
using TArraySume = std::vector<TSume>;
