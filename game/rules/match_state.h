#pragma once

#include "game/rules/rules_namespace.h"

#include <array>
#include <vector>

namespace zaviko::rules {

// The state of one match on plain values: every card is an ID (2..53), an
// empty slot is kNoCard. The rules in match_rules.h change it; the controller
// shows it on the card groups, and a headless match plays it with nothing else.

enum TSeat : int { SeatS = 0, SeatW = 1, SeatN = 2, SeatE = 3 };
inline constexpr int kSeatCount = 4;
inline constexpr int kNoSeat = -1;

// Game modes, the settings' NumberOfPlayers.
inline constexpr int kEachForHimself = 0;
inline constexpr int kPairs = 1;
inline constexpr int kTwoPlayers = 2;

inline constexpr int kNoCard = 0;
inline constexpr int kHandSlots = 6;
inline constexpr int kRowSlots = 6; // each table row at the start of a deck
inline constexpr int kTableRows = 2;
inline constexpr int kFirstTableCards = 4;

// A slot of the table: row 0 is the upper row (Talon1), row 1 the lower.
struct TTableSlot {
    int row = 0;
    int slot = 0;
    bool operator==(const TTableSlot&) const = default;
};

// One row of a score table: card points, table clears, most-cards bonuses.
struct TScoreCells {
    int points = 0;
    int clears = 0;
    int bonus = 0;
    int Total() const { return points + clears + bonus; }
    bool operator==(const TScoreCells&) const = default;
};

using THand = std::array<int, kHandSlots>;

struct TMatchState {
    int GameMode = kEachForHimself;
    int DeckCount = 0; // 0 one deck, 1 two decks
    bool Clockwise = true;

    std::array<THand, kSeatCount> hands {};
    // Each row starts a deck with kRowSlots slots; a full table grows a row.
    std::array<std::vector<int>, kTableRows> table { std::vector<int>(kRowSlots, kNoCard),
        std::vector<int>(kRowSlots, kNoCard) };
    // The cards each seat has taken in this hand, in taking order.
    std::array<std::vector<int>, kSeatCount> taken;
    // Match scores; in pairs S/N score on S and W/E on W.
    std::array<int, kSeatCount> Score {};
    // The score table's rows, indexed by ScoreRow(seat) - 1.
    std::array<TScoreCells, kSeatCount> cells {};
    // What of `cells` was scored in the hand under way, for the end-of-hand
    // display; emptied with the taken lists.
    std::array<TScoreCells, kSeatCount> handCells {};
    // The cards not yet dealt; the next card is the last.
    std::vector<int> deck;

    int CurrentPlayer = SeatS;
    // The seat of the last capture; kNoSeat until somebody captures in this match.
    int LastTaker = kNoSeat;
    // The seat that made the last move, human or computer.
    int LastPlayer = kNoSeat;
    bool GameOver = false;
    int MovesMade = 0; // in this match
    int HandsPlayed = 0; // hands completed in this match

    bool operator==(const TMatchState&) const = default;
};

} // namespace zaviko::rules
