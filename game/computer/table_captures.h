#pragma once

#include "game/computer/computer_namespace.h"

#include "game/computer/candidate_walk.h"
#include "game/rules/capture_search.h"

#include <bit>
#include <span>

namespace zaviko::computer {

// The captures a table offers, by target: a hand card of value v takes a set
// when the set splits into groups of CaptureTarget(v) (a lone card by equal
// value). Targets 2..14 name the card values one to one (11 is the ace, 12 to
// 14 jack to king), so a mask of targets is a mask of the values that take.

// The card value whose captures aim at target t.
constexpr int ValueOfTarget(int t)
{
    return t == kAceAsEleven ? kAceValue : t > kAceAsEleven ? t - 1 : t;
}

// The targets that might take the set, before any split is searched.
inline TTargets CandidateTargets(std::span<const TCandidateCard> cards, const TCandidateSet& set)
{
    if (set.size > 1) return PossibleTargets(set.totals);
    const int value = cards[set.Position(0)].value;
    return value >= 2 && value <= kAceValue ? TTargets { 1 } << CaptureTarget(value) : 0;
}

// The totals the set adds up to as one group, for each count of its aces at
// 11, as targets.
inline TTargets WholeTotals(const TCandidateTotals& totals)
{
    TTargets targets = 0;
    for (int eleven = 0, total = totals.base + totals.aces;
         eleven <= totals.aces && total <= kHighestTarget; ++eleven, total += 10)
        targets |= TTargets { 1 } << total;
    return targets;
}

// The targets among `wanted` that take exactly the set.
inline TTargets TakingTargets(
    std::span<const TCandidateCard> cards, const TCandidateSet& set, TTargets wanted)
{
    wanted &= CandidateTargets(cards, set);
    if (set.size == 1 || wanted == 0) return wanted;
    // A set whose total is the target is one group and needs no search.
    TTargets taking = wanted & WholeTotals(set.totals);
    wanted &= ~taking;
    if (wanted == 0) return taking;
    TCaptureValues values;
    for (int i = 0; i < set.size; ++i)
        values.Add(cards[set.Position(i)].value);
    for (; wanted != 0; wanted &= wanted - 1) {
        const int t = std::countr_zero(wanted);
        if (values.SplitsIntoGroupsOf(t)) taking |= TTargets { 1 } << t;
    }
    return taking;
}

// Visits every set of one to five cards, then the whole table when it holds
// six to kMaxCaptureCards cards (a clear the five-card walk cannot see); with
// `largestFirst` the whole table and then the sets from five cards down, so a
// search for the richest capture meets rich sets early. wanted(set) names the
// targets worth a search for the set; visit(set, taking) is called for a set
// some of them take.
template <class Wanted, class Visit>
void ForEachTableCapture(
    std::span<const TCandidateCard> cards, Wanted wanted, Visit visit, bool largestFirst = false)
{
    const auto test = [&](const TCandidateSet& set) {
        const TTargets want = wanted(set);
        if (want == 0) return true;
        const TTargets taking = TakingTargets(cards, set, want);
        if (taking != 0) visit(set, taking);
        return true;
    };
    const int n = int(cards.size());
    const auto wholeTable = [&] {
        if (n <= kMaxCandidateCards || n > kMaxCaptureCards) return;
        std::array<int, kMaxCaptureCards> descending {};
        TCandidateTotals totals;
        for (int i = 0; i < n; ++i) {
            descending[i] = n - 1 - i;
            totals = totals.With(cards[i]);
        }
        test(TCandidateSet { n, descending.data(), totals });
    };
    const int largest = std::min(n, kMaxCandidateCards);
    if (largestFirst) {
        wholeTable();
        for (int size = largest; size >= 1; --size)
            WalkCandidatesOfSize(cards, size, test);
        return;
    }
    for (int size = 1; size <= largest; ++size)
        WalkCandidatesOfSize(cards, size, test);
    wholeTable();
}

} // namespace zaviko::computer
