#include "net/client/seat_turn.h"

#include <algorithm>

namespace zaviko::net {

int ShownSeat(int real, int you)
{
    return real < 0 ? real : (real - you + kSeatCount) % kSeatCount;
}

int RealSeat(int shown, int you)
{
    return shown < 0 ? shown : (shown + you) % kSeatCount;
}

TMatchState TurnedState(const TMatchState& s, int you)
{
    TMatchState t = s;
    t.Score = {};
    t.cells = {};
    t.handCells = {};
    for (int real = SeatS; real <= SeatE; ++real) {
        const int shown = ShownSeat(real, you);
        t.hands[shown] = s.hands[real];
        t.taken[shown] = s.taken[real];
        if (!SeatPlays(s.GameMode, real)) continue;
        // In pairs a pair's score and row move with the pair, not the seat.
        t.Score[ScoringSeat(s.GameMode, shown)] = s.Score[ScoringSeat(s.GameMode, real)];
        const int from = ScoreRow(s.GameMode, real) - 1, to = ScoreRow(s.GameMode, shown) - 1;
        t.cells[to] = s.cells[from];
        t.handCells[to] = s.handCells[from];
    }
    t.CurrentPlayer = ShownSeat(s.CurrentPlayer, you);
    t.LastTaker = ShownSeat(s.LastTaker, you);
    t.LastPlayer = ShownSeat(s.LastPlayer, you);
    return t;
}

namespace {

// The one slot of the seat's hand that held a card before and is empty now.
int EmptiedHandSlot(const THand& before, const THand& after)
{
    int found = -1;
    for (int slot = 0; slot < kHandSlots; ++slot)
        if (before[slot] != kNoCard && after[slot] == kNoCard) {
            if (found >= 0) return -1;
            found = slot;
        }
    return found;
}

std::vector<TTableSlot> EmptiedTableSlots(const TMatchState& before, const TMatchState& after)
{
    std::vector<TTableSlot> slots;
    for (int row = 0; row < kTableRows; ++row)
        for (int slot = 0; slot < int(before.table[row].size()); ++slot) {
            const bool gone
                = slot >= int(after.table[row].size()) || after.table[row][slot] == kNoCard;
            if (before.table[row][slot] != kNoCard && gone) slots.push_back({ row, slot });
        }
    return slots;
}

} // namespace

std::optional<TMove> MoveOfEvent(const TMatchState& before, const TSeatView& after)
{
    const TMatchEvent& e = after.event;
    if (e.kind != EventKind::Move || e.seat < 0 || e.seat >= kSeatCount) return std::nullopt;
    const int slot = EmptiedHandSlot(before.hands[e.seat], after.state.hands[e.seat]);
    if (slot < 0) return std::nullopt;
    TMove move { e.seat, slot,
        e.ids.empty() ? std::vector<TTableSlot> {} : EmptiedTableSlots(before, after.state) };
    // Played through the rules on the state before, with the card shown now
    // in the slot it left, the move must give the table the server reports.
    TMatchState check = before;
    check.hands[e.seat][slot] = e.played;
    const TMoveOutcome outcome = ApplyMove(check, move);
    if (check.table != after.state.table || outcome.playedId != e.played) return std::nullopt;
    std::vector<int> taken = outcome.ids, reported = e.ids;
    std::sort(taken.begin(), taken.end());
    std::sort(reported.begin(), reported.end());
    if (taken != reported) return std::nullopt;
    return move;
}

} // namespace zaviko::net
