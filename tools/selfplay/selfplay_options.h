#pragma once

#include "game/computer/search_player.h"
#include "game/rules/headless_match.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A seat of this tool only, never a level of the game: the search given
// every hidden card ("peek"), the bound a fair "Majstor" is measured against.
inline constexpr int kPeekingSearcher = 5;

// What a searcher seat may set for itself: its budget, the most candidates
// it searches, the share of wandering playout moves; below 0, the default.
struct TSeatTuning {
    int budget = kPositionBudget;
    int mostSearched = -1;
    double wander = -1;
    int twoDeckMoves = -1;
    double trustedLead = -1;
    int halving = -1; // 1 sequential halving, 0 an even split
};

// The command line of zaviko-selfplay.
struct TSelfPlayOptions {
    int matches = 1000;
    int gameMode = kTwoPlayers;
    int deckCount = 0; // 0 one deck, 1 two decks
    std::array<int, kSeatCount> strengths { csPametno, csPametno, csPametno, csPametno };
    // "Majstor"'s playouts per decision; kPositionBudget: the game's default.
    int masterBudget = kPositionBudget;
    // A searcher seat's own settings ("majstor:800:c=6:w=0.1"); unset ones
    // follow masterBudget and the search's defaults.
    std::array<TSeatTuning, kSeatCount> tunings {};
    // The seats turned one place round the table each match (two players: S
    // and N swapped every other match), the figures turned back to the listed
    // seats: each seat order equally often.
    bool bothOrders = false;
    std::uint64_t seed = 0;
    bool seedGiven = false;
    int threads = 0; // 0: one per core
    std::string csvPath;
    bool progress = true; // drawn only when stderr is a terminal
    bool help = false;
    // A round robin of levels instead of one run of fixed seats.
    bool roundRobin = false;
    std::vector<int> levels { csGlupo, csProsecno, csPametno, csMajstor };
};

// The strength a name or number means: pametno 0, prosecno 1, glupo 2,
// majstor 3, heuristic 4 (the one-move "Majstor" the search is measured
// against; any letter case), and by name alone peek (kPeekingSearcher);
// nothing for anything else.
std::optional<int> ParseStrength(const std::string& text);
// The strength's name as the options dialog shows it.
const char* StrengthName(int strength);
// The listed seat's name in the tables: its strength, and its own budget.
std::string SeatName(const TSelfPlayOptions& options, int seat);
// The search settings of a listed seat: its budget, one thread (the run
// spreads whole matches over the cores), and the peek of kPeekingSearcher.
TSearchSettings SeatSearch(const TSelfPlayOptions& options, int seat);

// The playouts per decision the options give "Majstor" in their mode and
// decks (PositionSearchBudget unless named).
int MasterBudget(const TSelfPlayOptions& options);

// Reads the arguments (without the program name); throws
// std::invalid_argument with a message for the user on a bad one.
TSelfPlayOptions ParseSelfPlayOptions(const std::vector<std::string>& args);

extern const char* const kSelfPlayUsage;
