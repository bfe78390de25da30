// A match on plain values from the first deal to the winner.
#include "game/rules/headless_match.h"

#include "game/rules/match_rules.h"

#include <random>
#include <string>

namespace zaviko::rules {

namespace {

class THeadlessEvents : public TMatchEvents {
public:
    THeadlessEvents(const TRandomDraw& draw, std::vector<THandFigures>& hands)
        : FDraw(draw)
        , FHands(hands)
    {
    }

    std::vector<int> NewDeck(int deckCount) override { return ShuffledDeck(deckCount, FDraw); }

    void HandEnded(const TMatchState& state, const THandEnd& end) override
    {
        // The taken lists still hold the whole hand, the table's rest included.
        for (int seat = SeatS; seat <= SeatE; ++seat) {
            Current.cards[seat] = int(state.taken[seat].size());
            for (int id : state.taken[seat])
                Current.points[seat] += CardPoints(id);
        }
        Current.bonusSeats = end.bonusSeats;
        FHands.push_back(std::move(Current));
        Current = {};
    }

    THandFigures Current; // the hand under way; moves add its clears

private:
    const TRandomDraw& FDraw;
    std::vector<THandFigures>& FHands;
};

void CheckCards(const TMatchState& state, const THeadlessMatchSetup& setup)
{
    if (setup.checkCards && !CardsConserved(state))
        throw EHeadlessMatch("Cards are not conserved after move " + std::to_string(state.MovesMade)
            + " (seed " + std::to_string(setup.seed) + ")");
}

// The seat on turn moves as a computer seat does; false when it has no card.
bool PlayTurn(
    TMatchState& state, const TSeatChooser& chooser, int strength, int r, THandFigures& hand)
{
    const int seat = state.CurrentPlayer;
    const TComputerChoice choice = chooser(state, seat, strength, r);
    if (choice.handSlot < 0) return false;
    if (ApplyMove(state, MoveOfChoice(state, seat, choice)).tableCleared) ++hand.clears[seat];
    return true;
}

} // namespace

THeadlessMatchResult PlayHeadlessMatch(const THeadlessMatchSetup& setup)
{
    if (!setup.chooser) throw std::invalid_argument("A headless match needs a seat chooser");
    std::mt19937_64 generator(setup.seed);
    const TRandomDraw draw = [&generator](int n) {
        if (n <= 0) return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(generator);
    };
    THeadlessMatchResult result;
    THeadlessEvents events(draw, result.hands);
    TMatchState state;
    StartMatch(state, setup.gameMode, setup.deckCount, setup.clockwise);
    DealNewDeck(state, events.NewDeck(setup.deckCount));
    state.CurrentPlayer = FirstPlayerOfDraw(draw(setup.gameMode == kTwoPlayers ? 2 : 4));
    for (int turn = 0; !state.GameOver; ++turn) {
        if (turn >= setup.maxTurns)
            throw EHeadlessMatch("The match did not end within " + std::to_string(setup.maxTurns)
                + " turns (seed " + std::to_string(setup.seed) + ")");
        // Drawn for every move, whatever the strength, as the game's seats do.
        const int r = draw(10);
        if (PlayTurn(
                state, setup.chooser, setup.strengths[state.CurrentPlayer], r, events.Current)) {
            CheckCards(state, setup);
            if (setup.afterMove) setup.afterMove(state);
        }
        FinishTurn(state, events);
        CheckCards(state, setup);
        if (setup.afterMove) setup.afterMove(state);
    }
    result.scores = state.Score;
    result.winner = WinnerSeat(state);
    result.moves = state.MovesMade;
    return result;
}

} // namespace zaviko::rules
