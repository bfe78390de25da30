#pragma once

#include "game/computer/computer_namespace.h"

#include "game/rules/capture_search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace zaviko::computer {

// The computer's candidate sets walked on plain card values: every set of one
// to five table positions, in the order of getAllPossibleCollections, without
// building any set. Positions are kept as an index array, so the table may
// hold any number of cards (two decks can leave far more than twelve).

// The most cards one computer candidate holds.
inline constexpr int kMaxCandidateCards = 5;

// One table card as the candidates need it.
struct TCandidateCard {
    TCandidateCard() = default;
    TCandidateCard(int cardValue, int cardPoints)
        : value(cardValue)
        , points(cardPoints)
        , sum(CaptureSumValue(cardValue))
        , ace(cardValue == kAceValue)
        , joker(sum == 0 && !ace)
    {
    }

    int value = 0; // card value 2..14, 15 for a joker
    int points = 0; // what it scores when taken
    // What the totals below add up, worked out once per card rather than
    // once for every set the card is in.
    int sum = 0;
    bool ace = false, joker = false;
};

// What the capture test can refuse a set by before splitting it: the total
// with every ace at 0, the aces, the largest sum value, whether a joker is in
// it; and the set's points.
struct TCandidateTotals {
    int base = 0, aces = 0, largest = 0, points = 0;
    bool joker = false;

    TCandidateTotals With(const TCandidateCard& card) const
    {
        return { base + card.sum, aces + card.ace, std::max(largest, card.sum),
            points + card.points, joker || card.joker };
    }
};

using TTargets = std::uint32_t; // bit t: the groups must add up to t

// Targets of hand cards run 2..14; a total decides which of them can take a
// set at all, so the tables below refuse most sets without a search.
inline constexpr int kLowestTarget = 2, kHighestTarget = 14;
inline constexpr int kTabledTotals = 128; // five cards add up to at most 70

constexpr TTargets DividingTargets(int total)
{
    TTargets targets = 0;
    for (int t = kLowestTarget; t <= kHighestTarget && total > 0; ++t)
        if (total % t == 0) targets |= TTargets { 1 } << t;
    return targets;
}

inline constexpr auto kDividing = [] {
    std::array<TTargets, kTabledTotals> table {};
    for (int total = 0; total < kTabledTotals; ++total)
        table[total] = DividingTargets(total);
    return table;
}();

// No group can hold a card larger than its target.
constexpr TTargets TargetsFrom(int largest)
{
    return ~TTargets { 0 } << largest;
}

// The targets a set of two or more cards may split into groups of: a whole
// number of groups for some choice of 1 or 11 per ace. A necessary condition
// only; TCaptureValues decides.
inline TTargets PossibleTargets(const TCandidateTotals& totals)
{
    if (totals.joker) return 0;
    TTargets targets = 0;
    int total = totals.base + totals.aces;
    for (int eleven = 0; eleven <= totals.aces; ++eleven, total += 10)
        targets |= total < kTabledTotals ? kDividing[total] : DividingTargets(total);
    return targets & TargetsFrom(totals.largest);
}

// One candidate while it is visited: valid only during the visit.
struct TCandidateSet {
    int size;
    const int* descending; // 0-based positions, the last position first
    const TCandidateTotals& totals;

    // The i-th card of the set in set order (ascending positions).
    int Position(int i) const { return descending[size - 1 - i]; }
};

// Visits the sets of `size` cards in ascending order of the binary number
// whose most significant bit is position 1: the smallest position of the set
// runs from the last it can hold down to the first, and for each of its
// places the next smallest does the same above it, and so on. Each level
// adds its card to the totals of the levels outside it, so every set costs
// one card's addition. visit(const TCandidateSet&) returns false to stop; so
// does the walk.
template <class Visit> class TCandidateWalk {
public:
    TCandidateWalk(std::span<const TCandidateCard> cards, int size, Visit& visit)
        : FCards(cards)
        , FSize(size)
        , FVisit(visit)
    {
    }

    bool Run() { return Level(FSize - 1); }

private:
    // Places positions[i], the (i+1)-th largest position of the set.
    bool Level(int i)
    {
        const int lowest = i + 1 < FSize ? FPositions[i + 1] + 1 : 0;
        for (int p = static_cast<int>(FCards.size()) - 1 - i; p >= lowest; --p) {
            FPositions[i] = p;
            FTotals[i] = FTotals[i + 1].With(FCards[p]);
            if (!(i == 0 ? FVisit(TCandidateSet { FSize, FPositions.data(), FTotals[0] })
                         : Level(i - 1)))
                return false;
        }
        return true;
    }

    std::span<const TCandidateCard> FCards;
    const int FSize;
    Visit& FVisit;
    std::array<int, kMaxCandidateCards> FPositions {};
    std::array<TCandidateTotals, kMaxCandidateCards + 1> FTotals {};
};

template <class Visit>
bool WalkCandidatesOfSize(std::span<const TCandidateCard> cards, int size, Visit& visit)
{
    return size < 1 || TCandidateWalk<Visit>(cards, size, visit).Run();
}

// Every candidate of the table: all single cards, then all pairs, and so on
// up to five cards. Returns false when the visit stopped the walk.
template <class Visit> bool WalkCandidates(std::span<const TCandidateCard> cards, Visit visit)
{
    const int largest = std::min(static_cast<int>(cards.size()), kMaxCandidateCards);
    for (int size = 1; size <= largest; ++size)
        if (!WalkCandidatesOfSize(cards, size, visit)) return false;
    return true;
}

} // namespace zaviko::computer
