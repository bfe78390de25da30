#include "tools/screenshots/window_positions.h"

#include "game/rules/match_rules.h"

#include <algorithm>

namespace {

// Card IDs by suit and value (2..14, the ace 14).
constexpr auto Club = [](int value) { return CardId(TIdSuit::Clubs, value); };
constexpr auto Diamond = [](int value) { return CardId(TIdSuit::Diamonds, value); };
constexpr auto Spade = [](int value) { return CardId(TIdSuit::Spades, value); };
constexpr auto Heart = [](int value) { return CardId(TIdSuit::Hearts, value); };

void Take(TMatchState& state, int seat, std::vector<int>& rest, int count)
{
    int points = 0;
    for (int i = 0; i < count && !rest.empty(); ++i) {
        state.taken[seat].push_back(rest.back());
        points += CardPoints(rest.back());
        rest.pop_back();
    }
    AddScore(state, seat, points);
    AddCardPoints(state, seat, points);
}

} // namespace

TMatchState SheetPosition(int gameMode, const std::vector<int>& upperRow,
    const std::vector<int>& lowerRow, const std::array<THand, kSeatCount>& hands, int onTurn,
    const std::array<int, kSeatCount>& taken)
{
    TMatchState state;
    StartMatch(state, gameMode, 0, true);
    state.table = { upperRow, lowerRow };
    state.hands = hands;
    state.CurrentPlayer = onTurn;
    std::vector<int> used = TableIds(state);
    for (const THand& hand : hands)
        used.insert(used.end(), hand.begin(), hand.end());
    std::vector<int> rest;
    for (int id : FreshDeck(0))
        if (std::find(used.begin(), used.end(), id) == used.end()) rest.push_back(id);
    for (int seat = SeatS; seat <= SeatE; ++seat)
        Take(state, seat, rest, taken[seat]);
    if (taken[SeatS] > 0) {
        AddScore(state, SeatS, 1);
        AddTableClear(state, SeatS);
        state.LastTaker = SeatS;
    }
    state.deck = rest;
    return state;
}

TMatchState OpenPosition(int onTurn)
{
    const std::array<THand, kSeatCount> hands { {
        { Spade(14), Diamond(8), kNoCard, Club(12), Diamond(2), Club(9) },
        { Club(7), Diamond(13), Spade(2), Heart(9), Club(11), Diamond(5) },
        { Club(6), Spade(8), Heart(10), Club(4), Diamond(11), Heart(3) },
        { Club(5), Spade(9), Diamond(6), Spade(12), Heart(8), Heart(2) },
    } };
    return SheetPosition(kEachForHimself,
        { kNoCard, kNoCard, Spade(4), Heart(7), kNoCard, kNoCard },
        { kNoCard, kNoCard, Diamond(3), Diamond(10), Heart(12), kNoCard }, hands, onTurn,
        { 0, 0, 0, 0 });
}

TMatchState GrownTablePosition()
{
    const std::array<THand, kSeatCount> hands { {
        { Club(13), kNoCard, Heart(5), kNoCard, Diamond(9), kNoCard },
        { Club(3), Diamond(4), kNoCard, Spade(5), kNoCard, kNoCard },
        { kNoCard, Heart(6), Spade(7), kNoCard, Diamond(12), kNoCard },
        { Club(8), kNoCard, kNoCard, Heart(13), kNoCard, Spade(6) },
    } };
    return SheetPosition(kEachForHimself,
        { Club(2), Diamond(7), Spade(3), Heart(4), Club(10), Diamond(14), Spade(11), Heart(11) },
        { Club(14), Spade(10), Heart(14), Diamond(10), Spade(13), Club(6), Diamond(8), Heart(3) },
        hands, SeatS, { 5, 3, 2, 2 });
}

TMatchState LastCardPosition()
{
    std::array<THand, kSeatCount> hands {};
    for (THand& hand : hands)
        hand.fill(kNoCard);
    hands[SeatS][0] = Club(9);
    TMatchState state
        = SheetPosition(kEachForHimself, { kNoCard, Club(5), Spade(4), Heart(7), kNoCard, kNoCard },
            { kNoCard, kNoCard, Diamond(3), Diamond(10), Heart(12), kNoCard }, hands, SeatS,
            { 14, 11, 10, 10 });
    state.LastTaker = SeatW;
    return state;
}

TMatchState HandEndPosition()
{
    const std::vector<int> row(kRowSlots, kNoCard);
    TMatchState state = SheetPosition(kEachForHimself, row, row, {}, SeatS, { 17, 13, 10, 12 });
    AddScore(state, SeatS, 3); // the most cards
    AddBonus(state, SeatS);
    return state;
}
