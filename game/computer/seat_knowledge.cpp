#include "game/computer/seat_knowledge.h"

#include "game/rules/match_rules.h"

namespace zaviko::computer {

TSeatKnowledge SeatKnowledgeOf(const TMatchState& state, int seat)
{
    TSeatKnowledge k;
    k.seat = seat;
    k.gameMode = state.GameMode;
    k.deckCount = state.DeckCount;
    k.clockwise = state.Clockwise;
    k.hand = state.hands[seat];
    k.table = TableIds(state);
    for (int s = SeatS; s <= SeatE; ++s) {
        k.takenCount[s] = int(state.taken[s].size());
        for (int id : state.taken[s])
            if (id > 0 && id < kCardIds) ++k.seen[id];
        for (int id : state.hands[s])
            k.handCount[s] += id != kNoCard;
    }
    k.cardsLeft = int(state.deck.size());
    k.lastTaker = state.LastTaker;
    return k;
}

std::array<int, kCardIds> UnseenCards(const TSeatKnowledge& knowledge)
{
    std::array<int, kCardIds> unseen {};
    for (int id = 2; id < kCardIds; ++id)
        unseen[id] = knowledge.deckCount + 1 - knowledge.seen[id];
    const auto remove = [&](int id) {
        if (id > 0 && id < kCardIds && unseen[id] > 0) --unseen[id];
    };
    for (int id : knowledge.hand)
        remove(id);
    for (int id : knowledge.table)
        remove(id);
    return unseen;
}

} // namespace zaviko::computer
