#include "game/computer/search_player.h"

#include "game/computer/hidden_sampler.h"
#include "game/computer/move_candidates.h"
#include "game/computer/master_choice.h"
#include "game/computer/playout_random.h"
#include "game/computer/reply_estimate.h"
#include "game/rules/match_rules.h"
#include "game/computer/seat_knowledge.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <limits>
#include <random>
#include <thread>

namespace zaviko::computer {

namespace {

constexpr int kCardsPerDeck = 52;

// Spreads close inputs far apart: the first draw of a generator seeded with z.
std::uint64_t Mix(std::uint64_t z)
{
    return TPlayoutRandom(z)();
}

// A seed from the public parts of the position only.
std::uint64_t PositionSeed(const TSeatKnowledge& k, const TMatchState& view)
{
    std::uint64_t h = Mix(std::uint64_t(k.seat) << 8 | std::uint64_t(k.gameMode) << 4
        | std::uint64_t(k.deckCount) << 2 | std::uint64_t(k.clockwise));
    const auto add = [&h](long long v) { h = Mix(h ^ std::uint64_t(v)); };
    for (int id : k.hand)
        add(id);
    for (int id : k.table)
        add(id);
    for (int n : k.seen)
        add(n);
    for (int s = SeatS; s <= SeatE; ++s) {
        add(k.takenCount[s]);
        add(k.handCount[s]);
        add(view.Score[s]);
    }
    add(k.cardsLeft);
    add(k.lastTaker);
    add(view.MovesMade);
    add(view.HandsPlayed);
    return h;
}

// What one thread's playouts reuse, so that a playout's moves allocate as
// little as they can: the playout's state (its vectors keep their room from
// one playout to the next), the table's cards and slots, the move.
struct TPlayoutScratch {
    TMatchState state;
    std::vector<int> tableIds;
    std::vector<TTableSlot> tableSlots;
    TMove move;
};

TComputerChoice PolicyChoice(
    const TMatchState& state, int seat, int strength, TPlayoutScratch& scratch)
{
    if (strength == csMajstor || strength == csHeuristicMajstor)
        return ChooseMasterMove(SeatKnowledgeOf(state, seat));
    FillTableIds(state, scratch.tableIds);
    return ChooseComputerMove(state.hands[seat], scratch.tableIds, strength, 5);
}

// A playout's policy: the strength's choice, or now and then the richest move
// of a hand card drawn at random.
struct TPlayoutPolicy {
    int strength = csPametno;
    double wander = 0;
    TPlayoutRandom* generator = nullptr;
    TPlayoutScratch* scratch = nullptr;

