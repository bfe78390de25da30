#pragma once

#include "tests/support/sume.h"

#include <array>
#include <initializer_list>
#include <span>
#include <vector>

// The reference capture rule, kept as an oracle for tests and benchmarks: it
// tries every ace value row and walks every split of a row one by one, in the
// order a split-by-split search forms them. Slow by design (a row of 12 values
// has 4,213,597 splits); never part of the product.

// Walks the splits of values (group sums only) in reference order:
// two values a, b give [a, b], [a+b]; three give [a, b, c], [a, b+c], [b, a+c],
// [c, a+b], [a+b+c]; more values take the first one, d, and for each split of
// the rest add d to each group in turn and then put d in a new last group.
// visit(std::span<const int> sums) returns true to stop the walk; ForEach
// returns whether it was stopped.
template <class Visit> class TReferenceSplitWalk {
public:
    TReferenceSplitWalk(std::span<const int> values, Visit& visit)
        : FValues(values)
        , FVisit(visit)
    {
    }

    bool ForEach()
    {
        const int n = static_cast<int>(FValues.size());
        if (n == 0) return false;
        if (n == 1) return Leaf({ FValues[0] });
        if (n == 2) return Leaf({ FValues[0], FValues[1] }) || Leaf({ FValues[0] + FValues[1] });
        const int a = FValues[n - 3], b = FValues[n - 2], c = FValues[n - 1];
        return Base({ a, b, c }) || Base({ a, b + c }) || Base({ b, a + c }) || Base({ c, a + b })
            || Base({ a + b + c });
    }

private:
    bool Leaf(std::initializer_list<int> sums)
    {
        SetSums(sums);
        return FVisit(std::span<const int>(FSums.data(), FCount));
    }

    bool Base(std::initializer_list<int> sums)
    {
        SetSums(sums);
        return Extend(static_cast<int>(FValues.size()) - 4);
    }

    void SetSums(std::initializer_list<int> sums)
    {
        FCount = 0;
        for (int s : sums)
            FSums[FCount++] = s;
    }

    bool Extend(int level)
    {
        if (level < 0) return FVisit(std::span<const int>(FSums.data(), FCount));
        const int d = FValues[level];
        for (int group = 0; group < FCount; ++group) {
            FSums[group] += d;
            const bool stop = Extend(level - 1);
            FSums[group] -= d;
            if (stop) return true;
        }
        FSums[FCount++] = d;
        const bool stop = Extend(level - 1);
        --FCount;
        return stop;
    }

    std::span<const int> FValues;
    Visit& FVisit;
    std::array<int, 64> FSums {};
    int FCount = 0;
};

template <class Visit> bool ForEachReferenceSplit(std::span<const int> values, Visit visit)
{
    return TReferenceSplitWalk<Visit>(values, visit).ForEach();
}

// Every split of values as group sums, in reference order.
TArraySume ReferenceSplits(std::span<const int> values);

// The value rows for card values (2..15): sum values in card order, each ace
// doubling the rows (1 in the first half, 11 in the second); each row cut at
// its first 0.
std::vector<std::vector<int>> ReferenceValueRows(std::span<const int> cardValues);

// The reference answers, row by row and split by split.
bool ReferenceSubSumsMatch(std::span<const int> cardValues, int target);
bool ReferenceCanTake(int handValue, std::span<const int> tableValues);
