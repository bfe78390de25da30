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

// A fixed seed fixes the whole run: Randomize (every match, every deck)
// keeps the sequence going instead of starting it again, and setting the
// same seed again repeats the run.
TEST(Random, FixedSeedRepeatsTheRunNotEachRandomize)
{
    const auto run = [] {
        std::vector<std::vector<int>> draws;
        for (int match = 0; match < 3; ++match) {
            Randomize();
            draws.emplace_back();
            for (int i = 0; i < 20; ++i)
                draws.back().push_back(Random(1000));
        }
        return draws;
    };
    FixRandomSeed(42);
    const std::vector<std::vector<int>> first = run();
    EXPECT_NE(first[0], first[1]);
    EXPECT_NE(first[1], first[2]);
    FixRandomSeed(42);
    EXPECT_EQ(run(), first);
    ReleaseRandomSeed();
}
