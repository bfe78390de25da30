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

// Each move's mean over the complete samples, summed in sample order so the
// thread count does not change a bit, and that mean's standard error.
std::vector<TMoveValue> MoveValues(
    const TPlayouts& p, const std::vector<TComputerChoice>& choices, int& samples)
{
    const int n = int(choices.size());
    std::vector<double> sums(n, 0.0), squares(n, 0.0);
    samples = 0;
    for (std::size_t i = 0; i < p.complete.size(); ++i) {
        if (!p.complete[i]) continue;
        ++samples;
        for (int c = 0; c < n; ++c) {
            const double v = p.values[i * n + c];
            sums[c] += v;
            squares[c] += v * v;
        }
    }
    std::vector<TMoveValue> values;
    if (samples == 0) return values;
    const double m = samples;
    for (int c = 0; c < n; ++c) {
        const double mean = sums[c] / m;
        const double spread = std::max(0.0, squares[c] / m - mean * mean);
        values.push_back({ choices[c], mean, samples > 1 ? std::sqrt(spread / (m - 1)) : 0.0 });
    }
    return values;
}

// Whether the best move leads the kept one by more than the trusted share of
// the standard error of their paired differences, over the first `shared`
// samples, which both were played out on.
bool LeadTrusted(const std::vector<double>& best, const std::vector<double>& kept, int shared,
    double trustedLead)
{
    if (shared < 2) return false;
    double sum = 0, squares = 0;
    for (int i = 0; i < shared; ++i) {
        const double d = best[std::size_t(i)] - kept[std::size_t(i)];
        sum += d;
        squares += d * d;
    }
    const double m = shared, mean = sum / m;
    const double error = std::sqrt(std::max(0.0, squares / m - mean * mean) / (m - 1));
    return mean > trustedLead * error;
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
TSearchResult HalvingSearch(const TMatchState& state, int seat, const TSeatKnowledge& knowledge,
    const TMatchState& view, const std::vector<TMoveCandidate>& candidates,
    const TComputerChoice& heuristic, int budget, const TSearchSettings& settings)
{
    TSearchResult result;
    result.choice = heuristic;
    const int n = int(candidates.size());
    result.candidates = n;
    std::vector<std::vector<double>> values(static_cast<std::size_t>(n));
    std::vector<double> totals(static_cast<std::size_t>(n), 0.0);
    std::vector<int> alive(static_cast<std::size_t>(n));
    for (int c = 0; c < n; ++c)
        alive[std::size_t(c)] = c;
    const int rounds = HalvingRounds(n);
    const int roundBudget = budget / rounds;
    int next = 0;
    for (int round = 0; round < rounds && alive.size() > 1; ++round) {
        const int samples = std::max(1, roundBudget / int(alive.size()));
        std::vector<TComputerChoice> playing;
        for (int c : alive)
            playing.push_back(candidates[std::size_t(c)].choice);
        const TPlayouts p
            = PlayOutMoves(state, seat, knowledge, view, playing, next, samples, settings);
        result.playouts += p.playouts;
        if (p.stopped) {
            result.stopped = true;
            break;
        }
        const std::size_t m = playing.size();
        for (int i = 0; i < samples; ++i)
            for (std::size_t a = 0; a < m; ++a) {
                const double v = p.values[std::size_t(i) * m + a];
                values[std::size_t(alive[a])].push_back(v);
                totals[std::size_t(alive[a])] += v;
            }
        if (round == 0) result.samples = samples;
        next += samples;
        // Every candidate still in has played the same samples: totals compare.
        std::stable_sort(alive.begin(), alive.end(),
            [&](int a, int b) { return totals[std::size_t(a)] > totals[std::size_t(b)]; });
        alive.resize((alive.size() + 1) / 2);
        std::sort(alive.begin(), alive.end());
    }
    for (int c = 0; c < n; ++c) {
        const std::vector<double>& v = values[std::size_t(c)];
        if (v.empty()) continue;
        const double count = double(v.size()), mean = totals[std::size_t(c)] / count;
        double squares = 0;
        for (double x : v)
            squares += x * x;
        const double spread = std::max(0.0, squares / count - mean * mean);
        result.values.push_back({ candidates[std::size_t(c)].choice, mean,
            v.size() > 1 ? std::sqrt(spread / (count - 1)) : 0.0 });
    }
    if (values[std::size_t(alive.front())].empty()) return result;
    int best = alive.front();
    for (int c : alive)
        if (totals[std::size_t(c)] > totals[std::size_t(best)]) best = c;
    result.choice = candidates[std::size_t(best)].choice;
    int kept = 0;
    while (kept < n && !SameMove(candidates[std::size_t(kept)].choice, heuristic))
        ++kept;
    if (kept == n || kept == best) return result;
    const std::vector<double>& keptValues = values[std::size_t(kept)];
    if (!LeadTrusted(
            values[std::size_t(best)], keptValues, int(keptValues.size()), settings.trustedLead))
        result.choice = heuristic;
    return result;
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
    if (settings.halving && !sameEveryTime && budget / HalvingRounds(n) >= n)
        return HalvingSearch(state, seat, knowledge, view, candidates, heuristic, budget, settings);
    const TPlayouts p = PlayOutMoves(state, seat, knowledge, view, choices, 0, samples, settings);
    result.playouts = p.playouts;
    result.stopped = p.stopped;
    result.values = MoveValues(p, choices, result.samples);
    if (result.samples == 0) return result;
    // Summed in sample order, so the thread count does not change a bit.
    std::vector<double> totals(n, 0.0);
    for (int i = 0; i < samples; ++i)
        for (int c = 0; c < n && p.complete[i]; ++c)
            totals[c] += p.values[std::size_t(i) * n + c];
    int best = 0;
    for (int c = 1; c < n; ++c)
        if (totals[c] > totals[best]) best = c;
    result.choice = candidates[best].choice;
    // Few samples are noisy: the one-move judgement keeps its move unless the
    // best is ahead of it by more than the spread of their paired differences.
    int kept = 0;
    while (kept < n && !SameMove(candidates[kept].choice, heuristic))
        ++kept;
    if (kept == n || kept == best || result.samples < 2) return result;
    double sum = 0, squares = 0;
    for (int i = 0; i < samples; ++i) {
        if (!p.complete[i]) continue;
        const double d = p.values[std::size_t(i) * n + best] - p.values[std::size_t(i) * n + kept];
        sum += d;
        squares += d * d;
    }
    const double m = result.samples, mean = sum / m;
    const double error = std::sqrt(std::max(0.0, squares / m - mean * mean) / (m - 1));
    if (mean <= settings.trustedLead * error) result.choice = heuristic;
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
    result.values = MoveValues(p, choices, result.samples);
    return result;
}

} // namespace zaviko::computer
