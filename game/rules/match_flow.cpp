// The end of a turn, of a hand and of the match, on the match's plain values.
#include "game/rules/match_rules.h"

#include <algorithm>

namespace zaviko::rules {

namespace {

constexpr int kMostCardsBonus = 3;
constexpr int kWinningScore = 100; // a side must pass it

void GiveRestOfTable(TMatchState& state, THandEnd& end)
{
    // Before anybody has captured in this match, the hand's last player takes it.
    end.restTaker = state.LastTaker != kNoSeat ? state.LastTaker : state.LastPlayer;
    end.restIds = TableIds(state);
    for (auto& row : state.table)
        std::fill(row.begin(), row.end(), kNoCard);
    if (end.restTaker == kNoSeat) return;
    auto& taken = state.taken[end.restTaker];
    taken.insert(taken.end(), end.restIds.begin(), end.restIds.end());
    for (int id : end.restIds)
        end.restPoints += CardPoints(id);
    AddScore(state, end.restTaker, end.restPoints);
    AddCardPoints(state, end.restTaker, end.restPoints);
}

void AwardMostCards(TMatchState& state, THandEnd& end)
{
    for (int seat = SeatS; seat <= SeatE; ++seat)
        if (SeatPlays(state.GameMode, seat))
            end.mostCards = std::max(end.mostCards, int(state.taken[seat].size()));
    if (end.mostCards == 0) return;
    for (int seat = SeatS; seat <= SeatE; ++seat)
        if (SeatPlays(state.GameMode, seat) && int(state.taken[seat].size()) == end.mostCards) {
            AddScore(state, seat, kMostCardsBonus);
            AddBonus(state, seat);
            end.bonusSeats.push_back(seat);
        }
}

} // namespace

THandEnd EndHand(TMatchState& state)
{
    THandEnd end;
    GiveRestOfTable(state, end);
    AwardMostCards(state, end);
    ++state.HandsPlayed;
    return end;
}

void ClearTaken(TMatchState& state)
{
    for (auto& taken : state.taken)
        taken.clear();
    state.handCells = {};
}

bool IsGameOver(const TMatchState& state)
{
    const auto& score = state.Score;
    if (state.GameMode == kPairs)
        return score[SeatE] + score[SeatW] > kWinningScore
            || score[SeatS] + score[SeatN] > kWinningScore;
    return std::any_of(score.begin(), score.end(), [](int s) { return s > kWinningScore; });
}

int WinnerSeat(const TMatchState& state)
{
    int best = state.Score[SeatS] < 1 ? 0 : state.Score[SeatS];
    int winner = best > 0 ? SeatS : kNoSeat;
    for (int seat : { SeatE, SeatW, SeatN })
        if (state.Score[seat] > best) {
            best = state.Score[seat];
            winner = seat;
        }
    return winner;
}

std::string WinnerName(const TMatchState& state, const std::array<std::string, kSeatCount>& names)
{
    const int winner = WinnerSeat(state);
    if (winner == kNoSeat) return {};
    if (state.GameMode != kPairs) return names[winner];
    // Decided by seat, so equal or empty names still name the right pair.
    if (winner == SeatS || winner == SeatN) return names[SeatS] + "/" + names[SeatN];
    return names[SeatW] + "/" + names[SeatE];
}

void StartMatch(TMatchState& state, int gameMode, int deckCount, bool clockwise)
{
    state.GameMode = gameMode;
    state.DeckCount = deckCount;
    state.Clockwise = clockwise;
    state.Score = {};
    state.cells = {};
    ClearTaken(state);
    for (int seat = SeatS; seat <= SeatE; ++seat)
        if (!SeatPlays(gameMode, seat)) state.hands[seat].fill(kNoCard);
    state.LastTaker = kNoSeat;
    state.LastPlayer = kNoSeat;
    state.GameOver = false;
    state.MovesMade = 0;
    state.HandsPlayed = 0;
}

void FinishTurn(TMatchState& state, TMatchEvents& events)
{
    NextPlayer(state);
    events.TurnChanged(state);
    if (HandEmpty(state, state.CurrentPlayer)) RefillOrEndHand(state, events);
}

void RefillOrEndHand(TMatchState& state, TMatchEvents& events)
{
    if (!state.deck.empty() && DealRest(state) > 0) {
        events.Dealt(state, false);
        if (!HandEmpty(state, state.CurrentPlayer)) return;
    }
    // The deck is used up (or too short to share out): the hand is over.
    const THandEnd end = EndHand(state);
    events.HandEnded(state, end);
    ClearTaken(state);
    state.deck.clear();
    if (IsGameOver(state)) {
        state.GameOver = true;
        return;
    }
    NextPlayer(state);
    events.TurnChanged(state);
    DealNewDeck(state, events.NewDeck(state.DeckCount));
    events.Dealt(state, true);
}

std::string CardName(int id)
{
    if (!IsSuitCardId(id)) return "!!! Unknown CardID: " + std::to_string(id);
    static const char* const ranks[]
        = { "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A" };
    static const char suits[] = { 'T', 'K', 'P', 'H' };
    return std::string(ranks[ValueOfId(id) - 2]) + suits[static_cast<int>(SuitOfId(id))];
}

bool CardsConserved(const TMatchState& state)
{
    std::vector<int> seen(state.deck);
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        if (SeatPlays(state.GameMode, seat))
            for (int id : state.hands[seat])
                if (id != kNoCard) seen.push_back(id);
        seen.insert(seen.end(), state.taken[seat].begin(), state.taken[seat].end());
    }
    const std::vector<int> table = TableIds(state);
    seen.insert(seen.end(), table.begin(), table.end());
    if (seen.empty()) return true;
    std::vector<int> full = FreshDeck(state.DeckCount);
    std::sort(seen.begin(), seen.end());
    std::sort(full.begin(), full.end());
    return seen == full;
}

} // namespace zaviko::rules
