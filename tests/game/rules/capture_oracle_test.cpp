#include "game/rules/capture_search.h"
#include "tests/support/reference_splits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr int kAce = 14;

struct TTally {
    int taken = 0, refused = 0, mostAces = 0;
};

// Compares ours with the reference for one set against the given hand values.
void Compare(const std::vector<int>& table, const std::vector<int>& hands, TTally& tally)
{
    const auto aces = static_cast<int>(std::count(table.begin(), table.end(), kAce));
    tally.mostAces = std::max(tally.mostAces, aces);
    for (int hand : hands) {
        const bool expected = ReferenceCanTake(hand, table);
        ASSERT_EQ(CanTakeValues(hand, table), expected)
            << hand << " against " << testing::PrintToString(table);
        ++(expected ? tally.taken : tally.refused);
    }
}

// Every multiset of size values, as non-decreasing card values 2..14.
template <class Visit>
void ForEachMultiset(std::vector<int>& values, int size, int lowest, Visit visit)
{
    if (static_cast<int>(values.size()) == size) {
        visit(values);
        return;
    }
    for (int v = lowest; v <= kAce; ++v) {
        values.push_back(v);
        ForEachMultiset(values, size, v, visit);
        values.pop_back();
    }
}

// The card worth exactly worth (1..14) inside a group: an ace for 1 and 11.
int CardWorth(int worth)
{
    if (worth == 1 || worth == 11) return kAce;
    return worth >= 12 ? worth - 1 : worth;
}

// Random card values with at most maxAces aces.
struct TSetMaker {
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    std::vector<int> Random(int size, int maxAces)
    {
        std::vector<int> set(Uniform(0, std::min(size, maxAces)), kAce);
        while (static_cast<int>(set.size()) < size)
            set.push_back(Uniform(2, 13));
        std::shuffle(set.begin(), set.end(), rng);
        return set;
    }

    // Random cards in groups that each add up to target, the last card of a
    // group closing it, until there are at least lo cards; empty when that
    // overshoots hi or takes too many aces.
    std::vector<int> Splittable(int target, int lo, int hi, int maxAces)
    {
        std::vector<int> set;
        for (int left = target; left != target || static_cast<int>(set.size()) < lo;) {
            int card = Uniform(2, kAce);
            int worth = card != kAce ? CaptureSumValue(card) : left >= 11 && Uniform(0, 1) ? 11 : 1;
            if (worth > left) { // the card that closes the group
                card = CardWorth(left);
                worth = left;
            }
            set.push_back(card);
            left = left == worth ? target : left - worth;
        }
        if (static_cast<int>(set.size()) > hi || std::count(set.begin(), set.end(), kAce) > maxAces)
            return {};
        std::shuffle(set.begin(), set.end(), rng);
        return set;
    }

    std::mt19937 rng;
};

// Sets of sizes lo..hi: a third splittable, a third one card off, a third random.
void CompareRandomSets(unsigned seed, int count, int lo, int hi, int maxAces, TTally& tally)
{
    TSetMaker maker { std::mt19937(seed) };
    for (int i = 0; i < count; ++i) {
        const int target = maker.Uniform(2, 14);
        std::vector<int> set;
        while (set.empty())
            set = i % 3 == 2 ? maker.Random(maker.Uniform(lo, hi), maxAces)
                             : maker.Splittable(target, lo, hi, maxAces);
        if (i % 3 == 1) // one card swapped for another value: mostly a near miss
            set[maker.Uniform(0, static_cast<int>(set.size()) - 1)] = maker.Uniform(2, kAce);
        Compare(set, { CardWorth(target), maker.Uniform(2, kAce) }, tally);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

} // namespace

TEST(CaptureOracle, EveryMultisetOfUpToFiveTableValuesAgainstEveryHandValue)
{
    TTally tally;
    int sets = 0;
    std::vector<int> hands(13);
    std::iota(hands.begin(), hands.end(), 2);
    for (int size = 1; size <= 5; ++size) {
        std::vector<int> values;
        ForEachMultiset(values, size, 2, [&](const std::vector<int>& set) {
            ++sets;
            Compare(set, hands, tally);
        });
        ASSERT_FALSE(HasFatalFailure());
    }
    EXPECT_EQ(sets, 13 + 91 + 455 + 1820 + 6188);
    EXPECT_GT(tally.taken, 1000);
}

TEST(CaptureOracle, SeededRandomSetsOfSixToNineCardsWithUpToEightAces)
{
    TTally tally;
    CompareRandomSets(20261207, 3000, 6, 9, 8, tally);
    EXPECT_GT(tally.taken, 1000);
    EXPECT_GT(tally.refused, 1000);
    EXPECT_EQ(tally.mostAces, 8);
}

TEST(CaptureOracle, SeededRandomSetsOfTenToTwelveCards)
{
    TTally tally;
    CompareRandomSets(1207, 36, 10, 12, 2, tally);
    EXPECT_GT(tally.taken, 10);
    EXPECT_GT(tally.refused, 10);
}
