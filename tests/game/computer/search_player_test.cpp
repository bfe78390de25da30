// The search player on positions of played matches in every mode and deck
// count: its samples keep what the seat knows, its choice never depends on a
// card the seat cannot see, on the thread count or on more work than its
// budget, and it stops when asked.
#include "game/computer/hidden_sampler.h"
#include "game/computer/move_candidates.h"
#include "game/computer/search_player.h"

#include "game/computer/master_choice.h"
#include "game/computer/reply_estimate.h"
#include "game/rules/computer_move.h"
#include "game/rules/match_rules.h"
#include "game/computer/seat_choice.h"
#include "game/computer/seat_knowledge.h"

#include "tests/support/hidden_shuffle.h"
#include "tests/support/seeded_deals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>

namespace {

std::string Describe(const TComputerChoice& c)
{
    return (c.capture ? "capture slot " : "lay down slot ") + std::to_string(c.handSlot) + " "
        + testing::PrintToString(c.tablePositions);
}

// Every `every`-th position before a move of a match played by "Pametno"
// seats, in the mode and deck count.
std::vector<TMatchState> Positions(std::uint64_t seed, int mode, int decks, int every)
{
    TSeededDeals events(seed);
    const TRandomDraw& draw = events.draw;
    TMatchState state;
    StartMatch(state, mode, decks, true);
    DealNewDeck(state, events.NewDeck(decks));
    std::vector<TMatchState> positions;
    for (int turn = 0; turn < 3000 && !state.GameOver; ++turn) {
        const int seat = state.CurrentPlayer;
        if (turn % every == 0 && !HandEmpty(state, seat)) positions.push_back(state);
        const TComputerChoice choice = ChooseSeatMove(state, seat, csPametno, draw(10));
        if (choice.handSlot >= 0) ApplyMove(state, MoveOfChoice(state, seat, choice));
        FinishTurn(state, events);
    }
    return positions;
}

struct TModeCase {
    int mode, decks;
};
constexpr TModeCase kModes[] = { { kTwoPlayers, 0 }, { kTwoPlayers, 1 }, { kEachForHimself, 0 },
    { kEachForHimself, 1 }, { kPairs, 0 }, { kPairs, 1 } };

std::vector<int> Sorted(std::vector<int> ids)
{
    std::sort(ids.begin(), ids.end());
    return ids;
}

TEST(HiddenSampler, KeepsEveryKnownCardAndEveryCount)
{
    TPlayoutRandom generator(5);
    int positions = 0, differing = 0;
    for (const TModeCase& m : kModes)
        for (const TMatchState& state : Positions(70 + m.mode * 2 + m.decks, m.mode, m.decks, 3)) {
            const int seat = state.CurrentPlayer;
            const TSeatKnowledge k = SeatKnowledgeOf(state, seat);
            const TMatchState view = PublicState(state, seat);
            const TMatchState a = SampleHiddenCards(view, k, generator);
            const TMatchState b = SampleHiddenCards(view, k, generator);
            ASSERT_TRUE(CardsConserved(a)) << "move " << state.MovesMade << " mode " << m.mode;
            EXPECT_EQ(a.hands[seat], state.hands[seat]);
            EXPECT_EQ(a.table, state.table);
            EXPECT_EQ(a.taken, state.taken);
            EXPECT_EQ(a.deck.size(), state.deck.size());
            // The unseen cards, and only they, fill the hidden places.
            std::vector<int> dealt(a.deck), real(state.deck);
            for (int s = SeatS; s <= SeatE; ++s) {
                for (int slot = 0; slot < kHandSlots; ++slot)
                    EXPECT_EQ(a.hands[s][slot] == kNoCard, state.hands[s][slot] == kNoCard);
                if (s == seat) continue;
                if (!SeatPlays(m.mode, s)) {
                    EXPECT_EQ(a.hands[s], THand {}) << "a hidden seat";
                }
                for (int slot = 0; slot < kHandSlots; ++slot) {
                    if (a.hands[s][slot] != kNoCard) dealt.push_back(a.hands[s][slot]);
                    if (state.hands[s][slot] != kNoCard) real.push_back(state.hands[s][slot]);
                }
            }
            EXPECT_EQ(Sorted(dealt), Sorted(real));
            differing += a.hands != b.hands || a.deck != b.deck;
            ++positions;
        }
    EXPECT_GT(positions, 300);
    EXPECT_GT(differing, positions / 2) << "two samples should mostly differ";
}

// The search's generator and the draw together deal every unseen card to
// every hidden place equally often: a skewed generator or an off-by-one in
// the draw's range would favour some cards for the opponent's hand, and the
// search would then judge moves against deals that are not the likely ones.
TEST(HiddenSampler, DealsEachUnseenCardToTheOpponentEquallyOften)
{
    const std::vector<TMatchState> positions = Positions(5, kTwoPlayers, 0, 7);
    const auto opponentCards = [](const TMatchState& s) {
        const THand& hand = s.hands[s.CurrentPlayer == SeatS ? SeatN : SeatS];
        return std::count_if(hand.begin(), hand.end(), [](int id) { return id != kNoCard; });
    };
    const auto found = std::find_if(positions.begin(), positions.end(),
        [&](const TMatchState& s) { return opponentCards(s) >= 5 && !s.deck.empty(); });
    ASSERT_NE(found, positions.end());
    const TMatchState& state = *found;
    const int seat = state.CurrentPlayer, other = seat == SeatS ? SeatN : SeatS;
    const TSeatKnowledge k = SeatKnowledgeOf(state, seat);
    const TMatchState view = PublicState(state, seat);
    const std::array<int, kCardIds> unseen = UnseenCards(k);
    int pool = 0, held = 0;
    for (int id = 2; id < kCardIds; ++id)
        pool += unseen[id];
    for (int id : state.hands[other])
        held += id != kNoCard;
    ASSERT_GT(pool, held);
    TPlayoutRandom generator(11);
    std::array<int, kCardIds> dealt {};
    constexpr int kSamples = 20000;
    for (int i = 0; i < kSamples; ++i) {
        const TMatchState sample = SampleHiddenCards(view, k, generator);
        for (int id : sample.hands[other])
            if (id != kNoCard) ++dealt[id];
    }
    // Chi-square over the unseen cards against an even share; 99.9% of fair
    // draws stay under the bound for this many degrees of freedom.
    const double expected = double(kSamples) * held / pool;
    double chi = 0;
    int cards = 0;
    for (int id = 2; id < kCardIds; ++id) {
        if (unseen[id] == 0) {
            EXPECT_EQ(dealt[id], 0) << "card " << id << " is seen";
            continue;
        }
        const double d = dealt[id] - expected * unseen[id];
        chi += d * d / (expected * unseen[id]);
        ++cards;
    }
    const double freedom = cards - 1;
    EXPECT_LT(chi, freedom + 3.1 * std::sqrt(2 * freedom) + 10) << cards << " unseen cards";
}

TEST(HiddenSampler, RefusesKnowledgeOfAnotherPosition)
{
    const std::vector<TMatchState> positions = Positions(3, kTwoPlayers, 0, 5);
    const TMatchState& state = positions.at(2);
    TSeatKnowledge k = SeatKnowledgeOf(state, state.CurrentPlayer);
    --k.cardsLeft; // no longer the position's
    ++k.seen[2];
    TPlayoutRandom generator(1);
    EXPECT_THROW(
        SampleHiddenCards(PublicState(state, state.CurrentPlayer), k, generator), std::logic_error);
}

TEST(SearchPlayer, NeverPeeksAndPlaysOnlyLegalMoves)
{
    std::mt19937 generator(17);
    TSearchSettings settings;
    settings.budget = 40;
    int positions = 0, changed = 0, searched = 0, unlikeHeuristic = 0;
    for (const TModeCase& m : kModes)
        for (const TMatchState& state : Positions(90 + m.mode * 2 + m.decks, m.mode, m.decks, 4)) {
            const int seat = state.CurrentPlayer;
            const TSearchResult result = SearchMove(state, seat, settings);
            const TComputerChoice& choice = result.choice;
            ASSERT_GE(choice.handSlot, 0);
            if (choice.capture) {
                ASSERT_TRUE(IsLegalCapture(
                    state, seat, choice.handSlot, MoveOfChoice(state, seat, choice).take));
            }
            const TMatchState shuffled = WithHiddenCardsShuffled(state, seat, generator);
            changed += shuffled.deck != state.deck || shuffled.hands != state.hands;
            EXPECT_EQ(Describe(SearchMove(shuffled, seat, settings).choice), Describe(choice))
                << "move " << state.MovesMade << " of mode " << m.mode << " decks " << m.decks;
            searched += result.samples > 0;
            unlikeHeuristic
                += Describe(choice) != Describe(ChooseMasterMove(SeatKnowledgeOf(state, seat)));
            ++positions;
        }
    EXPECT_GT(changed, positions / 2) << "the shuffle should move hidden cards";
    EXPECT_GT(searched, positions / 2) << "most positions should be searched";
    EXPECT_GT(unlikeHeuristic, 0) << "the search should sometimes overrule the one-move choice";
}

// Unless told otherwise the search spreads over every core of the machine,
// and the choice is the same on one thread, four, or all the machine has.
TEST(SearchPlayer, TheSameChoiceOnOneAndFourThreadsAndTheMachinesCores)
{
    EXPECT_EQ(
        SearchThreads(TSearchSettings {}), int(std::max(1U, std::thread::hardware_concurrency())));
    for (const TModeCase& m : kModes)
        for (const TMatchState& state : Positions(110 + m.mode, m.mode, m.decks, 25)) {
            for (const auto& [wander, halving] : std::vector<std::pair<double, bool>> {
                     { 0.0, false }, { 0.3, false }, { 0.3, true } }) {
                TSearchSettings one, four, machine;
                one.budget = four.budget = machine.budget = 60;
                one.playoutWander = four.playoutWander = machine.playoutWander = wander;
                one.halving = four.halving = machine.halving = halving;
                one.threads = 1;
                four.threads = 4;
                const TSearchResult a = SearchMove(state, state.CurrentPlayer, one);
                for (const TSearchSettings& more : { four, machine }) {
                    const TSearchResult b = SearchMove(state, state.CurrentPlayer, more);
                    EXPECT_EQ(Describe(a.choice), Describe(b.choice))
                        << "move " << state.MovesMade << " wander " << wander;
                    EXPECT_EQ(a.samples, b.samples);
                    EXPECT_EQ(a.playouts, b.playouts);
                }
            }
        }
}

// The bound a fair searcher is measured against: with the peek on, the
// playouts run on the real hidden cards, so moving them moves the choice
// somewhere; without wandering playout moves one playout per candidate says
// all there is, with them the budget is spent.
TEST(SearchPlayer, ThePeekingSearcherPlaysOnTheRealHiddenCards)
{
    std::mt19937 generator(23);
    TSearchSettings peek;
    peek.budget = 60;
    peek.peekAtHiddenCards = true;
    peek.playoutWander = 0;
    TSearchSettings wandering = peek;
    wandering.playoutWander = 0.2;
    int searched = 0, moved = 0;
    for (const TModeCase& m : kModes)
        for (const TMatchState& state : Positions(130 + m.mode * 2 + m.decks, m.mode, m.decks, 6)) {
            const int seat = state.CurrentPlayer;
            const TSearchResult r = SearchMove(state, seat, peek);
            ASSERT_GE(r.choice.handSlot, 0);
            if (r.choice.capture) {
                ASSERT_TRUE(IsLegalCapture(
                    state, seat, r.choice.handSlot, MoveOfChoice(state, seat, r.choice).take));
            }
            if (r.candidates < 2) continue;
            EXPECT_EQ(r.samples, 1);
            EXPECT_EQ(r.playouts, r.candidates);
            EXPECT_GT(SearchMove(state, seat, wandering).playouts, peek.budget / 2);
            const TMatchState shuffled = WithHiddenCardsShuffled(state, seat, generator);
            moved += Describe(SearchMove(shuffled, seat, peek).choice) != Describe(r.choice);
            ++searched;
        }
    EXPECT_GT(searched, 50);
    EXPECT_GT(moved, 0) << "the hidden cards should change some choices";
}

TEST(SearchPlayer, TheBudgetBoundsTheWork)
{
    const std::vector<TMatchState> positions = Positions(8, kEachForHimself, 1, 9);
    for (const TMatchState& state : positions) {
        const int seat = state.CurrentPlayer;
        const TComputerChoice heuristic = ChooseMasterMove(SeatKnowledgeOf(state, seat));
        for (int budget : { 0, 1, 7, 50, 150 }) {
            TSearchSettings settings, halving;
            settings.budget = halving.budget = budget;
            halving.halving = true;
            const TSearchResult r = SearchMove(state, seat, settings);
            EXPECT_LE(r.playouts, budget);
            EXPECT_EQ(r.playouts, r.samples * r.candidates);
            // Halving spends the budget too, but fewer samples on the
            // candidates it drops early.
            const TSearchResult h = SearchMove(state, seat, halving);
            EXPECT_LE(h.playouts, budget);
            if (h.candidates > 2 && h.samples > 0 && budget >= 4 * h.candidates) {
                EXPECT_GT(h.playouts, budget / 2);
                EXPECT_LT(h.samples, r.samples) << "budget " << budget;
            }
            EXPECT_LE(r.candidates, kMostSearchedMoves);
            if (r.candidates > 1 && budget >= 2 * r.candidates) {
                EXPECT_GT(r.playouts, budget / 2) << "the budget should be spent";
            }
            if (r.samples == 0) {
                EXPECT_EQ(Describe(r.choice), Describe(heuristic));
            }
        }
    }
}

// The environment's value for a scope, the earlier one (or none) back after.
class TScopedVariable {
public:
    TScopedVariable(const char* name, const char* value)
        : FName(name)
        , FHad(std::getenv(name) != nullptr)
        , FBefore(FHad ? std::getenv(name) : "")
    {
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~TScopedVariable() { FHad ? setenv(FName, FBefore.c_str(), 1) : unsetenv(FName); }

private:
    const char* FName;
    bool FHad;
    std::string FBefore;
};

// A search of kPositionBudget spends the game's default for the mode and
// decks, unless the environment pins a budget (as the test runs do); a value
// that is no count leaves the default.
TEST(SearchPlayer, ThePositionBudgetIsTheDefaultOrTheEnvironmentsPin)
{
    const std::vector<TMatchState> positions = Positions(12, kTwoPlayers, 1, 9);
    for (const char* pin : { static_cast<const char*>(nullptr), "37", "lots", "-5" }) {
        const TScopedVariable variable(kSearchBudgetVariable, pin);
        const bool pinned = pin != nullptr && std::string(pin) == "37";
        int searched = 0;
        for (const TModeCase& m : kModes) {
            EXPECT_EQ(PositionSearchBudget(m.mode, m.decks),
                pinned ? 37 : DefaultSearchBudget(m.mode, m.decks))
                << (pin ? pin : "unset");
        }
        // The default is spent at full size on a few positions only.
        for (std::size_t i = 0; i < positions.size() && searched < (pinned ? 20 : 3); ++i) {
            const TMatchState& state = positions[i];
            const int budget = PositionSearchBudget(kTwoPlayers, 1);
            const TSearchResult r = SearchMove(state, state.CurrentPlayer);
            EXPECT_LE(r.playouts, budget);
            if (r.candidates > 1) {
                EXPECT_GT(r.playouts, budget / 2) << "move " << state.MovesMade;
                ++searched;
            }
        }
        EXPECT_GT(searched, 2);
    }
}

// The value of a lead in the two-player race, which cut playouts add.
TEST(RaceLeadValue, IsEvenForNoLeadAndGrowsWithTheLeadAndTheHandsEnd)
{
    for (int left : { 1, 12, 60, 100 }) {
        EXPECT_DOUBLE_EQ(RaceLeadValue(0, left), 0);
        double before = 0;
        for (int lead = 1; lead <= 30; ++lead) {
            const double value = RaceLeadValue(lead, left);
            EXPECT_DOUBLE_EQ(RaceLeadValue(-lead, left), -value);
            if (before < 3) {
                EXPECT_GT(value, before) << "lead " << lead << ", " << left << " left";
            }
            EXPECT_LE(value, 3);
            before = value;
        }
    }
    EXPECT_GT(RaceLeadValue(4, 10), RaceLeadValue(4, 80)) << "fewer cards left to turn it";
    EXPECT_GT(RaceLeadValue(20, 12), 2.9);
}

TEST(SearchPlayer, StopsWithinOnePlayoutWhenAsked)
{
    const std::vector<TMatchState> positions = Positions(4, kPairs, 0, 7);
    int checked = 0;
    for (const TMatchState& state : positions) {
        for (int allowed : { 0, 3, 17 }) {
            for (bool halving : { false, true }) {
                std::atomic<int> asked = 0; // asked on the search's threads
                TSearchSettings settings;
                settings.budget = 1000;
                settings.halving = halving;
                settings.stopped = [&] { return ++asked > allowed; };
                const TSearchResult r = SearchMove(state, state.CurrentPlayer, settings);
                if (r.candidates < 2) continue;
                EXPECT_TRUE(r.stopped);
                EXPECT_LE(r.playouts, allowed);
                EXPECT_LE(asked, allowed + 2) << "nothing more after the stop";
                EXPECT_GE(r.choice.handSlot, 0) << "a stopped search still names a move";
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 20);
}

TEST(MoveCandidates, EveryMoveOnceInCandidateOrder)
{
    // Card IDs: clubs are their value; diamonds, spades and hearts add 13, 26, 39.
    constexpr int D = 13, S = 26;
    TSeatKnowledge k;
    k.gameMode = kTwoPlayers;
    k.hand = { 5, 5 + S, 7, 0, 0, 0 }; // the two fives are alike
    k.table = { 2 + D, 3, 5 + D, 7 + S };
    k.handCount = { 3, 0, 6, 0 };
    k.cardsLeft = 30;
    std::vector<std::string> moves;
    for (const TMoveCandidate& c : MoveCandidates(k))
        moves.push_back(Describe(c.choice));
    // Single cards from the last position back, then pairs, then threes: the
    // 7 takes 7S, 2D+5D and all three; a five 5D, 2D+3C and 2D+3C+5D.
    const std::vector<std::string> want { "capture slot 2 { 3 }", "capture slot 0 { 2 }",
        "capture slot 2 { 0, 2 }", "capture slot 0 { 0, 1 }", "capture slot 2 { 0, 2, 3 }",
        "capture slot 0 { 0, 1, 2 }", "lay down slot 0 {}", "lay down slot 2 {}" };
    EXPECT_EQ(moves, want);
    // Kept to three: the kept lay-down, then the richest captures.
    std::vector<std::string> kept;
    TComputerChoice keep;
    keep.handSlot = 2;
    for (const TMoveCandidate& c : StrongestCandidates(MoveCandidates(k), keep, 3))
        kept.push_back(Describe(c.choice));
    EXPECT_EQ(kept.size(), 3U);
    EXPECT_EQ(kept.back(), "lay down slot 2 {}");
}

} // namespace
