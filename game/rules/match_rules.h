#pragma once

#include "game/rules/rules_namespace.h"

#include "game/rules/card_points.h"
#include "game/rules/match_state.h"

#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace zaviko::rules {

// Every rule that changes a match, on the plain state of match_state.h. No
// widget, no thread, no wait: the controller runs these and shows the result,
// a headless match runs them and nothing else.

// Draws a uniform integer 0..n-1; the controller passes the process-wide
// generator, a headless match its own.
using TRandomDraw = std::function<int(int)>;

// --- Seats and turns ---

// Whether the seat takes part in the mode (two players: only S and N).
bool SeatPlays(int gameMode, int seat);
// The seat after `seat`: S, N alternate with two players; otherwise S W N E
// clockwise and S E N W the other way.
int NextSeat(int gameMode, bool clockwise, int seat);
// CurrentPlayer moves on one seat.
void NextPlayer(TMatchState& state);
// The seat a draw of Random(2) (two players) or Random(4) opens the match
// with: 0 S, 1 N, 2 W, 3 E.
int FirstPlayerOfDraw(int draw);

// --- Cards in hands and on the table ---

bool HandEmpty(const TMatchState& state, int seat);
bool TableEmpty(const TMatchState& state);
// The non-empty table cards in table-position order (the upper row's slots,
// then the lower row's) and the slot each of them lies in.
std::vector<int> TableIds(const TMatchState& state);
std::vector<TTableSlot> TableSlots(const TMatchState& state);
// The same into a vector the caller keeps, for loops that must not allocate
// on every move (the search's playouts).
void FillTableIds(const TMatchState& state, std::vector<int>& ids);
void FillTableSlots(const TMatchState& state, std::vector<TTableSlot>& slots);
// The order in which a card put on the table looks for an empty slot: the
// middle of each row outwards, upper row before lower row at each step.
inline constexpr std::array<TTableSlot, 12> kPlacementOrder { { { 0, 2 }, { 0, 3 }, { 1, 2 },
    { 1, 3 }, { 0, 1 }, { 0, 4 }, { 1, 1 }, { 1, 4 }, { 0, 0 }, { 0, 5 }, { 1, 0 }, { 1, 5 } } };
// Puts the card into the first empty slot of the placement order. A full
// table still takes it: the shorter row (the upper on a tie) gains a slot at
// its end, so no card ever leaves play.
TTableSlot PutCardOnTable(TMatchState& state, int id);

// --- Dealing ---

// The cards of one (deckCount 0) or two (1) decks in ID order.
std::vector<int> FreshDeck(int deckCount);
// `passes` times over the deck, each card swaps with one drawn at random: the
// card library deck's own shuffle (cards/ids/id_shuffle.h).
void ShuffleDeck(std::vector<int>& deck, int passes, const TRandomDraw& random);
// A fresh deck shuffled as the game shuffles it (kStandardShufflePasses): the
// deck of every deal a match on plain values makes.
std::vector<int> ShuffledDeck(int deckCount, const TRandomDraw& random);
// A new deck (next card last): the table is emptied and shrinks back to two
// rows of six, four cards go to the table in the placement order, six to S
// and N and, unless two play, six to E and W; with two players E and W
// hold no card.
void DealNewDeck(TMatchState& state, std::vector<int> deck);
// The next cards of the same deck: full refills of six while the deck holds
// more than a round, then an equal share of what is left into the first
// slots (S, N with two players; S, E, N, W otherwise). Returns the cards dealt.
int DealRest(TMatchState& state);

// --- Moves ---

// A move: the hand card in handSlot takes the table cards in `take`, or,
// with nothing to take, is laid down on the table.
struct TMove {
    int seat = SeatS;
    int handSlot = 0;
    std::vector<TTableSlot> take;
};

struct TMoveOutcome {
    int playedId = kNoCard;
    // A capture: the taken table cards in the move's order, the played card last.
    std::vector<int> ids;
    int points = 0;
    bool tableCleared = false;
    // A lay-down: where the card went.
    TTableSlot placed;
};

