#pragma once

#include "game/rules/match_rules.h"
#include "net/protocol/error_code.h"
#include "net/protocol/match_event.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <random>

// One match at a table, played a move at a time: the rules of game/rules
// decide every deal, capture and score, whoever chose the move. Its random
// draws come in the same order as a headless match's (a Random(10) draw
// before every move, whoever moves), so a seed gives the same deals and the
// same computer moves there and here.

namespace zaviko::net {

struct TTableMatchSetup {
    std::uint64_t seed = 0;
    int mode = kEachForHimself;
    int decks = 0;
    bool clockwise = true;
};

class TTableMatch : private TMatchEvents {
public:
    // Called for every change, with the state right after it: a move before
    // any refill, a deal, the end of a hand before the taken cards go.
    using TChanged = std::function<void(const TMatchState&, const TMatchEvent&)>;

    TTableMatch(const TTableMatchSetup& setup, TChanged changed);

    // Deals the first deck and draws the first player.
    void Start();
    const TMatchState& State() const { return FState; }
    bool Over() const { return FState.GameOver; }
    int Turn() const { return FState.CurrentPlayer; }

    // Why the seat may not make the move now; nothing when it may.
    std::optional<ErrorCode> Refusal(const TMove& move) const;
    // Makes a move Refusal accepted, then ends the turn.
    void Play(const TMove& move);
    // The computer's move for the seat on turn at a strength, from what that
    // seat may know (the weaker strengths from its hand and the table), as a
    // task on a copy of the position that may run on another thread.
    std::function<TMove()> ComputerMoveTask(int strength) const;

private:
    std::vector<int> NewDeck(int deckCount) override;
    void TurnChanged(const TMatchState& state) override;
    void Dealt(const TMatchState& state, bool newDeck) override;
    void HandEnded(const TMatchState& state, const THandEnd& end) override;
    int Draw(int n);
    void NextTurn();

    TMatchState FState;
    std::mt19937_64 FGenerator;
    TChanged FChanged;
    int FDraw = 0; // the Random(10) draw of the turn under way
    std::optional<TMatchEvent> FPendingMove; // told once the turn has moved on
};

} // namespace zaviko::net
