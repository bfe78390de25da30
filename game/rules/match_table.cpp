// Seats, turns, the table and the deal, on the match's plain values.
#include "game/rules/match_rules.h"

#include "cards/ids/id_shuffle.h"

#include <algorithm>

namespace zaviko::rules {

bool SeatPlays(int gameMode, int seat)
{
    if (seat < SeatS || seat > SeatE) return false;
    return gameMode != kTwoPlayers || seat == SeatS || seat == SeatN;
}

int NextSeat(int gameMode, bool clockwise, int seat)
{
    if (gameMode == kTwoPlayers) return seat == SeatS ? SeatN : SeatS;
    // S W N E is the clockwise round; the other way runs it backwards.
    return clockwise ? (seat + 1) % kSeatCount : (seat + kSeatCount - 1) % kSeatCount;
}

void NextPlayer(TMatchState& state)
{
    state.CurrentPlayer = NextSeat(state.GameMode, state.Clockwise, state.CurrentPlayer);
}

int FirstPlayerOfDraw(int draw)
{
    constexpr std::array<int, 4> seats { SeatS, SeatN, SeatW, SeatE };
    return draw >= 0 && draw < 4 ? seats[draw] : SeatS;
}

bool HandEmpty(const TMatchState& state, int seat)
{
    const THand& hand = state.hands[seat];
    return std::all_of(hand.begin(), hand.end(), [](int id) { return id == kNoCard; });
}

bool TableEmpty(const TMatchState& state)
{
    return std::all_of(state.table.begin(), state.table.end(), [](const std::vector<int>& row) {
        return std::all_of(row.begin(), row.end(), [](int id) { return id == kNoCard; });
    });
}

void FillTableIds(const TMatchState& state, std::vector<int>& ids)
{
    ids.clear();
    for (const auto& row : state.table)
        for (int id : row)
            if (id != kNoCard) ids.push_back(id);
}

void FillTableSlots(const TMatchState& state, std::vector<TTableSlot>& slots)
{
    slots.clear();
    for (int row = 0; row < kTableRows; ++row)
        for (int slot = 0; slot < int(state.table[row].size()); ++slot)
            if (state.table[row][slot] != kNoCard) slots.push_back({ row, slot });
}

std::vector<int> TableIds(const TMatchState& state)
{
    std::vector<int> ids;
    FillTableIds(state, ids);
    return ids;
}

std::vector<TTableSlot> TableSlots(const TMatchState& state)
{
    std::vector<TTableSlot> slots;
    FillTableSlots(state, slots);
    return slots;
}

TTableSlot PutCardOnTable(TMatchState& state, int id)
{
    auto& table = state.table;
    for (const TTableSlot& place : kPlacementOrder)
        if (table[place.row][place.slot] == kNoCard) {
            table[place.row][place.slot] = id;
            return place;
        }
    // Slots past the sixth, which only a crowded table has: column by column.
    const std::size_t longest = std::max(table[0].size(), table[1].size());
    for (std::size_t slot = kRowSlots; slot < longest; ++slot)
        for (int row = 0; row < kTableRows; ++row)
            if (slot < table[row].size() && table[row][slot] == kNoCard) {
                table[row][slot] = id;
                return { row, int(slot) };
            }
    const int row = table[1].size() < table[0].size() ? 1 : 0;
    table[row].push_back(id);
    return { row, int(table[row].size()) - 1 };
}

std::vector<int> FreshDeck(int deckCount)
{
    const int copies = deckCount == 1 ? 2 : 1;
    std::vector<int> deck;
    deck.reserve(52 * copies);
    for (int copy = 0; copy < copies; ++copy)
        for (int id = 2; id <= 53; ++id)
            deck.push_back(id);
    return deck;
}

void ShuffleDeck(std::vector<int>& deck, int passes, const TRandomDraw& random)
{
    ShuffleIds(deck, passes, random);
}

std::vector<int> ShuffledDeck(int deckCount, const TRandomDraw& random)
{
    std::vector<int> deck = FreshDeck(deckCount);
    ShuffleDeck(deck, kStandardShufflePasses, random);
    return deck;
}

namespace {

int Draw(TMatchState& state)
{
    if (state.deck.empty()) return kNoCard;
    const int id = state.deck.back();
    state.deck.pop_back();
    return id;
}

// Every slot of the hand takes the next card; slots the deck cannot fill are empty.
void Refill(TMatchState& state, int seat)
{
    for (int& slot : state.hands[seat])
        slot = Draw(state);
}

} // namespace

void DealNewDeck(TMatchState& state, std::vector<int> deck)
{
    state.deck = std::move(deck);
    for (auto& row : state.table)
        row.assign(kRowSlots, kNoCard);
    for (int n = 0; n < kFirstTableCards; ++n)
        state.table[kPlacementOrder[n].row][kPlacementOrder[n].slot] = Draw(state);
    Refill(state, SeatS);
    Refill(state, SeatN);
    if (state.GameMode != kTwoPlayers) {
        Refill(state, SeatE);
        Refill(state, SeatW);
        return;
    }
    // The hidden seats hold nothing: cards of theirs would double cards in
    // play for everything that counts cards.
    state.hands[SeatW].fill(kNoCard);
    state.hands[SeatE].fill(kNoCard);
}

int DealRest(TMatchState& state)
{
    const bool two = state.GameMode == kTwoPlayers;
    const std::vector<int> order
        = two ? std::vector<int> { SeatS, SeatN } : std::vector<int> { SeatS, SeatE, SeatN, SeatW };
    const int seats = int(order.size());
    const int left = int(state.deck.size());
    if (left > seats * kHandSlots) {
        // Full refills go S, N, E, W; a short last deal S, E, N, W.
        const std::vector<int> full = two ? order : std::vector<int> { SeatS, SeatN, SeatE, SeatW };
        for (int seat : full)
            Refill(state, seat);
        return seats * kHandSlots;
    }
    const int each = left / seats;
    for (int seat : order)
        for (int slot = 0; slot < each; ++slot)
            state.hands[seat][slot] = Draw(state);
    return each * seats;
}

} // namespace zaviko::rules
