#include "game/computer/master_choice.h"

#include "game/rules/card_points.h"
#include "game/rules/match_rules.h"
#include "game/computer/move_candidates.h"
#include "game/computer/reply_estimate.h"
#include "game/computer/table_captures.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace zaviko::computer {

namespace {

// One move under consideration; its table positions lie in a shared list.
struct TOption {
    int slot = -1;
    bool capture = false;
    int first = 0, size = 0; // the taken positions, ascending
    double gain = 0; // what the move itself brings
};

struct TMasterSearch {
    const TSeatKnowledge& k;
    std::vector<TCandidateCard> table;
    std::vector<int> positions; // every option's taken positions, one after another
    std::vector<TOption> options;
    double raceWeight = 0;

    explicit TMasterSearch(const TSeatKnowledge& knowledge);
    void AddCaptures();
    void AddLayDowns();
    std::vector<TCandidateCard> TableAfter(const TOption& option) const;
    double Outlook(const TOption& option, const TUnseenHand& next) const;
};

TCandidateCard CandidateOf(int id)
{
    return { CardValue(id), CardPoints(id) };
}

TMasterSearch::TMasterSearch(const TSeatKnowledge& knowledge)
    : k(knowledge)
    , raceWeight(RaceWeight(knowledge, knowledge.seat))
{
    for (int id : k.table)
        table.push_back(CandidateOf(id));
}

void TMasterSearch::AddCaptures()
{
    TTargets aims = 0;
    for (int id : k.hand)
        if (id != kNoCard) aims |= TTargets { 1 } << CaptureTarget(CardValue(id));
    const int n = int(table.size());
    ForEachTableCapture(
        table, [&](const TCandidateSet&) { return aims; },
        [&](const TCandidateSet& set, TTargets taking) {
            const int first = int(positions.size());
            for (int i = 0; i < set.size; ++i)
                positions.push_back(set.Position(i));
            for (int s = 0; s < kHandSlots; ++s) {
                const int id = k.hand[s];
                if (id == kNoCard || !(taking >> CaptureTarget(CardValue(id)) & 1)
                    || !FirstOfItsKind(k.hand, s))
                    continue;
                const double gain = CaptureGain(
                    set.totals.points + CardPoints(id), set.size + 1, set.size == n, raceWeight);
                options.push_back({ s, true, first, set.size, gain });
            }
        });
}

void TMasterSearch::AddLayDowns()
{
    for (int s = 0; s < kHandSlots; ++s)
        if (k.hand[s] != kNoCard && FirstOfItsKind(k.hand, s)) options.push_back({ s, false });
}

std::vector<TCandidateCard> TMasterSearch::TableAfter(const TOption& option) const
{
    if (!option.capture) {
        std::vector<TCandidateCard> after(table);
        after.push_back(CandidateOf(k.hand[option.slot]));
        return after;
    }
    std::vector<TCandidateCard> after;
    const int* taken = positions.data() + option.first;
    for (int p = 0, i = 0; p < int(table.size()); ++p) {
        if (i < option.size && taken[i] == p)
            ++i;
        else
            after.push_back(table[p]);
    }
    return after;
}

bool LastMoveOfHand(const TSeatKnowledge& k)
{
    if (k.cardsLeft > 0 || k.handCount[k.seat] != 1) return false;
    for (int s = SeatS; s <= SeatE; ++s)
        if (s != k.seat && k.handCount[s] > 0) return false;
    return true;
}

bool SameSide(const TSeatKnowledge& k, int seat)
{
    return ScoringSeat(k.gameMode, seat) == ScoringSeat(k.gameMode, k.seat);
}

// What follows the move: the next seat's expected reply against us, or, on
// the last move of a hand, the table's rest for the last taker.
double TMasterSearch::Outlook(const TOption& option, const TUnseenHand& next) const
{
    const std::vector<TCandidateCard> after = TableAfter(option);
    if (!LastMoveOfHand(k)) return -ExpectedReply(after, next);
    int points = 0;
    for (const TCandidateCard& card : after)
        points += card.points;
    const int taker = option.capture || k.lastTaker == kNoSeat ? k.seat : k.lastTaker;
    const double rest = CaptureGain(
        points, int(after.size()), false, SameSide(k, taker) ? raceWeight : next.raceWeight);
    return SameSide(k, taker) ? rest : -rest;
}

} // namespace

TComputerChoice ChooseMasterMove(const TSeatKnowledge& knowledge)
{
    TMasterSearch search(knowledge);
    search.AddCaptures();
    search.AddLayDowns();
    TComputerChoice choice;
    if (search.options.empty()) return choice;
    std::stable_sort(search.options.begin(), search.options.end(),
        [](const TOption& a, const TOption& b) { return a.gain > b.gain; });
    const TUnseenHand nextHand = OpponentsHand(knowledge);
    const bool restCounts = LastMoveOfHand(knowledge);
    const TOption* best = nullptr;
    double bestValue = 0;
    for (const TOption& option : search.options) {
        // A reply costs, so nothing after this can beat the best; only the
        // table's rest on a hand's last move can add to a gain.
        if (best && !restCounts && option.gain <= bestValue) break;
        const double value = option.gain + search.Outlook(option, nextHand);
        if (!best || value > bestValue) {
            best = &option;
            bestValue = value;
        }
    }
    choice.capture = best->capture;
    choice.handSlot = best->slot;
    const int* taken = search.positions.data() + best->first;
    if (best->capture) choice.tablePositions.assign(taken, taken + best->size);
    return choice;
}

} // namespace zaviko::computer
