#include "tools/selfplay/selfplay_options.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>

const char* const kSelfPlayUsage = R"(Usage: zaviko-selfplay [options]
Plays whole matches between computer seats and prints each seat's wins.

  --matches N     matches to play (default 1000)
  --mode MODE     two (default), each (four, each for himself) or pairs
  --decks N       1 (default) or 2
  --seats LIST    strengths in seat order S,W,N,E; with two players S,N
                  (names pametno, prosecno, glupo, majstor, heuristic
                  or 0..4; default pametno everywhere); majstor:N gives
                  the seat its own budget; peek is the search that sees
                  every hidden card, a bound for measuring, no fair level;
                  a searcher's :c=N searches at most N candidates and its
                  :w=P makes P% of the playout moves with a random card;
                  with two players and two decks its :m=N playouts stop
                  at the first deal after N moves (default 8), and :t=P
                  takes its best move over the one-move judgement's when
                  it leads by more than P% of a standard error (100);
                  :h=1 spends the budget by sequential halving of the
                  candidates, :h=0 evenly
  --both-orders   the seats turned one place round the table each match
                  (two players: swapped every other match), so every seat
                  order plays equally often; figures by the listed seats
  --master-budget N  "Majstor"'s playouts per decision (default: the game's
                  for the mode and decks, or ZAVIKO_SEARCH_BUDGET when set)
  --seed N        base seed; the same seed plays the same matches
  --threads N     worker threads (default: one per core)
  --csv FILE      writes one row per match
  --round-robin   plays every pairing of the levels instead, N matches each
                  (half in each seat order), and rates the levels (Elo)
  --levels LIST   the round robin's levels (default glupo,prosecno,
                  pametno,majstor)
  --no-progress   no progress bar
  --help          this text
)";

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

long long Number(const std::string& option, const std::string& text, long long low, long long high)
{
    std::size_t used = 0;
    long long value = 0;
    try {
        value = std::stoll(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || value < low || value > high)
        throw std::invalid_argument(option + " wants a number from " + std::to_string(low) + " to "
            + std::to_string(high) + ", not \"" + text + "\"");
    return value;
}

int Mode(const std::string& text)
{
    const std::string mode = Lower(text);
    if (mode == "two" || mode == "2") return kTwoPlayers;
    if (mode == "each" || mode == "0") return kEachForHimself;
    if (mode == "pairs" || mode == "1") return kPairs;
    throw std::invalid_argument("--mode wants two, each or pairs, not \"" + text + "\"");
}

struct TListedSeat {
    int strength = csPametno;
    TSeatTuning tuning;
};

// "majstor", "majstor:800" or "majstor:800:c=6:w=10": a strength and, for a
// searcher, its budget, most candidates and wandering percentage.
TListedSeat ListedSeat(const std::string& item)
{
    std::stringstream parts(item);
    std::string name;
    std::getline(parts, name, ':');
    const std::optional<int> strength = ParseStrength(name);
    if (!strength) throw std::invalid_argument("unknown strength \"" + item + "\"");
    TListedSeat seat { *strength, {} };
    for (std::string part; std::getline(parts, part, ':');) {
        if (seat.strength != csMajstor && seat.strength != kPeekingSearcher)
            throw std::invalid_argument("only a searcher takes settings: \"" + item + "\"");
        if (part.rfind("c=", 0) == 0)
            seat.tuning.mostSearched = int(Number("--seats", part.substr(2), 1, 64));
        else if (part.rfind("w=", 0) == 0)
            seat.tuning.wander = double(Number("--seats", part.substr(2), 0, 100)) / 100;
        else if (part.rfind("t=", 0) == 0)
            seat.tuning.trustedLead = double(Number("--seats", part.substr(2), 0, 1000)) / 100;
        else if (part.rfind("h=", 0) == 0)
            seat.tuning.halving = int(Number("--seats", part.substr(2), 0, 1));
        else if (part.rfind("m=", 0) == 0)
            seat.tuning.twoDeckMoves = int(Number("--seats", part.substr(2), 1, 1000));
        else
            seat.tuning.budget = int(Number("--seats", part, 0, 1000000));
    }
    return seat;
}

std::vector<TListedSeat> ListedSeats(const std::string& text)
{
    std::vector<TListedSeat> listed;
    std::stringstream stream(text);
    for (std::string item; std::getline(stream, item, ',');)
        listed.push_back(ListedSeat(item));
    return listed;
}

std::vector<int> Strengths(const std::string& text)
{
    std::vector<int> listed;
    for (const TListedSeat& seat : ListedSeats(text)) {
        if (seat.tuning.budget != kPositionBudget || seat.tuning.mostSearched >= 0
            || seat.tuning.wander >= 0 || seat.tuning.twoDeckMoves >= 0
            || seat.tuning.trustedLead >= 0 || seat.tuning.halving >= 0)
            throw std::invalid_argument("--levels take no settings of their own");
        listed.push_back(seat.strength);
    }
    return listed;
}

// Two players use only S and N: a list of two names them.
void ReadSeats(TSelfPlayOptions& o, const std::string& text)
{
    const std::vector<TListedSeat> listed = ListedSeats(text);
    std::vector<int> seats;
    if (o.gameMode == kTwoPlayers && listed.size() == 2)
        seats = { SeatS, SeatN };
    else if (listed.size() == kSeatCount)
        seats = { SeatS, SeatW, SeatN, SeatE };
    else
        throw std::invalid_argument("--seats wants four strengths (S,W,N,E), or two (S,N) "
                                    "with two players");
    for (std::size_t i = 0; i < seats.size(); ++i) {
        o.strengths[seats[i]] = listed[i].strength;
        o.tunings[seats[i]] = listed[i].tuning;
    }
}

} // namespace

