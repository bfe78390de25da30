#include "tests/support/reference_splits.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using TSplits = std::vector<std::vector<int>>;

TSplits Splits(std::vector<int> values)
{
    TSplits out;
    for (const TSume& sume : ReferenceSplits(values)) {
        std::vector<int> sums;
        for (int i = 0; i < sume.SumCount(); ++i)
            sums.push_back(sume.Sum(i));
        out.push_back(sums);
    }
    return out;
}

long long CountSplits(int n)
{
    std::vector<int> values(n, 1);
    long long count = 0;
    ForEachReferenceSplit(values, [&](std::span<const int>) {
        ++count;
        return false;
    });
    return count;
}

} // namespace

TEST(ReferenceSplits, SmallRowsComeInTheDocumentedOrder)
{
    // Powers of two, so that every group sum names the cards in it.
    const int a = 1, b = 2, c = 4, d = 8;
    EXPECT_EQ(Splits({ a }), (TSplits { { a } }));
    EXPECT_EQ(Splits({ a, b }), (TSplits { { a, b }, { a + b } }));
    EXPECT_EQ(Splits({ a, b, c }),
        (TSplits { { a, b, c }, { a, b + c }, { b, a + c }, { c, a + b }, { a + b + c } }));
    const TSplits four { { a + d, b, c }, { a, b + d, c }, { a, b, c + d }, { a, b, c, d },
        { a + d, b + c }, { a, b + c + d }, { a, b + c, d }, { b + d, a + c }, { b, a + c + d },
        { b, a + c, d }, { c + d, a + b }, { c, a + b + d }, { c, a + b, d }, { a + b + c + d },
        { a + b + c, d } };
    EXPECT_EQ(Splits({ d, a, b, c }), four);
}

TEST(ReferenceSplits, FiveValuesExtendEachFourValueSplitInTurn)
{
    const int e = 16;
    const TSplits four = Splits({ 8, 1, 2, 4 });
    TSplits expected;
    for (const auto& split : four) {
        for (std::size_t g = 0; g < split.size(); ++g) {
            auto grown = split;
            grown[g] += e;
            expected.push_back(grown);
        }
        auto longer = split;
        longer.push_back(e);
        expected.push_back(longer);
    }
    EXPECT_EQ(Splits({ e, 8, 1, 2, 4 }), expected);
}

TEST(ReferenceSplits, CountsAreBellNumbersUpToTwelveValues)
{
    const std::vector<long long> bell { 1, 2, 5, 15, 52, 203, 877, 4140, 21147, 115975, 678570,
        4213597 };
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(CountSplits(n), bell[n - 1]) << n << " values";
    EXPECT_EQ(CountSplits(0), 0);
}

TEST(ReferenceSplits, EachAceDoublesTheValueRows)
{
    using TRows = std::vector<std::vector<int>>;
    EXPECT_EQ(ReferenceValueRows(std::vector<int> { 14, 3, 14 }),
        (TRows { { 1, 3, 1 }, { 11, 3, 1 }, { 1, 3, 11 }, { 11, 3, 11 } }));
    EXPECT_EQ(ReferenceValueRows(std::vector<int> { 5, 15, 6 }), (TRows { { 5 } }))
        << "a joker's 0 ends the row";
}
