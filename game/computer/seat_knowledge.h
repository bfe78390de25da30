#pragma once

#include "game/computer/computer_namespace.h"

#include "game/rules/match_state.h"

#include <array>
#include <vector>

namespace zaviko::computer {

// What a person sitting at a seat can know during a hand: the own hand, the
// table, every card taken so far (captures are made in the open), how many
// cards each seat holds and has taken, the cards left in the deck and who
// took last. Never another seat's cards or the deck's order: "Majstor" and
// the hint decide on this alone, so they cannot peek.

inline constexpr int kCardIds = 54; // indexed by card ID; 0 and 1 stay unused

struct TSeatKnowledge {
    int seat = SeatS;
    int gameMode = kEachForHimself;
    int deckCount = 0; // 0 one deck, 1 two decks
    bool clockwise = true;
    THand hand {};
    std::vector<int> table; // table-position order, as TableIds gives it
    // The seen-cards multiset: how many of each ID the taken lists hold.
    std::array<int, kCardIds> seen {};
    std::array<int, kSeatCount> takenCount {};
    std::array<int, kSeatCount> handCount {};
    int cardsLeft = 0;
    int lastTaker = kNoSeat;

    bool operator==(const TSeatKnowledge&) const = default;
};

// The knowledge of `seat` in the state, built from its public parts only.
TSeatKnowledge SeatKnowledgeOf(const TMatchState& state, int seat);

// How many copies of each ID the seat cannot see: in the other hands or the
// deck. One copy per deck, less the seen ones, the own hand and the table.
std::array<int, kCardIds> UnseenCards(const TSeatKnowledge& knowledge);

} // namespace zaviko::computer
