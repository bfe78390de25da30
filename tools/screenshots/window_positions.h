#pragma once

#include "game/rules/match_state.h"

#include <array>
#include <vector>

// Match positions for the window sheet that play reaches only by chance.
// Every card of one deck is somewhere: on the table, in a hand, in a taken
// list (`taken` cards per seat, scored as captures, S with one table clear
// when it took any) or in the deck.
TMatchState SheetPosition(int gameMode, const std::vector<int>& upperRow,
    const std::vector<int>& lowerRow, const std::array<THand, kSeatCount>& hands, int onTurn,
    const std::array<int, kSeatCount>& taken);

// Early in the first hand, `onTurn` to play. West's king of diamonds can take
// the ten of diamonds with the four of spades, its best capture.
TMatchState OpenPosition(int onTurn);
// The human on turn over a table of 16 cards, two rows grown to eight, with
// captures scored in the score table.
TMatchState GrownTablePosition();
// The last card of the first hand in the human's hand, six cards on the
// table, West the last to capture: laid down, it ends the hand.
TMatchState LastCardPosition();
// The end of the first hand: the table and the hands empty, every card
// taken, the most-cards bonus to S.
TMatchState HandEndPosition();
