#include "game/rules/capture_search.h"

#include "game/rules/capture_errors.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <memory_resource>
#include <stdexcept>
#include <vector>

namespace zaviko::rules {

namespace {

// Up to six cards, every subset is looked at once: whether it can form one
// group (its aces counted 1 each, plus 10 for each one counted 11), and then
// whether the groups can cover the set. A group always takes the first card
// left, so no split is tried twice.
constexpr int kSmallSet = 6;

bool Covers(std::uint64_t groups, unsigned left)
{
    if (left == 0) return true;
    const unsigned first = left & -left;
    const unsigned rest = left ^ first;
    for (unsigned others = rest;; others = (others - 1) & rest) {
        if ((groups >> (first | others)) & 1 && Covers(groups, rest ^ others)) return true;
        if (others == 0) return false;
    }
}

// Without aces a subset is a group when it adds up to the target.
bool SplitsSmallSetWithoutAces(std::span<const unsigned char> cardValues, int target)
{
    const unsigned all = (1u << cardValues.size()) - 1;
    std::array<std::uint8_t, 1u << kSmallSet> sum;
    sum[0] = 0;
    std::uint64_t groups = 0;
    for (unsigned mask = 1; mask <= all; ++mask) {
        sum[mask] = sum[mask & (mask - 1)] + CaptureSumValue(cardValues[std::countr_zero(mask)]);
        groups |= std::uint64_t { sum[mask] == target } << mask;
    }
    return Covers(groups, all);
}

bool SplitsSmallSet(std::span<const unsigned char> cardValues, int target)
{
    const unsigned all = (1u << cardValues.size()) - 1;
    std::array<std::uint8_t, 1u << kSmallSet> lowest, aces;
    lowest[0] = aces[0] = 0;
    std::uint64_t groups = 0;
    for (unsigned mask = 1; mask <= all; ++mask) {
        const int value = cardValues[std::countr_zero(mask)];
        const bool ace = value == kAceValue;
        const unsigned without = mask & (mask - 1);
        lowest[mask] = lowest[without] + (ace ? kAceAsOne : CaptureSumValue(value));
        aces[mask] = aces[without] + ace;
        const int extra = target - lowest[mask];
        if (extra >= 0 && extra % 10 == 0 && extra / 10 <= aces[mask])
            groups |= std::uint64_t { 1 } << mask;
    }
    return Covers(groups, all);
}

// The search state is how many cards of each sum value have been placed (aces
// split into those counted 1 and those counted 11). Groups are filled one
// after the other, so the fill of the open group is the placed sum modulo the
// target: the state alone decides whether the rest can still be placed, and a
// state that failed once is never searched again. Equal cards are
// interchangeable, which keeps the states few (at most a few thousand for a
// full table) where a split-by-split walk meets millions.
class TSplitSearch {
public:
    TSplitSearch(std::span<const unsigned char> cardValues, int aces, int target);
    bool Run() { return Search(); }

private:
    bool Search();
    bool Place(int kind);
    bool PlaceAce(bool asEleven);
    bool Seen();

    static constexpr int kMaxKinds = 12; // 2..10, 12, 13, 14
    static constexpr int kLocalWords = 64; // a full table without aces fits