// Whether the hand card in handSlot may take exactly the cards in `take`.
bool IsLegalCapture(
    const TMatchState& state, int seat, int handSlot, std::span<const TTableSlot> take);
// The slots that a list of IDs takes: for each ID the first non-empty table
// card with it, upper row then lower in slot order, never the same slot twice.
std::vector<TTableSlot> SlotsOfIds(const TMatchState& state, std::span<const int> ids);
// Plays the move (a capture is taken as legal; IsLegalCapture decides that):
// removes the cards, appends the taken ones, scores points and a table clear.
TMoveOutcome ApplyMove(TMatchState& state, const TMove& move);

// --- Scores ---

// The row of a seat in the score table of the mode, 1-based; 0 for a seat
// that has none (W and E with two players).
int ScoreRow(int gameMode, int seat);
// The seat whose Score holds the seat's points (its pair's in pairs mode).
int ScoringSeat(int gameMode, int seat);
// The seat's (or pair's) match score grows by n.
void AddScore(TMatchState& state, int seat, int n);
// The seat's score row: card points grow by n, a table clear counts one, a
// most-cards bonus three. Scoring a capture is AddScore plus AddCardPoints,
// so a row's total always equals its seat's or pair's score.
void AddCardPoints(TMatchState& state, int seat, int n);
void AddTableClear(TMatchState& state, int seat);
void AddBonus(TMatchState& state, int seat);

// --- The end of a hand and of the match ---

struct THandEnd {
    int restTaker = kNoSeat; // who took the table's rest
    std::vector<int> restIds;
    int restPoints = 0;
    int mostCards = 0;
    std::vector<int> bonusSeats; // the seats with the most cards, S W N E order
};

// The table's rest goes to the last taker (the hand's last player when
// nobody has captured yet) without a clear; then every playing seat with the
// most cards (more than none) gets the 3-point bonus. The taken lists stay
// for the end-of-hand display; ClearTaken empties them.
THandEnd EndHand(TMatchState& state);
void ClearTaken(TMatchState& state);
// Some side has more than 100 points (the pairs' sums in pairs mode).
bool IsGameOver(const TMatchState& state);
// The seat with the highest score above 0, ties to the earlier of S, E, W, N;
// kNoSeat when nobody has a point.
int WinnerSeat(const TMatchState& state);
// The winner's name, with the partner's after "/" in pairs mode.
std::string WinnerName(const TMatchState& state, const std::array<std::string, kSeatCount>& names);

// --- After a move ---

// What the flow after a move tells its caller, in order of events.
class TMatchEvents {
public:
    virtual ~TMatchEvents() = default;
    virtual void TurnChanged(const TMatchState&) { }
    // A fresh shuffled deck for the next hand, next card last.
    virtual std::vector<int> NewDeck(int deckCount) = 0;
    virtual void Dealt(const TMatchState&, bool /*newDeck*/) { }
    // The rest and the bonus are scored; the taken lists still hold the hand.
    virtual void HandEnded(const TMatchState&, const THandEnd&) { }
};

// The rules' part of the end of a turn: the turn moves on, and a seat on turn
// without cards calls RefillOrEndHand.
void FinishTurn(TMatchState& state, TMatchEvents& events);
// The seat on turn has no card: it gets the deck's next cards, or the hand
// ends (rest, bonus, taken lists emptied) and either the match is over or
// the seat after the next opens a new hand.
void RefillOrEndHand(TMatchState& state, TMatchEvents& events);

// Resets scores, taken lists, the last taker and the game-over flag for a new
// match in the given mode.
void StartMatch(TMatchState& state, int gameMode, int deckCount, bool clockwise);

// --- Texts and checks ---

// The card's short name for the log: rank then T, K, P or H.
std::string CardName(int id);
// Every card of the current deck is exactly once in the deck, a playing
// seat's hand, the table or a taken list (or, between two hands, nowhere).
bool CardsConserved(const TMatchState& state);

} // namespace zaviko::rules
