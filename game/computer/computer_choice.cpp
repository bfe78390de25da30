#include "game/computer/computer_choice.h"

#include "game/computer/candidate_walk.h"
#include "game/computer/table_captures.h"
#include "game/rules/capture_search.h"
#include "game/rules/card_points.h"

#include <array>
#include <bit>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace zaviko::computer {

namespace {

using TSlots = std::uint32_t; // bit s: hand slot s
constexpr int kMaxHandSlots = 32;

// The hand, read once per decision.
struct THand {
    explicit THand(std::span<const int> ids);

    int slots;
    TSlots filled = 0;
    // Set for the first `slots` entries only, not zeroed whole: this choice
    // is made in every move of every playout of the search.
    std::array<int, kMaxHandSlots> value, points, target;
    std::array<TSlots, kHighestTarget + 1> byTarget {}; // the slots aiming at each target
    TTargets targets = 0;
};

THand::THand(std::span<const int> ids)
    : slots(static_cast<int>(ids.size()))
{
    if (slots > kMaxHandSlots) throw std::length_error("A hand has at most 32 slots");
    for (int s = 0; s < slots; ++s) {
        value[s] = points[s] = target[s] = 0;
        if (ids[s] == 0) continue;
        filled |= TSlots { 1 } << s;
        value[s] = CardValue(ids[s]);
        points[s] = CardPoints(ids[s]);
        target[s] = CaptureTarget(value[s]);
        byTarget[target[s]] |= TSlots { 1 } << s;
        targets |= TTargets { 1 } << target[s];
    }
}

// Calls f(slot) for every slot of the mask, lowest first.
template <class F> void ForEachSlot(TSlots slots, F f)
{
    for (; slots != 0; slots &= slots - 1)
        f(std::countr_zero(slots));
}

// The slots whose card aims at one of the targets.
TSlots SlotsAiming(const THand& hand, TTargets targets)
{
    TSlots slots = 0;
    for (; targets != 0; targets &= targets - 1)
        slots |= hand.byTarget[std::countr_zero(targets)];
    return slots;
}

// The slots whose card may take the set, before any split is tried.
TSlots PossibleSlots(
    const THand& hand, std::span<const TCandidateCard> cards, const TCandidateSet& set)
{
    return SlotsAiming(hand, CandidateTargets(cards, set) & hand.targets);
}

// The slots among `slots` whose card takes exactly the set, by the rule of
// TCardCollection::CanTake; each target is searched once for all its slots.
TSlots TakingSlots(const THand& hand, std::span<const TCandidateCard> cards,
    const TCandidateSet& set, TSlots slots)
{
    TTargets wanted = 0;
    ForEachSlot(slots, [&](int s) { wanted |= TTargets { 1 } << hand.target[s]; });
    return SlotsAiming(hand, TakingTargets(cards, set, wanted)) & slots;
}

void Capture(TComputerChoice& choice, int slot, const TCandidateSet& set)
{
    choice.capture = true;
    choice.handSlot = slot;
    choice.tablePositions.resize(set.size);
    for (int i = 0; i < set.size; ++i)
        choice.tablePositions[i] = set.Position(i);
}

// "Prosecno": the lowest slot that takes anything, with the first set it
// takes. Each later set only matters to slots below the one found so far.
TComputerChoice FirstCapture(const THand& hand, std::span<const TCandidateCard> cards)
{
    TComputerChoice choice;
    const int lowest = std::countr_zero(hand.filled);
    int found = kMaxHandSlots;
    WalkCandidates(cards, [&](const TCandidateSet& set) {
        const TSlots below = found == kMaxHandSlots ? ~TSlots { 0 } : (TSlots { 1 } << found) - 1;
        const TSlots slots = PossibleSlots(hand, cards, set) & below;
        if (slots == 0) return true;
        const TSlots taking = TakingSlots(hand, cards, set, slots);
        if (taking == 0) return true;
        found = std::countr_zero(taking);
        Capture(choice, found, set);
        return found != lowest;
    });
    return choice;
}

// "Pametno" and "Glupo": met in slot order and set order, a capture replaces
// the choice when its points are at least the best so far, so the winner is
// the greatest (points, slot, set). Sets are walked once for all slots; a
// slot that could not replace the choice is never searched.
TComputerChoice RichestCapture(const THand& hand, std::span<const TCandidateCard> cards)
{
    TComputerChoice choice;
    int best = -1, bestSlot = -1;
    const auto replaces = [&](int points, int slot) {
        return points > best || (points == best && slot >= bestSlot);
    };
    WalkCandidates(cards, [&](const TCandidateSet& set) {
        TSlots useful = 0;
        ForEachSlot(PossibleSlots(hand, cards, set), [&](int s) {
            if (replaces(set.totals.points + hand.points[s], s)) useful |= TSlots { 1 } << s;
        });
        if (useful == 0) return true;
        ForEachSlot(TakingSlots(hand, cards, set, useful), [&](int s) {
            const int points = set.totals.points + hand.points[s];
            if (!replaces(points, s)) return;
            best = points;
            bestSlot = s;
            Capture(choice, s, set);
        });
        return true;
    });
    return choice;
}

int FirstCard(const THand& hand)
{
    return hand.filled == 0 ? -1 : std::countr_zero(hand.filled);
}

// The lowest value (an ace counts 14), the first slot on a tie.
int LowestCard(const THand& hand)
{
    int slot = -1, lowest = kAceValue + 1;
    ForEachSlot(hand.filled, [&](int s) {
        if (hand.value[s] < lowest) {
            lowest = hand.value[s];
            slot = s;
        }
    });
    return slot;
}

} // namespace

TComputerChoice ChooseComputerMove(
    std::span<const int> handIds, std::span<const int> tableIds, int compPlays, int r)
{
    const THand hand(handIds);
    TComputerChoice choice;
    if (compPlays == csGlupo && r == 0) {
        choice.blind = true;
        choice.handSlot = FirstCard(hand);
        return choice;
    }
    // A joker, or a table card above every target of the hand, is in no set
    // the hand takes, so the walk leaves it out: the other sets keep their
    // order (positions keep theirs), and the chosen set's positions are
    // mapped back to the table's. A hand without a king leaves out the
    // kings, and every set that holds one. The buffers are the thread's own:
    // this runs in every move of every playout of the search.
    thread_local std::vector<TCandidateCard> cards;
    thread_local std::vector<int> positions;
    cards.clear();
    positions.clear();
    const int highest = hand.targets == 0 ? 0 : std::bit_width(hand.targets) - 1;
    for (std::size_t i = 0; i < tableIds.size(); ++i) {
        const TCandidateCard card { CardValue(tableIds[i]), CardPoints(tableIds[i]) };
        if (card.joker || card.sum > highest) continue;
        cards.push_back(card);
        positions.push_back(int(i));
    }
    if (hand.filled != 0)
        choice = compPlays == csProsecno ? FirstCapture(hand, cards) : RichestCapture(hand, cards);
    for (int& position : choice.tablePositions)
        position = positions[std::size_t(position)];
    if (!choice.capture)
        choice.handSlot = compPlays == csGlupo ? FirstCard(hand) : LowestCard(hand);
    return choice;
}

} // namespace zaviko::computer
