#pragma once

#include "game/computer/computer_namespace.h"

#include "game/computer/candidate_walk.h"
#include "game/computer/seat_knowledge.h"

#include <array>
#include <span>

namespace zaviko::computer {

// What a seat is likely to gain from a table when its cards are unseen: for
// each card value, its best capture there; each weighed by the chance that
// the seat's hand, drawn from the unseen cards, holds that value and no
// better one. "Majstor" subtracts it from a move's gain, so it does not set
// up a clear or a rich capture for the next seat.

// An unseen hand, indexed by capture target (2..14, see table_captures.h).
struct TUnseenHand {
    std::array<int, 15> count {}; // unseen cards per target
    std::array<double, 15> points {}; // their average points
    int pool = 0; // all unseen cards
    int handSize = 0; // cards the seat will hold when it plays
    double raceWeight = 0; // one more taken card in the most-cards race
};

// What one more taken card is worth to `seat` in the most-cards race (3
// points to each seat with the most): the chance that one card decides the
// race, from the seats' taken counts and the cards still to be taken.
double RaceWeight(const TSeatKnowledge& knowledge, int seat);

// Two players: what a lead of `lead` taken cards is worth in the most-cards
// race, the seat's expected bonus less its rival's, with `cardsLeft` cards
// of the hand still to be taken. From -3 to 3, 0 for no lead.
double RaceLeadValue(int lead, int cardsLeft);

// The cards of every opponent who plays before the knowing seat's next
// turn, seen by it as one unseen hand: the table it leaves faces each of
// them. A seat without cards is dealt its share of the deck first.
TUnseenHand OpponentsHand(const TSeatKnowledge& knowledge);

// The gain of a capture for a seat: its points, a clear, and the race.
inline double CaptureGain(int points, int cards, bool clear, double raceWeight)
{
    return points + (clear ? 1 : 0) + raceWeight * cards;
}

// The expected best gain of the unseen hand's next move on the table: a
// capture, or nothing when it lays a card down.
double ExpectedReply(std::span<const TCandidateCard> table, const TUnseenHand& hand);

} // namespace zaviko::computer
