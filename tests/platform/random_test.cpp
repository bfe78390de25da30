#include "platform/random.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>
#include <string>
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

// A generator whose mixed words are all zero draws only zeros, so a draw that
// redraws until it likes the value would never end: such a state is refused
// wherever it comes from, and a draw ends whatever the engine holds.
TEST(Random, AGeneratorOfZerosIsRefusedAndEveryDrawEnds)
{
    std::string zeros, lowBitsOnly;
    for (int i = 0; i < 312; ++i) {
        zeros += "0 ";
        lowBitsOnly += i == 0 ? "12345 " : "0 ";
    }
    zeros += "312";
    lowBitsOnly += "312";
    FixRandomSeed(3);
    const std::string before = RandomState();
    for (const std::string& dead : { zeros, lowBitsOnly }) {
        EXPECT_FALSE(IsRandomState(dead));
        EXPECT_FALSE(SetRandomState(dead));
        EXPECT_EQ(RandomState(), before);
        EXPECT_FALSE(RandomDrawsBetween(dead, dead, 10));
        EXPECT_EQ(AdvancedRandomState(dead, 1), "");
    }
    EXPECT_TRUE(IsRandomState(before));
    ReleaseRandomSeed();

    std::mt19937_64 dead;
    std::istringstream(zeros) >> dead;
    for (int n : { 1, 3, 10, 52, 1000 }) {
        const int r = RandomBelow(dead, n);
        EXPECT_GE(r, 0);
        EXPECT_LT(r, n);
    }
}

// Every seed keeps the draws it always gave: a saved match goes on as it
// would have, and a fixed seed still deals the decks its tests expect.
TEST(Random, DrawsAreThoseOfTheStandardDistribution)
{
    std::mt19937_64 ours(77), standard(77);
    for (int i = 0; i < 20000; ++i) {
        const int n = 1 + i % 997;
        ASSERT_EQ(RandomBelow(ours, n), std::uniform_int_distribution<int>(0, n - 1)(standard));
    }
    EXPECT_EQ(ours, standard);
}

// Each generator begins a sequence of the fixed seed at its first Reseed (the
// next generator a sequence of its own) and goes on with it, whatever the
// card library draws; the same seed repeats the run; a state resumes it.
TEST(Random, GeneratorsOfTheirOwnEachFollowTheFixedSeed)
{
    const auto draws = [](TRandomGenerator& generator) {
        std::vector<int> out;
        for (int i = 0; i < 8; ++i)
            out.push_back(generator.Below(1000));
        return out;
    };
    const auto run = [&](int libraryDraws) {
        FixRandomSeed(9);
        TRandomGenerator a;
        TRandomGenerator b;
        a.Reseed();
        std::vector<std::vector<int>> out { draws(a) };
        for (int i = 0; i < libraryDraws; ++i)
            Random(52);
        b.Reseed();
        out.push_back(draws(b));
        a.Reseed();
        out.push_back(draws(a));
        return out;
    };
    const std::vector<std::vector<int>> first = run(0);
    EXPECT_NE(first[1], first[0]) << "two matches of a run differ";
    EXPECT_NE(first[2], first[0]) << "a second Reseed keeps the sequence going";
    EXPECT_EQ(run(5), first) << "the card library's draws are not the generators'";

    TRandomGenerator a;
    a.Reseed();
    const std::string state = a.State();
    const std::vector<int> next = draws(a);
    TRandomGenerator b;
    ASSERT_TRUE(b.SetState(state));
    EXPECT_EQ(draws(b), next);
    EXPECT_FALSE(b.SetState("7 8 9"));
    EXPECT_EQ(b.State(), a.State()) << "a refused state leaves the generator as it was";
    ReleaseRandomSeed();
}
