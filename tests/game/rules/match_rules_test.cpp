// The match rules on plain values, without any card object or widget.
#include "game/rules/match_rules.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace {

constexpr auto C = [](int value) { return CardId(TIdSuit::Clubs, value); };
constexpr auto D = [](int value) { return CardId(TIdSuit::Diamonds, value); };
constexpr auto S = [](int value) { return CardId(TIdSuit::Spades, value); };
constexpr auto H = [](int value) { return CardId(TIdSuit::Hearts, value); };

// A deck whose draw order is `firstDrawn` (then the rest in ID order).
std::vector<int> DeckDrawing(std::vector<int> firstDrawn, int deckCount = 0)
{
    std::vector<int> rest = FreshDeck(deckCount);
    for (int id : firstDrawn)
        rest.erase(std::find(rest.begin(), rest.end(), id));
    firstDrawn.insert(firstDrawn.end(), rest.begin(), rest.end());
    return { firstDrawn.rbegin(), firstDrawn.rend() };
}

TMatchState NewState(int mode, int decks = 0)
{
    TMatchState state;
    StartMatch(state, mode, decks, true);
    return state;
}

// Plays random legal moves; with every table subset of up to three cards
// tried, it captures often enough to reach every rule.
class TRandomMoves : public TMatchEvents {
public:
    explicit TRandomMoves(unsigned seed)
        : rng(seed)
    {
    }
    std::vector<int> NewDeck(int deckCount) override
    {
        std::vector<int> deck = FreshDeck(deckCount);
        ShuffleDeck(deck, 2, [this](int n) { return int(rng() % unsigned(n)); });
        return deck;
    }
    TMove Choose(const TMatchState& state)
    {
        const int seat = state.CurrentPlayer;
        std::vector<int> slots;
        for (int s = 0; s < kHandSlots; ++s)
            if (state.hands[seat][s] != kNoCard) slots.push_back(s);
        TMove move { seat, slots[rng() % slots.size()], {} };
        const auto table = TableSlots(state);
        for (int tries = 0; tries < 20 && !table.empty(); ++tries) {
            std::vector<TTableSlot> take;
            for (const auto& place : table)
                if (rng() % 3 == 0) take.push_back(place);
            if (!take.empty() && IsLegalCapture(state, seat, move.handSlot, take)) {
                move.take = take;
                break;
            }
        }
        return move;
    }
    std::mt19937 rng;
};

} // namespace

TEST(MatchRules, DealsEveryModeAndDeckCount)
{
    struct Case {
        int mode, decks;
        std::vector<int> deckAfterEachDeal; // after the new deck, then each DealRest
        int lastShare;
    };
    const Case cases[] = {
        { kEachForHimself, 0, { 24, 0 }, 6 },
        { kTwoPlayers, 0, { 36, 24, 12, 0 }, 6 },
        { kEachForHimself, 1, { 76, 52, 28, 4, 0 }, 1 },
        { kTwoPlayers, 1, { 88, 76, 64, 52, 40, 28, 16, 4, 0 }, 2 },
    };
    for (const Case& c : cases) {
        TMatchState state = NewState(c.mode, c.decks);
        DealNewDeck(state, DeckDrawing({}, c.decks));
        EXPECT_EQ(TableIds(state).size(), 4u);
        std::vector<int> left { int(state.deck.size()) };
        int share = 0;
        while (!state.deck.empty()) {
            for (int seat = 0; seat < kSeatCount; ++seat)
                for (int& id : state.hands[seat])
                    if (id != kNoCard && SeatPlays(c.mode, seat)) {
                        state.taken[seat].push_back(id); // as if played
                        id = kNoCard;
                    }
            const int dealt = DealRest(state);
            share = dealt / (c.mode == kTwoPlayers ? 2 : 4);
            left.push_back(int(state.deck.size()));
            EXPECT_TRUE(CardsConserved(state)) << c.mode << "/" << c.decks;
        }
        EXPECT_EQ(left, c.deckAfterEachDeal) << c.mode << "/" << c.decks;
        EXPECT_EQ(share, c.lastShare);
        EXPECT_EQ(state.hands[SeatS][share - 1] != kNoCard, true);
    }
}

