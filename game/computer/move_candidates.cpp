#include "game/computer/move_candidates.h"

#include "game/rules/card_points.h"
#include "game/computer/reply_estimate.h"
#include "game/computer/table_captures.h"

#include <algorithm>
#include <numeric>

namespace zaviko::computer {

bool FirstOfItsKind(const THand& hand, int slot)
{
    for (int s = 0; s < slot; ++s)
        if (hand[s] != kNoCard && CardValue(hand[s]) == CardValue(hand[slot])
            && CardPoints(hand[s]) == CardPoints(hand[slot]))
            return false;
    return true;
}

bool SameMove(const TComputerChoice& a, const TComputerChoice& b)
{
    return a.capture == b.capture && a.handSlot == b.handSlot
        && a.tablePositions == b.tablePositions;
}

std::vector<TMoveCandidate> MoveCandidates(const TSeatKnowledge& k)
{
    std::vector<TCandidateCard> table;
    for (int id : k.table)
        table.push_back({ CardValue(id), CardPoints(id) });
    TTargets aims = 0;
    for (int id : k.hand)
        if (id != kNoCard) aims |= TTargets { 1 } << CaptureTarget(CardValue(id));
    const double race = RaceWeight(k, k.seat);
    std::vector<TMoveCandidate> candidates;
    ForEachTableCapture(
        table, [&](const TCandidateSet&) { return aims; },
        [&](const TCandidateSet& set, TTargets taking) {
            for (int s = 0; s < kHandSlots; ++s) {
                const int id = k.hand[s];
                if (id == kNoCard || !(taking >> CaptureTarget(CardValue(id)) & 1)
                    || !FirstOfItsKind(k.hand, s))
                    continue;
                TMoveCandidate c;
                c.choice.capture = true;
                c.choice.handSlot = s;
                for (int i = 0; i < set.size; ++i)
                    c.choice.tablePositions.push_back(set.Position(i));
                c.gain = CaptureGain(set.totals.points + CardPoints(id), set.size + 1,
                    set.size == int(table.size()), race);
                candidates.push_back(std::move(c));
            }
        });
    for (int s = 0; s < kHandSlots; ++s)
        if (k.hand[s] != kNoCard && FirstOfItsKind(k.hand, s)) {
            TMoveCandidate c;
            c.choice.handSlot = s;
            candidates.push_back(std::move(c));
        }
    return candidates;
}

std::vector<TMoveCandidate> StrongestCandidates(
    std::vector<TMoveCandidate> candidates, const TComputerChoice& keep, int most)
{
    if (int(candidates.size()) <= most) return candidates;
    std::vector<int> order(candidates.size());
    std::iota(order.begin(), order.end(), 0);
    // The kept move first, then captures by gain, then lay-downs; equal ones
    // in candidate order.
    const auto rank = [&](int i) {
        const TMoveCandidate& c = candidates[i];
        return SameMove(c.choice, keep) ? 1e9 : c.choice.capture ? 1e6 + c.gain : 0.0;
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return rank(a) > rank(b); });
    order.resize(std::max(most, 1));
    std::sort(order.begin(), order.end());
    std::vector<TMoveCandidate> strongest;
    for (int i : order)
        strongest.push_back(std::move(candidates[i]));
    return strongest;
}

} // namespace zaviko::computer
