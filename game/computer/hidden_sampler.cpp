#include "game/computer/hidden_sampler.h"

#include <algorithm>
#include <random>
#include <stdexcept>
#include <vector>

namespace zaviko::computer {

TMatchState PublicState(const TMatchState& state, int seat)
{
    TMatchState view = state;
    for (int s = SeatS; s <= SeatE; ++s)
        if (s != seat)
            for (int& id : view.hands[s])
                if (id != kNoCard) id = kHiddenCard;
    std::fill(view.deck.begin(), view.deck.end(), kHiddenCard);
    return view;
}

TMatchState SampleHiddenCards(
    const TMatchState& publicState, const TSeatKnowledge& knowledge, TPlayoutRandom& generator)
{
    const std::array<int, kCardIds> unseen = UnseenCards(knowledge);
    std::vector<int> pool;
    for (int id = 2; id < kCardIds; ++id)
        pool.insert(pool.end(), unseen[id], id);
    TMatchState sample = publicState;
    std::vector<int*> places;
    for (int s = SeatS; s <= SeatE; ++s)
        for (int& id : sample.hands[s])
            if (id == kHiddenCard) places.push_back(&id);
    for (int& id : sample.deck)
        if (id == kHiddenCard) places.push_back(&id);
    if (places.size() != pool.size())
        throw std::logic_error("The hidden places and the unseen cards do not add up");
    // A partial Fisher-Yates draw: each place takes a card from the rest.
    for (std::size_t i = 0; i < places.size(); ++i) {
        const std::size_t j
            = std::uniform_int_distribution<std::size_t>(i, pool.size() - 1)(generator);
        std::swap(pool[i], pool[j]);
        *places[i] = pool[i];
    }
    return sample;
}

} // namespace zaviko::computer
