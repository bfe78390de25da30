#include "platform/random.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

TEST(Random, StaysInRangeAndCoversIt)
{
    FixRandomSeed(1);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int r = Random(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
        seen.insert(r);
    }
    EXPECT_EQ(seen.size(), 7u);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-3), 0);
    ReleaseRandomSeed();
}

TEST(Random, FixedSeedRepeatsAfterRandomize)
{
    FixRandomSeed(42);
    Randomize();
    std::vector<int> first;
    for (int i = 0; i < 20; ++i)
        first.push_back(Random(1000));
    Randomize();
    std::vector<int> second;
    for (int i = 0; i < 20; ++i)
        second.push_back(Random(1000));
    EXPECT_EQ(first, second);
    ReleaseRandomSeed();
}
