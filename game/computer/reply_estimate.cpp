#include "game/computer/reply_estimate.h"

#include "game/rules/card_points.h"
#include "game/rules/match_rules.h"
#include "game/computer/table_captures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zaviko::computer {

namespace {

constexpr int kCardsPerDeck = 52;
constexpr int kBonus = 3;

int PlayingSeats(int gameMode)
{
    return gameMode == kTwoPlayers ? 2 : 4;
}

// The chance that `drawn` cards out of `pool` hold none of `avoided` given ones.
double NoneOf(int avoided, int pool, int drawn)
{
    double chance = 1;
    for (int i = 0; i < drawn; ++i) {
        if (pool - avoided - i <= 0) return 0;
        chance *= double(pool - avoided - i) / double(pool - i);
    }
    return chance;
}

} // namespace

double RaceWeight(const TSeatKnowledge& k, int seat)
{
    int taken = 0, rival = 0;
    for (int s = SeatS; s <= SeatE; ++s) {
        taken += k.takenCount[s];
        if (s != seat && SeatPlays(k.gameMode, s)) rival = std::max(rival, k.takenCount[s]);
    }
    const int left = std::max(0, kCardsPerDeck * (k.deckCount + 1) - taken);
    // Each card still to be taken moves the lead over the best rival by one
    // either way (or not at all); the lead at the end is roughly normal.
    const double spread = std::sqrt(std::max(1.0, 2.0 * left / PlayingSeats(k.gameMode)));
    const double z = (k.takenCount[seat] - rival) / spread;
    return kBonus * std::exp(-z * z / 2) / (spread * std::sqrt(2 * std::numbers::pi));
}

double RaceLeadValue(int lead, int cardsLeft)
{
    // As in RaceWeight, the lead at the end is roughly normal around today's;
    // a tie gives both seats the bonus.
    const double spread = std::sqrt(std::max(1.0, double(cardsLeft)));
    const auto below = [](double x) { return 0.5 * std::erfc(-x / std::sqrt(2.0)); };
    return kBonus * (below((lead - 0.5) / spread) - below((-lead - 0.5) / spread));
}

TUnseenHand OpponentsHand(const TSeatKnowledge& k)
{
    TUnseenHand hand;
    const std::array<int, kCardIds> unseen = UnseenCards(k);
    for (int id = 2; id < kCardIds; ++id) {
        const int t = CaptureTarget(CardValue(id));
        hand.count[t] += unseen[id];
        hand.points[t] += unseen[id] * CardPoints(id);
        hand.pool += unseen[id];
    }
    for (int t = 2; t < int(hand.count.size()); ++t)
        if (hand.count[t] > 0) hand.points[t] /= hand.count[t];
    const int seats = PlayingSeats(k.gameMode);
    const int share = k.cardsLeft > seats * kHandSlots ? kHandSlots : k.cardsLeft / seats;
    const auto sameSide = [&](int seat) {
        return ScoringSeat(k.gameMode, seat) == ScoringSeat(k.gameMode, k.seat);
    };
    for (int seat = NextSeat(k.gameMode, k.clockwise, k.seat); seat != k.seat;
         seat = NextSeat(k.gameMode, k.clockwise, seat)) {
        if (sameSide(seat)) continue;
        // A seat without cards is dealt its share before it plays.
        hand.handSize += k.handCount[seat] > 0 ? k.handCount[seat] : share;
        hand.raceWeight = std::max(hand.raceWeight, RaceWeight(k, seat));
    }
    hand.handSize = std::min(hand.handSize, hand.pool);
    return hand;
}

double ExpectedReply(std::span<const TCandidateCard> table, const TUnseenHand& hand)
{
    if (hand.handSize == 0 || table.empty()) return 0;
    TTargets held = 0;
    for (int t = kLowestTarget; t <= kHighestTarget; ++t)
        if (hand.count[t] > 0) held |= TTargets { 1 } << t;
    // best[t]: the richest capture of a card aiming at t, its own points included.
    std::array<double, 15> best;
    best.fill(-1);
    const int n = int(table.size());
    const auto gain = [&](const TCandidateSet& set, int t) {
        return CaptureGain(set.totals.points, set.size + 1, set.size == n, hand.raceWeight)
            + hand.points[t];
    };
    const auto wanted = [&](const TCandidateSet& set) {
        TTargets want = 0;
        for (TTargets m = CandidateTargets(table, set) & held; m != 0; m &= m - 1) {
            const int t = std::countr_zero(m);
            if (gain(set, t) > best[t]) want |= TTargets { 1 } << t;
        }
        return want;
    };
    ForEachTableCapture(
        table, wanted,
        [&](const TCandidateSet& set, TTargets taking) {
            for (; taking != 0; taking &= taking - 1) {
                const int t = std::countr_zero(taking);
                best[t] = std::max(best[t], gain(set, t));
            }
        },
        true);
    // The hand's best capture is the richest value it holds.
    std::array<int, 13> order;
    int kinds = 0;
    for (int t = kLowestTarget; t <= kHighestTarget; ++t)
        if (best[t] >= 0) order[kinds++] = t;
    std::sort(
        order.begin(), order.begin() + kinds, [&](int a, int b) { return best[a] > best[b]; });
    double expected = 0, noneBefore = 1;
    int avoided = 0;
    for (int i = 0; i < kinds; ++i) {
        avoided += hand.count[order[i]];
        const double noneNow = NoneOf(avoided, hand.pool, hand.handSize);
        expected += best[order[i]] * (noneBefore - noneNow);
        noneBefore = noneNow;
    }
    return expected;
}

} // namespace zaviko::computer
