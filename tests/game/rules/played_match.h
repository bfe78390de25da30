#pragma once

#include "game/rules/match_file.h"
#include "game/rules/match_rules.h"

#include <algorithm>
#include <random>
#include <sstream>

struct TNoDeals : TMatchEvents {
    std::vector<int> NewDeck(int deckCount) override { return FreshDeck(deckCount); }
};

inline std::string GeneratorText(const std::mt19937_64& generator)
{
    std::ostringstream out;
    out << generator;
    return out.str();
}

// Three rounds of a four-player hand dealt from the seed, every seat laying
// its first card down; before each of the human's moves an undo step, the
// generator drawing a few numbers between them as the computers would.
inline TSavedMatch Played(unsigned seed = 5)
{
    TSavedMatch match;
    TMatchState& s = match.state;
    StartMatch(s, kEachForHimself, 0, true);
    std::vector<int> deck = FreshDeck(0);
    std::mt19937_64 generator(seed);
    ShuffleDeck(deck, 1, [&generator](int n) { return int(generator() % unsigned(n)); });
    DealNewDeck(s, deck);
    s.CurrentPlayer = SeatS;
    TNoDeals events;
    for (int round = 0; round < 3; ++round) {
        match.undo.push_back(
            { s, match.lastMoves, GeneratorText(generator), 0, match.history.size() });
        for (int seat : { SeatS, SeatW, SeatN, SeatE }) {
            const auto& hand = s.hands[seat];
            const int slot = int(std::find_if(hand.begin(), hand.end(), [](int id) {
                return id != kNoCard;
            }) - hand.begin());
            const TMoveOutcome laid = ApplyMove(s, { seat, slot, {} });
            match.lastMoves[seat] = { laid.playedId, {} };
            match.history.push_back({ s.HandsPlayed, seat, laid.playedId, {} });
            FinishTurn(s, events);
            generator.discard(std::uint64_t(round + seat));
        }
    }
    match.randomState = GeneratorText(generator);
    match.humanClears = 0;
    match.undoUsed = true;
    return match;
}
