#pragma once

#include "game/rules/match_state.h"

#include <vector>

// What just happened at a table, sent with the state it led to so that a
// client can show the change (a move's flight, a deal, the end of a hand).
// Every card in it is public at that moment: played, taken or on the table.

namespace zaviko::net {

enum class EventKind { Start, Resume, Move, Deal, HandEnd, GameOver };

struct TMatchEvent {
    EventKind kind = EventKind::Start;
    int seat = kNoSeat; // move: who moved; handEnd: who took the rest
    int played = kNoCard; // move
    std::vector<int> ids {}; // move: the cards taken, played card last; handEnd: the rest
    TTableSlot placed { -1, -1 }; // move: where a laid-down card went
    bool cleared = false; // move: the capture emptied the table
    bool newDeck = false; // deal
    std::vector<int> bonus {}; // handEnd: seats with the most cards
    int winner = kNoSeat; // gameOver
};

} // namespace zaviko::net