TEST(MatchRules, NewDeckFillsTableThenSouthNorthEastWest)
{
    TMatchState state = NewState(kEachForHimself);
    DealNewDeck(state, DeckDrawing({ C(2), C(3), C(4), C(5), D(2) }));
    EXPECT_EQ(state.table[0][2], C(2));
    EXPECT_EQ(state.table[0][3], C(3));
    EXPECT_EQ(state.table[1][2], C(4));
    EXPECT_EQ(state.table[1][3], C(5));
    EXPECT_EQ(state.hands[SeatS][0], D(2));

    // Two players: the hidden seats hold nothing, whatever a four-player deal
    // left them.
    TMatchState two = NewState(kTwoPlayers);
    two.hands[SeatW].fill(C(9));
    two.hands[SeatE].fill(C(8));
    DealNewDeck(two, DeckDrawing({}));
    EXPECT_TRUE(HandEmpty(two, SeatW));
    EXPECT_TRUE(HandEmpty(two, SeatE));
    EXPECT_EQ(two.deck.size(), 36u);
    TMatchState started = NewState(kEachForHimself);
    DealNewDeck(started, FreshDeck(0));
    StartMatch(started, kTwoPlayers, 0, true);
    EXPECT_TRUE(HandEmpty(started, SeatW));
    EXPECT_TRUE(HandEmpty(started, SeatE));
}

TEST(MatchRules, TurnOrderInEveryModeAndDirection)
{
    auto round = [](int mode, bool clockwise) {
        std::vector<int> seats { SeatS };
        for (int i = 0; i < 4; ++i)
            seats.push_back(NextSeat(mode, clockwise, seats.back()));
        return seats;
    };
    EXPECT_EQ(
        round(kEachForHimself, true), (std::vector<int> { SeatS, SeatW, SeatN, SeatE, SeatS }));
    EXPECT_EQ(round(kPairs, false), (std::vector<int> { SeatS, SeatE, SeatN, SeatW, SeatS }));
    EXPECT_EQ(round(kTwoPlayers, false), (std::vector<int> { SeatS, SeatN, SeatS, SeatN, SeatS }));
    EXPECT_EQ(FirstPlayerOfDraw(1), SeatN);
    EXPECT_EQ(FirstPlayerOfDraw(3), SeatE);
}

TEST(MatchRules, PlacementOrderAndATableThatGrows)
{
    TMatchState state = NewState(kEachForHimself);
    std::vector<TTableSlot> placed;
    for (int n = 0; n < 20; ++n)
        placed.push_back(PutCardOnTable(state, C(2 + n % 13)));
    EXPECT_EQ(placed[8], (TTableSlot { 0, 0 }));
    EXPECT_EQ(placed[11], (TTableSlot { 1, 5 }));
    // Past twelve the rows take turns growing, so they stay about equal.
    EXPECT_EQ(placed[12], (TTableSlot { 0, 6 }));
    EXPECT_EQ(placed[13], (TTableSlot { 1, 6 }));
    EXPECT_EQ(state.table[0].size() + state.table[1].size(), 20u);
    EXPECT_EQ(TableIds(state).size(), 20u);

    // A capture from the grown table frees a slot that the next card reuses.
    state.hands[SeatS] = { C(13), 0, 0, 0, 0, 0 }; // a king aims at 14
    const auto take = SlotsOfIds(state, std::vector<int> { C(2), C(12) });
    ASSERT_EQ(take.size(), 2u);
    EXPECT_FALSE(IsLegalCapture(state, SeatS, 0, take)); // two and queen: 2 + 13
    const auto twelve = SlotsOfIds(state, std::vector<int> { C(2), C(11) }); // two and jack: 2 + 12
    ASSERT_TRUE(IsLegalCapture(state, SeatS, 0, twelve));
    ApplyMove(state, { SeatS, 0, twelve });
    EXPECT_EQ(TableIds(state).size(), 18u);
    EXPECT_EQ(PutCardOnTable(state, D(5)), twelve[0]);
}