    const int FTarget;
    int FKinds = 0;
    std::array<int, kMaxKinds> FValue, FLeft, FStride;
    int FAces, FAcesAsOne = 0, FAcesAsEleven = 0, FAceStride = 1;
    int FSum = 0, FRemaining, FIndex = 0;
    std::uint64_t* FSeen;
    std::array<std::uint64_t, kLocalWords> FLocalSeen;
    // Larger sets take their memory from the default resource.
    std::pmr::vector<std::uint64_t> FHeapSeen;
};

TSplitSearch::TSplitSearch(std::span<const unsigned char> cardValues, int aces, int target)
    : FTarget(target)
    , FAces(aces)
    , FRemaining(static_cast<int>(cardValues.size()))
{
    std::array<int, 15> perSum {};
    for (int value : cardValues)
        ++perSum[CaptureSumValue(value)];
    // Largest first: a group that opens with the largest card left is closed
    // or refused after few steps.
    std::int64_t states = 1;
    for (int sum = 14; sum >= 2; --sum) {
        if (perSum[sum] == 0) continue;
        FValue[FKinds] = sum;
        FLeft[FKinds] = perSum[sum];
        FStride[FKinds] = static_cast<int>(states);
        states *= perSum[sum] + 1;
        ++FKinds;
    }
    FAceStride = static_cast<int>(states);
    states *= (FAces + 1) * (FAces + 1);
    const auto words = static_cast<std::size_t>((states + 63) / 64);
    if (words <= kLocalWords) {
        FSeen = FLocalSeen.data();
        std::fill_n(FSeen, words, 0);
    } else {
        FHeapSeen.assign(words, 0);
        FSeen = FHeapSeen.data();
    }
}

bool TSplitSearch::Seen()
{
    const int index = FIndex + FAceStride * (FAcesAsOne * (FAces + 1) + FAcesAsEleven);
    std::uint64_t& word = FSeen[index / 64];
    const std::uint64_t bit = std::uint64_t { 1 } << (index % 64);
    const bool seen = word & bit;
    word |= bit;
    return seen;
}

bool TSplitSearch::Search()
{
    if (FRemaining == 0) return FSum % FTarget == 0;
    if (Seen()) return false;
    const int room = FTarget - FSum % FTarget;
    if (room == FTarget) {
        // Some group holds the largest card left, and groups may be formed in
        // any order: opening with that card loses no split.
        for (int kind = 0; kind < FKinds; ++kind)
            if (FLeft[kind] > 0) return Place(kind);
    } else {
        for (int kind = 0; kind < FKinds; ++kind)
            if (FLeft[kind] > 0 && FValue[kind] <= room && Place(kind)) return true;
    }
    if (FAcesAsOne + FAcesAsEleven == FAces) return false;
    return PlaceAce(false) || (room >= kAceAsEleven && PlaceAce(true));
}

bool TSplitSearch::Place(int kind)
{
    --FLeft[kind];
    --FRemaining;
    FSum += FValue[kind];
    FIndex += FStride[kind];
    const bool found = Search();
    FIndex -= FStride[kind];
    FSum -= FValue[kind];
    ++FRemaining;
    ++FLeft[kind];
    return found;
}

bool TSplitSearch::PlaceAce(bool asEleven)
{
    const int value = asEleven ? kAceAsEleven : kAceAsOne;
    int& counted = asEleven ? FAcesAsEleven : FAcesAsOne;
    ++counted;
    --FRemaining;
    FSum += value;
    const bool found = Search();
    FSum -= value;
    ++FRemaining;
    --counted;
    return found;
}

} // namespace

TCaptureValues::TCaptureValues(std::span<const int> cardValues)
{
    for (int value : cardValues)
        Add(value);
}

bool TCaptureValues::Search(int target) const
{
    // Most sets that get this far are one group: their total, for some count
    // of aces at 11, is the target itself.
    const int extra = target - FBase - FAces;
    if (extra >= 0 && extra % 10 == 0 && extra / 10 <= FAces) return true;
    const std::span<const unsigned char> values(FValues.data(), FCount);
    if (FCount <= kSmallSet)
        return FAces == 0 ? SplitsSmallSetWithoutAces(values, target)
                          : SplitsSmallSet(values, target);
    return TSplitSearch(values, FAces, target).Run();
}

bool TCaptureValues::TakenBy(int handValue) const
{
    if (FCount == 0) throw EInvalidPlay(kNoMarkedCardsText);
    if (FCount == 1) return TakesSingleCard(handValue, FValues[0]);
    return SplitsIntoGroupsOf(CaptureTarget(handValue));
}

bool SplitsIntoGroupsOf(std::span<const int> cardValues, int target)
{
    return TCaptureValues(cardValues).SplitsIntoGroupsOf(target);
}

bool CanTakeValues(int handValue, std::span<const int> tableValues)
{
    return TCaptureValues(tableValues).TakenBy(handValue);
}

} // namespace zaviko::rules
