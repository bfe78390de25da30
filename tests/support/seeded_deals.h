#pragma once

#include "game/rules/match_rules.h"

#include <cstdint>
#include <random>
#include <vector>

// The events of a match played on the rules alone whose decks and draws all
// come from one seeded generator, so a seed repeats the match.
class TSeededDeals : public TMatchEvents {
public:
    explicit TSeededDeals(std::uint64_t seed)
        : FGenerator(seed)
    {
    }
    TSeededDeals(const TSeededDeals&) = delete;
    TSeededDeals& operator=(const TSeededDeals&) = delete;

    std::vector<int> NewDeck(int deckCount) override
    {
        std::vector<int> deck = FreshDeck(deckCount);
        ShuffleDeck(deck, 2, draw);
        return deck;
    }

    // A number in [0, n), 0 for n <= 0.
    const TRandomDraw draw = [this](int n) {
        return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(FGenerator);
    };

private:
    std::mt19937_64 FGenerator;
};
