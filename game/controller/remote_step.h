#pragma once

#include "game/rules/match_rules.h"

// One change of a match played at a network table, as the player's own seat
// sees it, turned so that this seat is S. The server decides every change;
// the controller shows each through the same code as a local match's (a move
// is the rules' own move, played on the controller's state and its cards).
struct TRemoteStep {
    enum TKind { rsStart, rsResume, rsMove, rsDeal, rsHandEnd, rsGameOver };
    TKind kind = rsStart;
    // The seat's whole view right after the change. Cards the seat may not
    // see are kHiddenInView.
    TMatchState state;
    TMove move; // rsMove
    int played = kNoCard; // rsMove: the card the move played
    bool newDeck = false; // rsDeal
    THandEnd end; // rsHandEnd
    // rsResume: the seat's own cards that the table's computer played while
    // the seat was away, in the order they left the hand.
    std::vector<int> playedAway;
};

// A card the seat may not see (another hand's, the deck's) in a remote view.
inline constexpr int kHiddenInView = 1;
