#pragma once

// Worked examples of the capture rule by card value: the hand card, the table
// set and whether the hand card takes the set. The rules test them on values,
// the controller on card objects of every suit.
#include <vector>

namespace capture_examples {

constexpr int J = 11, Q = 12, K = 13, A = 14, Joker = 15;

struct TExample {
    int hand;
    std::vector<int> table;
    bool taken;
};

inline const std::vector<TExample>& WorkedExamples()
{
    static const std::vector<TExample> examples { { 7, { 3, 4 }, true },
        { 7, { 3, 4, 5, 2 }, true }, { 10, { 4, 6, 5 }, false }, { K, { A, 3 }, true },
        { A, { 5, 6 }, true }, { A, { 10, A }, true }, { A, { A }, true }, { A, { A, A }, true },
        { 2, { A, A }, true }, { Q, { J }, false }, { J, { 10, 2 }, true }, { 9, { 9, 9 }, true },
        { J, { J }, true }, { A, { A, 3 }, false } };
    return examples;
}

} // namespace capture_examples