    TComputerChoice Choose(const TMatchState& state, int seat) const
    {
        if (wander <= 0 || std::uniform_real_distribution<double>(0, 1)(*generator) >= wander)
            return PolicyChoice(state, seat, strength, *scratch);
        THand alone {};
        int filled = 0;
        for (int slot = 0; slot < kHandSlots; ++slot)
            filled += state.hands[seat][slot] != kNoCard;
        int pick = std::uniform_int_distribution<int>(0, std::max(filled - 1, 0))(*generator);
        for (int slot = 0; slot < kHandSlots; ++slot)
            if (state.hands[seat][slot] != kNoCard && pick-- == 0)
                alone[slot] = state.hands[seat][slot];
        FillTableIds(state, scratch->tableIds);
        return ChooseComputerMove(alone, scratch->tableIds, csPametno, 5);
    }
};

void Apply(TMatchState& state, int seat, const TComputerChoice& choice, TPlayoutScratch& scratch)
{
    TMove& move = scratch.move;
    move.seat = seat;
    move.handSlot = choice.handSlot;
    move.take.clear();
    if (choice.capture) {
        FillTableSlots(state, scratch.tableSlots);
        for (int position : choice.tablePositions)
            move.take.push_back(scratch.tableSlots.at(std::size_t(position)));
    }
    ApplyMove(state, move);
}

bool CutShort(int gameMode, int deckCount)
{
    return gameMode == kTwoPlayers && deckCount == 1;
}

// Two players: the race's value of the seat's lead when a playout stops
// before the hand's end.
double RaceOutlook(const TMatchState& state, int seat)
{
    const int other = seat == SeatS ? SeatN : SeatS;
    int taken = 0;
    for (int s = SeatS; s <= SeatE; ++s)
        taken += int(state.taken[s].size());
    return RaceLeadValue(int(state.taken[seat].size()) - int(state.taken[other].size()),
        kCardsPerDeck * (state.DeckCount + 1) - taken);
}

// Plays the move and the rest of the hand on the scratch's copy of the
// sample, or, when `moves` >= 0, stops at the first deal after that many
// moves; the seat's side's gain less the best other side's.
double Playout(const TMatchState& sample, int seat, const TComputerChoice& first,
    const TPlayoutPolicy& policy, int moves)
{
    TMatchState& state = policy.scratch->state;
    state = sample;
    const std::array<int, kSeatCount> before = state.Score;
    Apply(state, seat, first, *policy.scratch);
    bool cut = false;
    for (int made = 1;; ++made) {
        NextPlayer(state);
        const int next = state.CurrentPlayer;
        if (HandEmpty(state, next)) {
            if (moves >= 0 && made >= moves && !state.deck.empty()) {
                cut = true;
                break;
            }
            if (state.deck.empty() || DealRest(state) == 0 || HandEmpty(state, next)) {
                EndHand(state);
                break;
            }
        }
        const TComputerChoice choice = policy.Choose(state, next);
        if (choice.handSlot >= 0) Apply(state, next, choice, *policy.scratch);
    }
    const int own = ScoringSeat(state.GameMode, seat);
    double best = -std::numeric_limits<double>::infinity();
    for (int s = SeatS; s <= SeatE; ++s)
        if (SeatPlays(state.GameMode, s) && ScoringSeat(state.GameMode, s) == s && s != own)
            best = std::max(best, double(state.Score[s] - before[s]));
    const double gain = double(state.Score[own] - before[own]) - best;
    return cut ? gain + RaceOutlook(state, seat) : gain;
}

} // namespace

int DefaultSearchBudget(int gameMode, int deckCount)
{
    if (deckCount == 0) return kDefaultSearchBudget;
    return CutShort(gameMode, deckCount) ? kTwoDeckSearchBudget : kFourPlayersTwoDeckSearchBudget;
}

int PositionSearchBudget(int gameMode, int deckCount)
{
    return PinnedSearchBudget(DefaultSearchBudget(gameMode, deckCount));
}

int PinnedSearchBudget(int budget)
{
    // Read on each search, so a test may set it; anything but a plain count
    // of playouts leaves the given budget.
    if (const char* text = std::getenv(kSearchBudgetVariable)) {
        char* end = nullptr;
        const long pinned = std::strtol(text, &end, 10);
        if (end != text && *end == '\0' && pinned >= 0 && pinned <= 1000000) return int(pinned);
    }
    return budget;
}

int SearchThreads(const TSearchSettings& settings)
{
    if (settings.threads != kMachineThreads) return settings.threads;
    return int(std::max(1U, std::thread::hardware_concurrency()));
}

namespace {

// Every sample's playout of every move, sample-major, and which samples were
// played out whole before a stop.
struct TPlayouts {
    std::vector<double> values;
    std::vector<char> complete;
    int playouts = 0;
    bool stopped = false;
};

// Plays every move out on each of `samples` samples, the same samples and
// wandering draws whatever the moves, so a move's playouts do not depend on
// which other moves are played out beside it. Nothing here reads the state's
// hidden cards unless the settings peek.
TPlayouts PlayOutMoves(const TMatchState& state, int seat, const TSeatKnowledge& knowledge,
    const TMatchState& view, const std::vector<TComputerChoice>& choices, int firstSample,
    int samples, const TSearchSettings& settings)
{
    const int n = int(choices.size());
    const int moves = CutShort(view.GameMode, view.DeckCount) ? settings.twoDeckPlayoutMoves : -1;
    const std::uint64_t seed = PositionSeed(knowledge, view);
    TPlayouts out;
    out.values.resize(std::size_t(samples) * n);
    out.complete.assign(samples, 0);
    std::atomic<bool> stop { false };
    std::atomic<int> playouts { 0 };
    const auto stopped = [&] {
        if (!stop && settings.stopped && settings.stopped()) stop = true;
        return bool(stop);
    };
    const int threads = std::clamp(SearchThreads(settings), 1, std::max(samples, 1));
    const auto work = [&](int first) {
        TPlayoutScratch scratch;
        for (int i = first; i < samples && !stopped(); i += threads) {
            // Sample k is the same deal and the same wandering draws in
            // whichever call plays it.
            const std::uint64_t k = std::uint64_t(firstSample) + std::uint64_t(i);
            TPlayoutRandom generator(Mix(seed ^ k));
            const TMatchState sample = settings.peekAtHiddenCards
                ? state
                : SampleHiddenCards(view, knowledge, generator);
            int c = 0;
            for (; c < n && !stopped(); ++c) {
                // Every candidate's playout wanders by the same draws.
                TPlayoutRandom wandering(Mix(seed ^ ~k));
                const TPlayoutPolicy policy { settings.playoutStrength, settings.playoutWander,
                    &wandering, &scratch };
                out.values[std::size_t(i) * n + c]
                    = Playout(sample, seat, choices[c], policy, moves);
                ++playouts;
            }
            out.complete[i] = c == n;
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(work, t);
    work(0);
    for (std::thread& helper : helpers)
        helper.join();
    out.playouts = playouts;
    out.stopped = stop;
    return out;
}

// The mean of `count` values from their sum and their squares' sum, and the
// mean's standard error (0 for fewer than two values).
struct TMeanError {
    double mean = 0, error = 0;
};

TMeanError MeanAndError(double sum, double squares, double count)
{
    const double mean = sum / count;
    if (count < 2) return { mean, 0.0 };
    return { mean, std::sqrt(std::max(0.0, squares / count - mean * mean) / (count - 1)) };
}

// Each candidate's playout values in sample order, and their sums.
struct TRecords {
    explicit TRecords(int n)
        : values(static_cast<std::size_t>(n))
        , totals(static_cast<std::size_t>(n), 0.0)
    {
    }

    // Adds the whole samples of the playouts of the candidates `who` (in the
    // playouts' order), in sample order so the thread count does not change
    // a bit; the samples added.
    int Add(const TPlayouts& p, const std::vector<int>& who)
    {
        const std::size_t m = who.size();
        int added = 0;
        for (std::size_t i = 0; i < p.complete.size(); ++i) {
            if (!p.complete[i]) continue;
            ++added;
            for (std::size_t a = 0; a < m; ++a) {
                const double v = p.values[i * m + a];
                values[std::size_t(who[a])].push_back(v);
                totals[std::size_t(who[a])] += v;
            }
        }
        return added;
    }

    // The mean and its standard error of every candidate played out.
    std::vector<TMoveValue> Values(const std::vector<TComputerChoice>& choices) const
    {
        std::vector<TMoveValue> out;
        for (std::size_t c = 0; c < values.size(); ++c) {
            const std::vector<double>& v = values[c];
            if (v.empty()) continue;
            double squares = 0;
            for (double x : v)
                squares += x * x;
            const TMeanError value = MeanAndError(totals[c], squares, double(v.size()));
            out.push_back({ choices[c], value.mean, value.error });
        }
        return out;
    }

    std::vector<std::vector<double>> values;
    std::vector<double> totals;
};

// The best of the candidates `among` by their sums (all played the same
// samples), the first on a tie; few samples are noisy, so the one-move
// judgement keeps its move unless the best leads it by more than the trusted
// share of the standard error of their paired differences over the samples
// both played (always the first ones).
TComputerChoice BestTrusted(const TRecords& r, const std::vector<int>& among,
    const std::vector<TComputerChoice>& choices, const TComputerChoice& heuristic,
    double trustedLead)
{
    int best = among.front();
    for (int c : among)
        if (r.totals[std::size_t(c)] > r.totals[std::size_t(best)]) best = c;
    const int n = int(choices.size());
    int kept = 0;
    while (kept < n && !SameMove(choices[std::size_t(kept)], heuristic))
        ++kept;
    if (kept == n || kept == best) return choices[std::size_t(best)];
    const std::vector<double>& a = r.values[std::size_t(best)];
    const std::vector<double>& b = r.values[std::size_t(kept)];
    const std::size_t shared = std::min(a.size(), b.size());
    if (shared < 2) return choices[std::size_t(best)];
    double sum = 0, squares = 0;
    for (std::size_t i = 0; i < shared; ++i) {
        const double d = a[i] - b[i];
        sum += d;
        squares += d * d;
    }
    const TMeanError lead = MeanAndError(sum, squares, double(shared));
    return lead.mean > trustedLead * lead.error ? choices[std::size_t(best)] : heuristic;
}

std::vector<int> AllOf(int n)
{
    std::vector<int> all(static_cast<std::size_t>(n));
    for (int c = 0; c < n; ++c)
        all[std::size_t(c)] = c;
    return all;
}

// The rounds that halve n candidates (n >= 2) down to one.
int HalvingRounds(int n)
{
    return std::bit_width(unsigned(n - 1));
}

// Sequential halving: the budget is split into rounds, as many as halving
// the candidates down to one takes; each round plays the candidates still in
// on new samples, an equal share each, and keeps the better half by their
// means over every sample so far (candidate order on a tie). Moves that are
// plainly worse drop out after a few samples, and the last two are compared
// on about three times the samples an even split gives them. A candidate's
// samples are always the first ones, so any two compare on the samples both
// played. A stop keeps the candidates of the last whole round.
void SearchByHalving(TSearchResult& result, const TMatchState& state, int seat,
    const TSeatKnowledge& knowledge, const TMatchState& view,
    const std::vector<TComputerChoice>& choices, const TComputerChoice& heuristic, int budget,
    const TSearchSettings& settings)
{
    const int n = int(choices.size());
    TRecords records(n);
    std::vector<int> alive = AllOf(n);
    const int rounds = HalvingRounds(n);
    int next = 0;
    for (int round = 0; round < rounds && alive.size() > 1; ++round) {
        const int samples = std::max(1, budget / rounds / int(alive.size()));
        std::vector<TComputerChoice> playing;
        for (int c : alive)
            playing.push_back(choices[std::size_t(c)]);
        const TPlayouts p
            = PlayOutMoves(state, seat, knowledge, view, playing, next, samples, settings);
        result.playouts += p.playouts;
        if (p.stopped) {
            result.stopped = true;
            break;
        }
        records.Add(p, alive);
        if (round == 0) result.samples = samples;
        next += samples;
        std::stable_sort(alive.begin(), alive.end(), [&](int a, int b) {
            return records.totals[std::size_t(a)] > records.totals[std::size_t(b)];
        });
        alive.resize((alive.size() + 1) / 2);
        std::sort(alive.begin(), alive.end());
    }
    result.values = records.Values(choices);
    if (result.samples > 0)
        result.choice = BestTrusted(records, alive, choices, heuristic, settings.trustedLead);
}

} // namespace

TSearchResult SearchMove(const TMatchState& state, int seat, const TSearchSettings& settings)
{
    TSearchResult result;
    // Nothing past these two lines reads the state, only what the seat knows,
    // unless the settings peek.
    const TSeatKnowledge knowledge = SeatKnowledgeOf(state, seat);
    const TMatchState view = PublicState(state, seat);

    const TComputerChoice heuristic = ChooseMasterMove(knowledge);
    result.choice = heuristic;
    if (heuristic.handSlot < 0) return result;
    const int budget = settings.budget == kPositionBudget
        ? PositionSearchBudget(view.GameMode, view.DeckCount)
        : settings.budget;
    const int most = std::min(std::max(settings.mostSearched, 1), std::max(budget, 1));
    const std::vector<TMoveCandidate> candidates
        = StrongestCandidates(MoveCandidates(knowledge), heuristic, most);
    const int n = int(candidates.size());
    result.candidates = n;
    // Peeking without wandering playouts, every sample would be the position
    // itself and every playout of a candidate the same: one is enough.
    const bool sameEveryTime = settings.peekAtHiddenCards && settings.playoutWander <= 0;
    const int samples = n > 1 ? (sameEveryTime ? std::min(budget / n, 1) : budget / n) : 0;
    if (samples == 0) return result;

    std::vector<TComputerChoice> choices;
    for (const TMoveCandidate& c : candidates)
        choices.push_back(c.choice);
    // Halving needs a sample of every candidate in its first round.
    if (settings.halving && !sameEveryTime && budget / HalvingRounds(n) >= n) {
        SearchByHalving(result, state, seat, knowledge, view, choices, heuristic, budget, settings);
        return result;
    }
    const TPlayouts p = PlayOutMoves(state, seat, knowledge, view, choices, 0, samples, settings);
    result.playouts = p.playouts;
    result.stopped = p.stopped;
    TRecords records(n);
    result.samples = records.Add(p, AllOf(n));
    result.values = records.Values(choices);
    if (result.samples > 0)
        result.choice = BestTrusted(records, AllOf(n), choices, heuristic, settings.trustedLead);
    return result;
}

TValuedMoves ValueMoves(const TMatchState& state, int seat,
    const std::vector<TComputerChoice>& choices, const TSearchSettings& settings)
{
    TValuedMoves result;
    const TSeatKnowledge knowledge = SeatKnowledgeOf(state, seat);
    const TMatchState view = PublicState(state, seat);
    const int n = int(choices.size());
    if (n == 0) return result;
    const int budget = settings.budget == kPositionBudget
        ? PositionSearchBudget(view.GameMode, view.DeckCount)
        : settings.budget;
    const bool sameEveryTime = settings.peekAtHiddenCards && settings.playoutWander <= 0;
    const int samples = sameEveryTime ? 1 : std::max(budget / n, 2);
    const TPlayouts p = PlayOutMoves(state, seat, knowledge, view, choices, 0, samples, settings);
    result.playouts = p.playouts;
    result.stopped = p.stopped;
    TRecords records(n);
    result.samples = records.Add(p, AllOf(n));
    result.values = records.Values(choices);
    return result;
}

} // namespace zaviko::computer
