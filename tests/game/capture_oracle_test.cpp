#include "game/capture_search.h"
#include "tests/support/reference_splits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kAce = 14;

std::string Describe(int hand, const std::vector<int>& table)
{
    std::ostringstream out;
    out << hand << " against {";
    for (int v : table)
        out << ' ' << v;
    out << " }";
    return out.str();
}

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
        ASSERT_EQ(CanTakeValues(hand, table), expected) << Describe(hand, table);
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

int HandForTarget(int target)
{
    if (target == 11) return kAce;
    return target >= 12 ? target - 1 : target;
}

// Random card values in which no value appears more often than two decks hold.
class TSetMaker {
public:
    explicit TSetMaker(unsigned seed)
        : FRng(seed)
    {
    }

    int Target() { return std::uniform_int_distribution<int>(2, 14)(FRng); }
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(FRng); }

    std::vector<int> Random(int size, int maxAces)
    {
        const int aces = Uniform(0, std::min(size, maxAces));
        std::vector<int> set(aces, kAce);
        while (static_cast<int>(set.size()) < size)
            set.push_back(Uniform(2, 13));
        std::shuffle(set.begin(), set.end(), FRng);
        return set;
    }

    // Groups that each add up to target, drawn until the set has a size in
    // [lo, hi]; empty when it overshoots.
    std::vector<int> Splittable(int target, int lo, int hi, int maxAces)
    {
        std::vector<int> set;
        while (static_cast<int>(set.size()) < lo)
            AddGroup(set, target, maxAces);
        if (static_cast<int>(set.size()) > hi) return {};
        std::shuffle(set.begin(), set.end(), FRng);
        return set;
    }

    // One card swapped for another value: mostly a near miss.
    std::vector<int> Perturbed(std::vector<int> set)
    {
        set[Uniform(0, static_cast<int>(set.size()) - 1)] = Uniform(2, kAce);
        return set;
    }

private:
    void AddGroup(std::vector<int>& set, int target, int maxAces)
    {
        int left = target;
        while (left > 0) {
            const int aces = static_cast<int>(std::count(set.begin(), set.end(), kAce));
            const bool ace = aces < maxAces && Uniform(0, 3) == 0;
            if (ace && left >= 11 && Uniform(0, 1) == 0) {
                set.push_back(kAce);
                left -= 11;
            } else if (ace) {
                set.push_back(kAce);
                left -= 1;
            } else if (left >= 2) {
                const int sum = std::min(left, Uniform(2, 14));
                if (sum == 11) continue; // no card sums to 11 but an ace
                set.push_back(sum >= 12 ? sum - 1 : sum);
                left -= sum;
            } else {
                set.push_back(kAce);
                left -= 1;
            }
        }
    }

    std::mt19937 FRng;
};

// Sets of sizes lo..hi: a third splittable, a third one card off, a third random.
void CompareRandomSets(unsigned seed, int count, int lo, int hi, int maxAces, TTally& tally)
{
    TSetMaker maker(seed);
    for (int i = 0; i < count; ++i) {
        const int target = maker.Target();
        std::vector<int> set;
        while (set.empty())
            set = i % 3 == 2 ? maker.Random(maker.Uniform(lo, hi), maxAces)
                             : maker.Splittable(target, lo, hi, maxAces);
        if (i % 3 == 1) set = maker.Perturbed(set);
        Compare(set, { HandForTarget(target), maker.Uniform(2, kAce) }, tally);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

std::vector<int> EveryHandValue()
{
    std::vector<int> hands;
    for (int v = 2; v <= kAce; ++v)
        hands.push_back(v);
    return hands;
}

} // namespace

TEST(CaptureOracle, EveryMultisetOfUpToFiveTableValuesAgainstEveryHandValue)
{
    TTally tally;
    int sets = 0;
    const std::vector<int> hands = EveryHandValue();
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
