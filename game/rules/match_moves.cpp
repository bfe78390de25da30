// Moves and scores on the match's plain values.
#include "game/rules/match_rules.h"

#include "game/rules/capture_search.h"

#include <algorithm>
#include <stdexcept>

namespace zaviko::rules {

namespace {

bool IsTableSlot(const TMatchState& state, TTableSlot place)
{
    return place.row >= 0 && place.row < kTableRows && place.slot >= 0
        && place.slot < int(state.table[place.row].size());
}

int& TableAt(TMatchState& state, TTableSlot place)
{
    if (!IsTableSlot(state, place)) throw std::out_of_range("No such table slot");
    return state.table[place.row][place.slot];
}

int HandCard(const TMatchState& state, int seat, int handSlot)
{
    if (seat < SeatS || seat > SeatE || handSlot < 0 || handSlot >= kHandSlots)
        throw std::out_of_range("No such hand slot");
    return state.hands[seat][handSlot];
}

} // namespace

bool IsLegalCapture(
    const TMatchState& state, int seat, int handSlot, std::span<const TTableSlot> take)
{
    const int played = HandCard(state, seat, handSlot);
    if (played == kNoCard || take.empty() || int(take.size()) > kMaxCaptureCards) return false;
    TCaptureValues values;
    for (std::size_t i = 0; i < take.size(); ++i) {
        const TTableSlot place = take[i];
        if (!IsTableSlot(state, place)) return false;
        const int id = state.table[place.row][place.slot];
        if (id == kNoCard) return false;
        for (std::size_t j = 0; j < i; ++j)
            if (take[j] == place) return false;
        values.Add(CardValue(id));
    }
    return values.TakenBy(CardValue(played));
}

std::vector<TTableSlot> SlotsOfIds(const TMatchState& state, std::span<const int> ids)
{
    const std::vector<TTableSlot> occupied = TableSlots(state);
    std::vector<TTableSlot> slots;
    for (int id : ids)
        for (const TTableSlot& place : occupied)
            if (state.table[place.row][place.slot] == id
                && std::find(slots.begin(), slots.end(), place) == slots.end()) {
                slots.push_back(place);
                break;
            }
    return slots;
}

int ScoreRow(int gameMode, int seat)
{
    switch (gameMode) {
    case kPairs:
        return seat == SeatS || seat == SeatN ? 1 : 2;
    case kTwoPlayers:
        return seat == SeatS ? 1 : seat == SeatN ? 2 : 0;
    default:
        return seat + 1; // S W N E
    }
}

int ScoringSeat(int gameMode, int seat)
{
    if (gameMode != kPairs) return seat;
    return seat == SeatS || seat == SeatN ? SeatS : SeatW;
}

void AddScore(TMatchState& state, int seat, int n)
{
    state.Score[ScoringSeat(state.GameMode, seat)] += n;
}

namespace {

// A seat without a row (a hidden seat) never scores, so it changes nothing.
template <typename Change> void ChangeRow(TMatchState& state, int seat, Change change)
{
    const int row = ScoreRow(state.GameMode, seat);
    if (row > 0) {
        change(state.cells[row - 1]);
        change(state.handCells[row - 1]);
    }
}

} // namespace

void AddCardPoints(TMatchState& state, int seat, int n)
{
    ChangeRow(state, seat, [n](TScoreCells& cells) { cells.points += n; });
}

void AddTableClear(TMatchState& state, int seat)
{
    ChangeRow(state, seat, [](TScoreCells& cells) { cells.clears += 1; });
}

void AddBonus(TMatchState& state, int seat)
{
    ChangeRow(state, seat, [](TScoreCells& cells) { cells.bonus += 3; });
}

TMoveOutcome ApplyMove(TMatchState& state, const TMove& move)
{
    TMoveOutcome outcome;
    outcome.playedId = HandCard(state, move.seat, move.handSlot);
    if (outcome.playedId == kNoCard) throw std::invalid_argument("The hand slot is empty");
    state.hands[move.seat][move.handSlot] = kNoCard;
    state.LastPlayer = move.seat;
    ++state.MovesMade;
    if (move.take.empty()) {
        outcome.placed = PutCardOnTable(state, outcome.playedId);
        return outcome;
    }
    for (const TTableSlot& place : move.take) {
        int& card = TableAt(state, place);
        if (card == kNoCard) throw std::invalid_argument("The table slot is empty");
        outcome.ids.push_back(card);
        card = kNoCard;
    }
    outcome.ids.push_back(outcome.playedId);
    auto& taken = state.taken[move.seat];
    taken.insert(taken.end(), outcome.ids.begin(), outcome.ids.end());
    for (int id : outcome.ids)
        outcome.points += CardPoints(id);
    AddScore(state, move.seat, outcome.points);
    AddCardPoints(state, move.seat, outcome.points);
    outcome.tableCleared = TableEmpty(state);
    if (outcome.tableCleared) {
        AddScore(state, move.seat, 1);
        AddTableClear(state, move.seat);
    }
    state.LastTaker = move.seat;
    return outcome;
}

} // namespace zaviko::rules
