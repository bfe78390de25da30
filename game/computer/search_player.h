#pragma once

#include "game/computer/computer_namespace.h"

#include "game/computer/computer_choice.h"
#include "game/rules/match_state.h"

#include <functional>
#include <vector>

namespace zaviko::computer {

// "Majstor": a search over the cards the seat cannot see. Each sample deals
// the unseen cards anew, consistently with what the seat knows
// (hidden_sampler.h); on it every candidate move is played out to the end of
// the hand (with two players and two decks, a few moves further) by a fast
// policy, the same sample for every candidate, so their
// differences come from the moves and not from the deal. The move with the
// best mean wins (its side's score gain in the hand, a pair's together, less
// the best opponent side's) when it clearly beats the one-move judgement's
// choice (master_choice.h); equal means go to the move met first in candidate
// order (move_candidates.h).
//
// The samples draw from their own generators, seeded from what the seat
// knows of the position, so the search neither reads nor moves the match's
// generator, and a position always gets the same choice, on any number of
// threads.

// Playouts per decision, set so that the median decision takes about 20 ms
// of one core of the machine the figures were measured on and the worst
// well under 150 ms, in every mode and deck count: time a player does not
// notice, which more playouts turn into strength (docs/STRENGTH.md).
// zaviko_bench prints the times; ZAVIKO_SEARCH_BUDGET pins a smaller count
// for test runs. One deck, any mode:
inline constexpr int kDefaultSearchBudget = 3600;
// Two players with two decks: a playout ends at the first deal after this
// many moves and the most-cards race is then estimated from the lead (a
// whole hand of 104 cards is so long a road that its outcome hides the
// move's); such playouts are short, so there are more of them.
inline constexpr int kTwoDeckPlayoutMoves = 8;
inline constexpr int kTwoDeckSearchBudget = 6000;
// Four players with two decks play whole hands of 104 cards.
inline constexpr int kFourPlayersTwoDeckSearchBudget = 1500;
// A budget that stands for the default of the position's mode and decks.
inline constexpr int kPositionBudget = -1;
// The most candidates searched; the others are dropped by their own gain.
inline constexpr int kMostSearchedMoves = 12;
// The share of wandering moves in a playout.
inline constexpr double kPlayoutWander = 0.25;
// How many standard errors of the paired differences the best candidate must
// lead the one-move judgement's choice by to replace it.
inline constexpr double kTrustedLead = 1.0;

// A thread count that stands for every core of the machine.
inline constexpr int kMachineThreads = 0;

struct TSearchSettings {
    int budget = kPositionBudget; // playouts at most
    // The samples spread over these. The choice is the same on any number:
    // each sample's playouts are summed in sample order.
    int threads = kMachineThreads;
    // The strength whose choice plays every seat in a playout.
    int playoutStrength = csPametno;
    // The most candidates searched (kMostSearchedMoves unless measured
    // otherwise).
    int mostSearched = kMostSearchedMoves;
    // The share of playout moves made with a hand card drawn at random (its
    // richest capture, else laid down) instead of the strength's choice, so
    // the playouts of a sample see more than one line of play (measured
    // stronger than none at the same budget: docs/STRENGTH.md).
    double playoutWander = kPlayoutWander;
    // Two players with two decks: the moves a playout makes before it stops
    // at the next deal (more than a hand holds plays the hand out).
    int twoDeckPlayoutMoves = kTwoDeckPlayoutMoves;
    // The standard errors the best candidate must lead the one-move
    // judgement's choice by.
    double trustedLead = kTrustedLead;
    // The budget spent by sequential halving (the better half of the
    // candidates kept after each round of samples) rather than evenly; for
    // measuring: with two decks it measured no stronger than the even split
    // (docs/STRENGTH.md).
    bool halving = false;
    // Asked between playouts, on the search's threads: true ends the search
    // at once. It must be safe to call from several threads at a time.
    std::function<bool()> stopped;
    // For measuring only, never a seat of the game: the playouts run on the
    // position's real hidden cards instead of guesses of them, so the search
    // is as strong as full knowledge makes a searcher of its shape, the bound
    // a fair searcher is measured against.
    bool peekAtHiddenCards = false;
};

// A move's playouts: the mean of its score differences (the seat's side's
// gain less the best other side's) and that mean's standard error.
struct TMoveValue {
    TComputerChoice choice;
    double mean = 0;
    double stdError = 0;
};

struct TSearchResult {
    TComputerChoice choice;
    // The searched candidates' values in candidate order; empty when no
    // sample was played out whole.
    std::vector<TMoveValue> values;
    int candidates = 0;
    int samples = 0; // samples played out for every candidate
    int playouts = 0;
    bool stopped = false;
};

// The default budget for the mode and the deck count (0 one deck, 1 two).
int DefaultSearchBudget(int gameMode, int deckCount);

// What kPositionBudget stands for: the default, or the playouts that the
// environment variable ZAVIKO_SEARCH_BUDGET names. Test, stress and
// real-window runs pin a small budget through it, so they take as long
// whatever the game's default.
int PositionSearchBudget(int gameMode, int deckCount);
// The environment's pinned count of playouts, or `budget` when none is set.
int PinnedSearchBudget(int budget);
inline constexpr const char* kSearchBudgetVariable = "ZAVIKO_SEARCH_BUDGET";

// The threads a search of these settings runs on: kMachineThreads is the
// machine's core count.
int SearchThreads(const TSearchSettings& settings);

TSearchResult SearchMove(const TMatchState& state, int seat, const TSearchSettings& settings = {});

// Every given move of the seat played out on the same samples the search
// draws (from what the seat knows, unless the settings peek), the budget
// spread evenly: at least two samples each, however many moves, so each gets
// a standard error. The values come in the moves' order; none when stopped
// before a sample was played out whole. The moves need not be candidates
// the search would pick: this values any legal move, for the review of a
// player's moves.
struct TValuedMoves {
    std::vector<TMoveValue> values;
    int samples = 0;
    int playouts = 0;
    bool stopped = false;
};
TValuedMoves ValueMoves(const TMatchState& state, int seat,
    const std::vector<TComputerChoice>& choices, const TSearchSettings& settings = {});

} // namespace zaviko::computer
