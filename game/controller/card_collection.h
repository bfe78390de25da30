#pragma once

#include "game/rules/capture_search.h"

#include <array>
#include <cstdint>
#include <memory_resource>
#include <span>
#include <stdexcept>
#include <vector>

class TZuSingleCard;

// A set of table cards that a hand card may take: the cards the human has
// marked, or one candidate of the computer. It refers to cards of the table's
// piles and never owns them.
class TCardCollection {
public:
    // Throws std::length_error past kMaxCaptureCards cards.
    void Add(TZuSingleCard& card)
    {
        if (count == kMaxCaptureCards)
            throw std::length_error("A capture set holds at most 21 cards");
        cards[count++] = &card;
    }
    // Takes the card out, keeping the order of the rest; a card not in the set
    // is ignored.
    void Remove(const TZuSingleCard& card);
    void Clear();
    int Count() const { return count; }
    // The card (its ID) at a 0-based index; std::out_of_range outside the set.
    TZuSingleCard& Card(int index) const;
    int CardID(int index) const;

    // Whether handCard takes exactly this set; EInvalidPlay when it is empty.
    bool CanTake(const TZuSingleCard& handCard) const;
    // Whether the set splits into groups that each add up to target. A failure
    // inside the search is reported to the player and answers false.
    bool SubSumsMatch(int target) const;

    // The set's card values, read once so that several hand cards can be
    // tested against them without reading the cards again.
    TCaptureValues Values() const;
    // values.SplitsIntoGroupsOf(target), with a failure inside the search
    // reported to the player and answered as no, as SubSumsMatch does.
    static bool Matches(const TCaptureValues& values, int target);

private:
    std::array<TZuSingleCard*, kMaxCaptureCards> cards {};
    int count = 0;
};

// The allocator lets a caller decide where a long candidate list lives.
using TCardCollections = std::pmr::vector<TCardCollection>;
