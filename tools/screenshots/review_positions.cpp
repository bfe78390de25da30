#include "tools/screenshots/review_positions.h"

#include "game/rules/match_rules.h"

#include <algorithm>
#include <random>

namespace {

// The events of one hand: a fresh deck from the same generator, and a flag
// when the hand is over.
class THandEvents : public TMatchEvents {
public:
    explicit THandEvents(std::mt19937_64& random)
        : FRandom(random)
    {
    }
    std::vector<int> NewDeck(int deckCount) override { return ShuffledDeck(deckCount, Draw()); }
    void HandEnded(const TMatchState&, const THandEnd&) override { Ended = true; }
    TRandomDraw Draw()
    {
        return [this](int n) { return int(FRandom() % std::uint64_t(std::max(1, n))); };
    }
    bool Ended = false;

private:
    std::mt19937_64& FRandom;
};

// Every capture of one or two table cards each hand card may make; a card
// that takes nothing is laid down.
std::vector<TMove> MovesOf(const TMatchState& state, int seat)
{
    std::vector<TMove> moves;
    const std::vector<TTableSlot> slots = TableSlots(state);
    for (int h = 0; h < kHandSlots; ++h) {
        if (state.hands[seat][h] == kNoCard) continue;
        const std::size_t before = moves.size();
        for (std::size_t a = 0; a < slots.size(); ++a) {
            const std::vector<TTableSlot> one { slots[a] };
            if (IsLegalCapture(state, seat, h, one)) moves.push_back({ seat, h, one });
            for (std::size_t b = a + 1; b < slots.size(); ++b) {
                const std::vector<TTableSlot> two { slots[a], slots[b] };
                if (IsLegalCapture(state, seat, h, two)) moves.push_back({ seat, h, two });
            }
        }
        if (moves.size() == before) moves.push_back({ seat, h, {} });
    }
    return moves;
}

// Invented values: a capture is worth its cards, a lay-down a little less,
// with some spread so the moves' marks differ.
std::vector<TJudgedMove> Judge(const std::vector<TMove>& moves, std::mt19937_64& random)
{
    std::uniform_real_distribution<double> spread(-1.5, 1.5);
    std::vector<TJudgedMove> judged;
    for (const TMove& move : moves)
        judged.push_back({ move, 0.6 * double(move.take.size()) - 0.4 + spread(random), 0.2 });
    std::stable_sort(judged.begin(), judged.end(),
        [](const TJudgedMove& a, const TJudgedMove& b) { return a.value > b.value; });
    return judged;
}

} // namespace

THandReview SampleHandReview(std::uint64_t seed, int gameMode, int hand, bool everyCard)
{
    std::mt19937_64 random(seed);
    THandEvents events(random);
    TMatchState state;
    StartMatch(state, gameMode, 0, true);
    DealNewDeck(state, ShuffledDeck(0, events.Draw()));
    state.CurrentPlayer = SeatS;
    THandReview review;
    review.hand = hand;
    while (!events.Ended) {
        const int seat = state.CurrentPlayer;
        const std::vector<TMove> moves = MovesOf(state, seat);
        TMove chosen = moves.front();
        if (seat == SeatS) {
            TReviewedMove reviewed { state, {}, Judge(moves, random), {} };
            if (everyCard) reviewed.everyCard = Judge(moves, random);
            // Now the best move of the view, now another, as a player errs.
            const std::size_t n = review.moves.size();
            chosen = reviewed.fair[(n * 5) % 3 == 0 ? 0 : (n * 7) % moves.size()].move;
            reviewed.played = chosen;
            review.moves.push_back(std::move(reviewed));
        }
        ApplyMove(state, chosen);
        FinishTurn(state, events);
    }
    return review;
}
