#pragma once

#include "game/rules/rules_namespace.h"

#include "cards/ids/card_ids.h"

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace zaviko::rules {

// The capture rule on plain card values (2..10, jack 11, queen 12, king 13,
// ace 14, joker 15), so that the rule can be decided without any card object.

inline constexpr int kAceValue = 14;
inline constexpr int kAceAsOne = 1;
inline constexpr int kAceAsEleven = 11;

// The most cards one capture set can hold.
inline constexpr int kMaxCaptureCards = 21;

// A card's worth when table cards are added up: court cards count one more than
// their value; an ace gives 0 because it never adds a fixed amount (it counts 1
// or 11 inside a group); so does a joker.
constexpr int CaptureSumValue(int cardValue)
{
    constexpr std::array<int, 16> sums { 0, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14, 0, 0 };
    return cardValue >= 0 && cardValue <= kJokerValue ? sums[cardValue] : 0;
}

// What a hand card's groups must add up to when it takes two or more table
// cards: its sum value, or 11 for an ace. A joker's 0 is never reached.
constexpr int CaptureTarget(int handValue)
{
    return handValue == kAceValue ? kAceAsEleven : CaptureSumValue(handValue);
}

// Whether a hand card takes one lone table card: by equal sum value, so a lone
// ace only by an ace. A joker shares the ace's 0 but takes and is taken by
// nothing.
constexpr bool TakesSingleCard(int handValue, int tableValue)
{
    const auto dealt = [](int value) { return value >= 2 && value <= kAceValue; };
    return dealt(handValue) && dealt(tableValue)
        && CaptureSumValue(handValue) == CaptureSumValue(tableValue);
}

// A set of table cards reduced to what the rule needs: the values, their
// total with every ace at 0, the aces and the largest sum value. Several hand
// cards can then be tested against one set while its cards are read once.
class TCaptureValues {
public:
    TCaptureValues() = default;
    explicit TCaptureValues(std::span<const int> cardValues);

    // Throws std::length_error past kMaxCaptureCards cards.
    void Add(int cardValue)
    {
        if (FCount == kMaxCaptureCards)
            throw std::length_error("A capture set holds at most 21 cards");
        const int sum = CaptureSumValue(cardValue);
        // Anything that is no dealt card takes part like a joker: in nothing.
        const bool dealt = cardValue >= 2 && cardValue <= kAceValue;
        FValues[FCount++] = static_cast<unsigned char>(dealt ? cardValue : kJokerValue);
        FAces += cardValue == kAceValue;
        FJoker |= sum == 0 && cardValue != kAceValue;
        FBase += sum;
        FLargest = sum > FLargest ? sum : FLargest;
    }
    int Count() const { return FCount; }

    // Whether the cards can be split into groups that each add up to target,
    // for some choice of 1 or 11 for every ace among them. Every card must
    // belong to a group. A joker belongs to no group, so a set holding one is
    // never split.
    bool SplitsIntoGroupsOf(int target) const
    {
        if (FCount == 0 || FJoker || target < 1 || FLargest > target || !TotalCanMatch(target))
            return false;
        return Search(target);
    }

    // Whether a card of handValue played from the hand takes exactly these
    // cards: a single card by TakesSingleCard, two or more by splitting into
    // groups of CaptureTarget. Throws EInvalidPlay when the set is empty.
    bool TakenBy(int handValue) const;

private:
    // Whether some choice of 1 or 11 per ace makes the total a whole number
    // of groups: refuses most sets before any search, so it stays inline.
    bool TotalCanMatch(int target) const
    {
        const std::uint64_t inverse = DivisorInverse(static_cast<std::uint64_t>(target));
        auto total = static_cast<std::uint64_t>(FBase + FAces);
        for (int eleven = 0; eleven <= FAces; ++eleven, total += 10)
            if (total * inverse <= inverse - 1) return true;
        return false;
    }

    // n % d == 0 exactly when n * DivisorInverse(d) wraps to below
    // DivisorInverse(d), for n below 2^32; targets are looked up, not divided.
    static constexpr std::uint64_t DivisorInverse(std::uint64_t d)
    {
        constexpr auto inverse
            = [](std::uint64_t divisor) { return ~std::uint64_t { 0 } / divisor + 1; };
        constexpr std::array<std::uint64_t, 16> table = [&] {
            std::array<std::uint64_t, 16> inverses {};
            for (std::uint64_t i = 1; i < inverses.size(); ++i)
                inverses[i] = inverse(i);
            return inverses;
        }();
        return d < table.size() ? table[d] : inverse(d);
    }

    bool Search(int target) const;

    // Bytes, so that the slots past Count() may stay unset even when copied.
    std::array<unsigned char, kMaxCaptureCards> FValues;
    int FCount = 0, FAces = 0, FBase = 0, FLargest = 0;
    bool FJoker = false;
};

// TCaptureValues' answers for a set given as one list of card values.
bool SplitsIntoGroupsOf(std::span<const int> cardValues, int target);
bool CanTakeValues(int handValue, std::span<const int> tableValues);

} // namespace zaviko::rules
