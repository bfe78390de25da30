#include "game/capture_search.h"

#include "game/capture_errors.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory_resource>
#include <stdexcept>
#include <vector>

namespace {

// Sum values of the cards that are not aces: 2..10, 12, 13, 14.
constexpr int kMaxKinds = 12;

// The search state is how many cards of each value have been placed (aces
// split into those counted 1 and those counted 11), taken in order of
// ascending sum. Groups are filled one after the other, so the fill of the
// open group is the placed sum modulo the target: the state alone decides
// whether the rest can still be placed, and a state that failed once is never
// searched again. Equal cards are interchangeable, which keeps the states few
// (a few thousand for a full table) where a split-by-split walk meets millions.
class TSplitSearch {
public:
    TSplitSearch(std::span<const int> cardValues, int target);
    bool Run();

private:
    bool TotalCanMatch() const;
    bool Search();
    bool Place(int kind);
    bool PlaceAce(bool asEleven);
    bool Seen();

    int FTarget;
    int FKinds = 0;
    std::array<int, kMaxKinds> FValue {}, FLeft {}, FStride {};
    int FAces = 0, FAcesAsOne = 0, FAcesAsEleven = 0, FAceStride = 1;
    int FSum = 0, FBase = 0, FRemaining = 0, FIndex = 0;
    bool FBlocked = false;
    std::pmr::vector<std::uint64_t> FSeen;
};

TSplitSearch::TSplitSearch(std::span<const int> cardValues, int target)
    : FTarget(target)
{
    std::array<int, 15> perSum {};
    for (int value : cardValues) {
        if (value == kAceValue)
            ++FAces;
        else if (value == kJokerValue || value < 2 || value > kAceValue)
            FBlocked = true;
        else
            ++perSum[CaptureSumValue(value)];
        FBase += value == kAceValue ? 0 : CaptureSumValue(value);
    }
    // Largest first: a group that opens with the largest card left is closed
    // or refused after few steps.
    for (int sum = 14; sum >= 2; --sum) {
        if (perSum[sum] == 0) continue;
        FValue[FKinds] = sum;
        FLeft[FKinds] = perSum[sum];
        ++FKinds;
    }
    FRemaining = static_cast<int>(cardValues.size());
}

bool TSplitSearch::TotalCanMatch() const
{
    // Every ace adds 1, and 10 more for each one counted 11.
    for (int eleven = 0; eleven <= FAces; ++eleven)
        if ((FBase + FAces + 10 * eleven) % FTarget == 0) return true;
    return false;
}

bool TSplitSearch::Run()
{
    if (FBlocked || FRemaining == 0 || FTarget < 1 || !TotalCanMatch()) return false;
    if (FKinds > 0 && FValue[0] > FTarget) return false;
    std::int64_t states = 1;
    for (int kind = 0; kind < FKinds; ++kind) {
        FStride[kind] = static_cast<int>(states);
        states *= FLeft[kind] + 1;
    }
    FAceStride = static_cast<int>(states);
    states *= (FAces + 1) * (FAces + 1);
    FSeen.assign(static_cast<std::size_t>((states + 63) / 64), 0);
    return Search();
}

bool TSplitSearch::Seen()
{
    const int index = FIndex + FAceStride * (FAcesAsOne * (FAces + 1) + FAcesAsEleven);
    std::uint64_t& word = FSeen[static_cast<std::size_t>(index) / 64];
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
        return PlaceAce(false) || (room >= kAceAsEleven && PlaceAce(true));
    }
    for (int kind = 0; kind < FKinds; ++kind)
        if (FLeft[kind] > 0 && FValue[kind] <= room && Place(kind)) return true;
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

int CaptureSumValue(int cardValue)
{
    if (cardValue >= 11 && cardValue <= 13) return cardValue + 1;
    if (cardValue >= 2 && cardValue <= 10) return cardValue;
    return 0;
}

bool SplitsIntoGroupsOf(std::span<const int> cardValues, int target)
{
    if (cardValues.size() > kMaxCaptureCards)
        throw std::length_error("A capture set holds at most 21 cards");
    return TSplitSearch(cardValues, target).Run();
}

int CaptureTarget(int handValue)
{
    return handValue == kAceValue ? kAceAsEleven : CaptureSumValue(handValue);
}

bool TakesSingleCard(int handValue, int tableValue)
{
    return handValue != kJokerValue && tableValue != kJokerValue
        && CaptureSumValue(handValue) == CaptureSumValue(tableValue);
}

bool CanTakeValues(int handValue, std::span<const int> tableValues)
{
    if (tableValues.empty()) throw EInvalidPlay(kNoMarkedCardsText);
    if (tableValues.size() == 1) return TakesSingleCard(handValue, tableValues[0]);
    return SplitsIntoGroupsOf(tableValues, CaptureTarget(handValue));
}