TEST(MatchRules, CapturesScoreAndClearTheTable)
{
    TMatchState state = NewState(kEachForHimself);
    state.table[0][2] = D(10); // 2 points
    state.table[0][3] = C(4);
    state.table[1][2] = H(6);
    state.hands[SeatW] = { C(10), 0, 0, 0, 0, 0 };
    // Two groups of ten: 10D alone and 4 + 6.
    const std::vector<TTableSlot> all { { 0, 2 }, { 0, 3 }, { 1, 2 } };
    ASSERT_TRUE(IsLegalCapture(state, SeatW, 0, all));
    const TMoveOutcome out = ApplyMove(state, { SeatW, 0, all });
    EXPECT_EQ(out.ids, (std::vector<int> { D(10), C(4), H(6), C(10) }));
    EXPECT_EQ(out.points, 3);
    EXPECT_TRUE(out.tableCleared);
    EXPECT_EQ(state.Score[SeatW], 4);
    EXPECT_EQ(state.cells[1].points, 3);
    EXPECT_EQ(state.cells[1].clears, 1);
    EXPECT_EQ(state.LastTaker, SeatW);
    EXPECT_EQ(state.taken[SeatW].size(), 4u);

    // Illegal sets: an empty slot, the same slot twice, a wrong sum.
    state.table[0][2] = C(5);
    state.hands[SeatS] = { C(5), 0, 0, 0, 0, 0 };
    EXPECT_FALSE(IsLegalCapture(state, SeatS, 0, std::vector<TTableSlot> { { 0, 3 } }));
    EXPECT_FALSE(IsLegalCapture(state, SeatS, 0, std::vector<TTableSlot> { { 0, 2 }, { 0, 2 } }));
    EXPECT_FALSE(IsLegalCapture(state, SeatS, 0, std::vector<TTableSlot> {}));
    EXPECT_TRUE(IsLegalCapture(state, SeatS, 0, std::vector<TTableSlot> { { 0, 2 } }));

    // Pairs: W's points land on W's pair, in the pair's row.
    TMatchState pairs = NewState(kPairs);
    pairs.table[0][2] = C(10);
    pairs.hands[SeatE] = { S(10), 0, 0, 0, 0, 0 };
    ApplyMove(pairs, { SeatE, 0, { { 0, 2 } } });
    EXPECT_EQ(pairs.Score[SeatW], 3);
    EXPECT_EQ(pairs.Score[SeatE], 0);
    EXPECT_EQ(pairs.cells[1].Total(), 3);
}

TEST(MatchRules, EndOfHandRestAndMostCardsBonus)
{
    TMatchState state = NewState(kEachForHimself);
    state.taken[SeatS] = { C(2), C(3), C(4) };
    state.taken[SeatN] = { C(5), C(6), C(7) };
    state.taken[SeatE] = { C(8) };
    state.table[1][0] = C(10);
    state.LastTaker = SeatE;
    const THandEnd end = EndHand(state);
    EXPECT_EQ(end.restTaker, SeatE);
    EXPECT_EQ(end.restIds, std::vector<int> { C(10) });
    EXPECT_EQ(end.restPoints, 1);
    EXPECT_EQ(end.mostCards, 3);
    EXPECT_EQ(end.bonusSeats, (std::vector<int> { SeatS, SeatN }));
    EXPECT_EQ(state.Score, (std::array<int, 4> { 3, 0, 3, 1 }));
    EXPECT_EQ(state.cells[3].clears, 0); // the rest is never a clear
    EXPECT_TRUE(TableEmpty(state));

    // Nobody has taken anything: no bonus; nobody has captured in this match:
    // the hand's last player takes the rest.
    TMatchState quiet = NewState(kTwoPlayers);
    quiet.table[0][0] = D(10);
    quiet.LastPlayer = SeatN;
    const THandEnd none = EndHand(quiet);
    EXPECT_EQ(none.restTaker, SeatN);
    EXPECT_EQ(none.bonusSeats, std::vector<int> { SeatN });

    // A hidden seat never scores, whatever it holds.
    TMatchState two = NewState(kTwoPlayers);
    two.taken[SeatW] = { C(2), C(3), C(4), C(5) };
    two.taken[SeatS] = { C(6) };
    EXPECT_EQ(EndHand(two).bonusSeats, std::vector<int> { SeatS });
}