std::optional<int> ParseStrength(const std::string& text)
{
    static const char* const names[]
        = { "pametno", "prosecno", "glupo", "majstor", "heuristic", "peek" };
    const std::string name = Lower(text);
    // The peeking searcher by its name only, never by a level's number.
    for (int i = 0; i <= kPeekingSearcher; ++i)
        if (name == names[i] || (i < kPeekingSearcher && name == std::to_string(i))) return i;
    return std::nullopt;
}

const char* StrengthName(int strength)
{
    static const char* const names[]
        = { "Pametno", "Prosecno", "Glupo", "Majstor", "Heuristic", "Peek" };
    return strength >= 0 && strength <= kPeekingSearcher ? names[strength] : "?";
}

std::string SeatName(const TSelfPlayOptions& options, int seat)
{
    std::string name = StrengthName(options.strengths[seat]);
    const TSeatTuning& tuning = options.tunings[seat];
    if (tuning.budget != kPositionBudget) name += ":" + std::to_string(tuning.budget);
    if (tuning.mostSearched >= 0) name += ":c=" + std::to_string(tuning.mostSearched);
    if (tuning.wander >= 0) name += ":w=" + std::to_string(int(tuning.wander * 100 + 0.5));
    if (tuning.twoDeckMoves >= 0) name += ":m=" + std::to_string(tuning.twoDeckMoves);
    if (tuning.trustedLead >= 0)
        name += ":t=" + std::to_string(int(tuning.trustedLead * 100 + 0.5));
    if (tuning.halving >= 0) name += ":h=" + std::to_string(tuning.halving);
    return name;
}

TSearchSettings SeatSearch(const TSelfPlayOptions& options, int seat)
{
    const TSeatTuning& tuning = options.tunings[seat];
    TSearchSettings search;
    search.budget = tuning.budget == kPositionBudget ? options.masterBudget : tuning.budget;
    if (tuning.mostSearched >= 0) search.mostSearched = tuning.mostSearched;
    if (tuning.wander >= 0) search.playoutWander = tuning.wander;
    if (tuning.twoDeckMoves >= 0) search.twoDeckPlayoutMoves = tuning.twoDeckMoves;
    if (tuning.trustedLead >= 0) search.trustedLead = tuning.trustedLead;
    if (tuning.halving >= 0) search.halving = tuning.halving == 1;
    search.threads = 1;
    search.peekAtHiddenCards = options.strengths[seat] == kPeekingSearcher;
    return search;
}

int MasterBudget(const TSelfPlayOptions& options)
{
    return options.masterBudget == kPositionBudget
        ? PositionSearchBudget(options.gameMode, options.deckCount)
        : options.masterBudget;
}

TSelfPlayOptions ParseSelfPlayOptions(const std::vector<std::string>& args)
{
    TSelfPlayOptions o;
    std::string seats;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw std::invalid_argument(arg + " wants a value");
            return args[++i];
        };
        if (arg == "--help" || arg == "-h")
            o.help = true;
        else if (arg == "--matches")
            o.matches = int(Number(arg, value(), 1, 100000000));
        else if (arg == "--mode")
            o.gameMode = Mode(value());
        else if (arg == "--decks")
            o.deckCount = int(Number(arg, value(), 1, 2)) - 1;
        else if (arg == "--master-budget")
            o.masterBudget = int(Number(arg, value(), 0, 1000000));
        else if (arg == "--seats")
            seats = value();
        else if (arg == "--seed") {
            o.seed = std::uint64_t(Number(arg, value(), 0, 1LL << 62));
            o.seedGiven = true;
        } else if (arg == "--threads")
            o.threads = int(Number(arg, value(), 1, 256));
        else if (arg == "--csv")
            o.csvPath = value();
        else if (arg == "--no-progress")
            o.progress = false;
        else if (arg == "--both-orders")
            o.bothOrders = true;
        else if (arg == "--round-robin")
            o.roundRobin = true;
        else if (arg == "--levels") {
            o.levels = Strengths(value());
            if (o.levels.size() < 2) throw std::invalid_argument("--levels wants two or more");
        } else
            throw std::invalid_argument("unknown option \"" + arg + "\"");
    }
    if (o.roundRobin && (!seats.empty() || !o.csvPath.empty()))
        throw std::invalid_argument("--round-robin seats the levels itself and writes no CSV");
    // The mode may come after the list, so the list is read last.
    if (!seats.empty()) ReadSeats(o, seats);
    return o;
}
