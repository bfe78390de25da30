#pragma once

#include "game/rules/rules_namespace.h"

#include "game/rules/computer_move.h"
#include "game/rules/match_state.h"

#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

namespace zaviko::rules {

// A whole match played by the rules of match_rules.h and a computer's choice
// passed in (the program's own is ChooseSeatMove of game/computer): no card
// groups, no view, no thread, no waits. Every seat, S too, is played by a
// computer strength. Each call has its own random generator seeded from its
// seed, so matches on several threads at once neither share nor disturb the
// process-wide one, and a seed always gives the same match.

struct THeadlessMatchSetup {
    std::uint64_t seed = 0;
    int gameMode = kEachForHimself;
    int deckCount = 0; // 0 one deck, 1 two decks
    std::array<int, kSeatCount> strengths { csPametno, csPametno, csPametno, csPametno };
    // Picks every seat's move; a match without one is refused.
    TSeatChooser chooser;
    bool clockwise = true;
#ifdef NDEBUG
    bool checkCards = false;
#else
    bool checkCards = true;
#endif
    // Turns before the match counts as runaway; a real match needs a few hundred.
    int maxTurns = 100000;
    // Called after every move and every end of a turn, for checks of a
    // stress run; it may throw to end the match.
    std::function<void(const TMatchState&)> afterMove;
};

// What one hand gave each seat (S W N E); hidden seats stay at 0.
struct THandFigures {
    std::array<int, kSeatCount> points {}; // card points taken, the table's rest included
    std::array<int, kSeatCount> cards {}; // cards taken, the rest included
    std::array<int, kSeatCount> clears {}; // tables emptied by a capture
    std::vector<int> bonusSeats; // the seats with the most cards
    bool operator==(const THandFigures&) const = default;
};

struct THeadlessMatchResult {
    std::array<int, kSeatCount> scores {}; // in pairs, S holds S/N and W holds W/E
    int winner = kNoSeat;
    int moves = 0;
    std::vector<THandFigures> hands;
    bool operator==(const THeadlessMatchResult&) const = default;
};

// A broken rule: a card lost or doubled, or a match that does not end.
class EHeadlessMatch : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Plays one match to its end. Throws std::invalid_argument without a chooser,
// EHeadlessMatch when the cards are not
// conserved after a move (with checkCards) or the match outlasts maxTurns.
THeadlessMatchResult PlayHeadlessMatch(const THeadlessMatchSetup& setup);

} // namespace zaviko::rules