TEST(MatchRules, GameOverAndWinnerNames)
{
    const std::array<std::string, 4> same { "Ana", "Ana", "Ana", "Ana" };
    TMatchState state = NewState(kEachForHimself);
    state.Score = { 100, 99, 0, 0 };
    EXPECT_FALSE(IsGameOver(state));
    state.Score = { 101, 99, 0, 0 };
    EXPECT_TRUE(IsGameOver(state));
    state.Score = { 105, 105, 105, 105 };
    EXPECT_EQ(WinnerSeat(state), SeatS);
    state.Score = { 0, 110, 0, 110 };
    EXPECT_EQ(WinnerSeat(state), SeatE); // E before W on a tie

    TMatchState pairs = NewState(kPairs);
    pairs.Score = { 60, 98, 45, 0 }; // S/N 105 on S and N, W/E 98
    EXPECT_TRUE(IsGameOver(pairs));
    pairs.Score = { 105, 98, 0, 0 };
    EXPECT_EQ(WinnerName(pairs, { "Ja", "Pera", "Mika", "Zika" }), "Ja/Mika");
    pairs.Score = { 90, 102, 0, 0 };
    // Equal names used to name the wrong pair; the seat decides.
    EXPECT_EQ(WinnerName(pairs, { "X", "X", "Y", "Z" }), "X/Z");
    pairs.Score = { 0, 0, 0, 0 };
    EXPECT_EQ(WinnerName(pairs, same), "");
}

TEST(MatchRules, CardNames)
{
    const std::pair<int, const char*> names[]
        = { { 23, "10K" }, { 2, "2T" }, { 53, "AH" }, { 14, "AT" }, { 15, "2K" }, { 40, "AP" },
              { 41, "2H" }, { 24, "JK" }, { 54, "!!! Unknown CardID: 54" } };
    for (const auto& [id, name] : names)
        EXPECT_EQ(CardName(id), name);
}

TEST(MatchRules, OneDeckHandWithoutClearsIsWorth25)
{
    // Card points 22 plus one bonus of 3, when nobody cleared the table and one
    // seat took the most cards.
    struct THandWatch : TRandomMoves {
        using TRandomMoves::TRandomMoves;
        void HandEnded(const TMatchState& state, const THandEnd& end) override
        {
            total = std::accumulate(state.Score.begin(), state.Score.end(), 0);
            bonuses = int(end.bonusSeats.size());
        }
        int total = -1, bonuses = 0;
    };
    int checked = 0;
    for (unsigned seed = 1; seed < 400 && checked < 20; ++seed) {
        THandWatch moves(seed);
        TMatchState state = NewState(kEachForHimself);
        DealNewDeck(state, moves.NewDeck(0));
        int clears = 0;
        while (state.HandsPlayed == 0) {
            clears += ApplyMove(state, moves.Choose(state)).tableCleared;
            FinishTurn(state, moves);
        }
        if (clears > 0 || moves.bonuses != 1) continue;
        ++checked;
        EXPECT_EQ(moves.total, 25) << seed;
    }
    EXPECT_GT(checked, 0);
}

TEST(MatchRules, RandomMatchesConserveCardsAndEnd)
{
    for (int mode : { kEachForHimself, kPairs, kTwoPlayers })
        for (int decks : { 0, 1 })
            for (unsigned seed = 1; seed <= 6; ++seed) {
                TRandomMoves moves(seed * 31 + unsigned(mode * 7 + decks));
                TMatchState state = NewState(mode, decks);
                DealNewDeck(state, moves.NewDeck(decks));
                state.CurrentPlayer = SeatS;
                int guard = 0;
                while (!state.GameOver && ++guard < 20000) {
                    ApplyMove(state, moves.Choose(state));
                    ASSERT_TRUE(CardsConserved(state)) << mode << decks << seed;
                    FinishTurn(state, moves);
                    ASSERT_TRUE(CardsConserved(state)) << mode << decks << seed;
                    ASSERT_TRUE(SeatPlays(mode, state.CurrentPlayer));
                    for (int seat = 0; seat < kSeatCount; ++seat)
                        if (SeatPlays(mode, seat)) {
                            ASSERT_EQ(state.cells[ScoreRow(mode, seat) - 1].Total(),
                                state.Score[ScoringSeat(mode, seat)]);
                        }
                }
                EXPECT_TRUE(state.GameOver);
                EXPECT_TRUE(IsGameOver(state));
                EXPECT_NE(WinnerSeat(state), kNoSeat);
            }
}
