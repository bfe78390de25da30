#include "net/server/table_match.h"

#include "game/computer/seat_choice.h"

#include <algorithm>

namespace zaviko::net {

TTableMatch::TTableMatch(const TTableMatchSetup& setup, TChanged changed)
    : FGenerator(setup.seed)
    , FChanged(std::move(changed))
{
    StartMatch(FState, setup.mode, setup.decks, setup.clockwise);
}

int TTableMatch::Draw(int n)
{
    if (n <= 0) return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(FGenerator);
}

void TTableMatch::Start()
{
    DealNewDeck(FState, NewDeck(FState.DeckCount));
    FState.CurrentPlayer = FirstPlayerOfDraw(Draw(FState.GameMode == kTwoPlayers ? 2 : 4));
    FChanged(FState, { EventKind::Start });
    NextTurn();
}

// A turn starts with its draw; a seat on turn without a card (which the
// rules' refill prevents) passes as in a headless match.
void TTableMatch::NextTurn()
{
    while (!FState.GameOver) {
        FDraw = Draw(10);
        if (!HandEmpty(FState, FState.CurrentPlayer)) return;
        FinishTurn(FState, *this);
    }
    FChanged(FState, { .kind = EventKind::GameOver, .winner = WinnerSeat(FState) });
}

std::optional<ErrorCode> TTableMatch::Refusal(const TMove& move) const
{
    if (FState.GameOver || move.seat != FState.CurrentPlayer) return ErrorCode::NotYourTurn;
    if (move.handSlot < 0 || move.handSlot >= kHandSlots
        || FState.hands[move.seat][move.handSlot] == kNoCard)
        return ErrorCode::NoCard;
    if (!move.take.empty() && !IsLegalCapture(FState, move.seat, move.handSlot, move.take))
        return ErrorCode::IllegalCapture;
    return std::nullopt;
}

void TTableMatch::Play(const TMove& move)
{
    const TMoveOutcome outcome = ApplyMove(FState, move);
    FPendingMove = TMatchEvent { .kind = EventKind::Move,
        .seat = move.seat,
        .played = outcome.playedId,
        .ids = outcome.ids,
        .placed = move.take.empty() ? outcome.placed : TTableSlot { -1, -1 },
        .cleared = outcome.tableCleared };
    FinishTurn(FState, *this);
    NextTurn();
}

std::function<TMove()> TTableMatch::ComputerMoveTask(int strength) const
{
    return [state = FState, draw = FDraw, strength] {
        const int seat = state.CurrentPlayer;
        // One core a decision: a server's tables share the machine, and the
        // search's choice is the same on any number of threads.
        TSearchSettings search;
        search.threads = 1;
        return MoveOfChoice(state, seat, ChooseSeatMoveWith(state, seat, strength, draw, search));
    };
}

std::vector<int> TTableMatch::NewDeck(int deckCount)
{
    return ShuffledDeck(deckCount, [this](int n) { return Draw(n); });
}

// The move is told here, with the next seat on turn and before any refill,
// so every card it names still lies on the table or among the taken.
void TTableMatch::TurnChanged(const TMatchState& state)
{
    if (!FPendingMove) return;
    const TMatchEvent event = std::move(*FPendingMove);
    FPendingMove.reset();
    FChanged(state, event);
}

void TTableMatch::Dealt(const TMatchState& state, bool newDeck)
{
    FChanged(state, { .kind = EventKind::Deal, .newDeck = newDeck });
}

void TTableMatch::HandEnded(const TMatchState& state, const THandEnd& end)
{
    FChanged(state,
        { .kind = EventKind::HandEnd,
            .seat = end.restTaker,
            .ids = end.restIds,
            .bonus = end.bonusSeats });
}

} // namespace zaviko::net
