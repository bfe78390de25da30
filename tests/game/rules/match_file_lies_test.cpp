// Saved matches that read well but lie: each is a state the rules cannot
// reach or cannot play on from, and each is refused with its reason.
#include "game/rules/match_file.h"
#include "game/rules/match_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sstream>

namespace {

TSavedMatch Dealt(int mode)
{
    TSavedMatch match;
    StartMatch(match.state, kEachForHimself, 0, true);
    DealNewDeck(match.state, FreshDeck(0)); // the start-up deal of four seats
    StartMatch(match.state, mode, 0, true);
    std::vector<int> deck = FreshDeck(0);
    std::mt19937_64 generator(11);
    ShuffleDeck(deck, 1, [&generator](int n) { return int(generator() % unsigned(n)); });
    DealNewDeck(match.state, deck);
    std::ostringstream random;
    random << generator;
    match.randomState = random.str();
    return match;
}

// Moves every card of the seat's hand to its taken list, as captures would.
void TakeHand(TMatchState& s, int seat)
{
    for (int& id : s.hands[seat])
        if (id != kNoCard) s.taken[seat].push_back(std::exchange(id, kNoCard));
    s.LastTaker = seat;
}

struct TLie {
    const char* what;
    int mode;
    std::function<void(TMatchState&)> change;
    const char* reason;
};

const TLie kLies[] = {
    { "a score the cards cannot give", kEachForHimself,
        [](TMatchState& s) {
            s.Score[SeatS] = 100000;
            s.cells[0].points = 100000;
        },
        "rezultat je veci nego sto karte dozvoljavaju" },
    { "a score beside its table row", kEachForHimself, [](TMatchState& s) { s.Score[SeatN] = 5; },
        "rezultat se ne slaze sa tabelom" },
    { "the hidden W took last with 99 points", kTwoPlayers,
        [](TMatchState& s) {
            s.LastTaker = SeatW;
            s.Score[SeatW] = 99;
        },
        "poslednji potez pripada mestu koje ne igra" },
    { "a hidden seat holds cards", kTwoPlayers,
        [](TMatchState& s) {
            for (int& id : s.hands[SeatW]) {
                id = s.deck.back();
                s.deck.pop_back();
            }
        },
        "mesto koje ne igra drzi karte" },
    { "the human on turn without a card, cards in the deck", kTwoPlayers,
        [](TMatchState& s) { TakeHand(s, SeatS); }, "igrac na potezu nema karata" },
    { "every card already taken", kEachForHimself,
        [](TMatchState& s) {
            for (int seat = SeatS; seat <= SeatE; ++seat)
                TakeHand(s, seat);
            for (auto& row : s.table)
                for (int& id : row)
                    if (id != kNoCard) s.taken[SeatS].push_back(std::exchange(id, kNoCard));
            s.taken[SeatS].insert(s.taken[SeatS].end(), s.deck.begin(), s.deck.end());
            s.deck.clear();
            s.LastTaker = SeatS;
        },
        "igrac na potezu nema karata" },
    { "a table row of 208 slots", kEachForHimself,
        [](TMatchState& s) { s.table[1].resize(208, kNoCard); },
        "red na talonu je duzi nego sto karte dozvoljavaju" },
    { "a seat that has played is on turn again", kEachForHimself,
        [](TMatchState& s) { PutCardOnTable(s, std::exchange(s.hands[SeatS][0], kNoCard)); },
        "karte u rukama ne odgovaraju redu poteza" },
    { "taken cards but no taker", kEachForHimself,
        [](TMatchState& s) {
            TakeHand(s, SeatN);
            s.LastTaker = kNoSeat;
        },
        "karte su uzete, a niko ih nije uzeo" },
};

} // namespace

TEST(MatchFileLies, EveryLieIsRefusedWithItsReason)
{
    for (const TLie& lie : kLies) {
        TSavedMatch match = Dealt(lie.mode);
        std::string error;
        ASSERT_TRUE(LoadMatchText(SaveMatchText(match), error)) << lie.what << ": " << error;
        lie.change(match.state);
        EXPECT_FALSE(LoadMatchText(SaveMatchText(match), error)) << lie.what;
        EXPECT_EQ(error, lie.reason) << lie.what;
    }
}

TEST(MatchFileLies, AFileCutInsideTheGeneratorIsRefusedAndCrLfIsRead)
{
    const std::string good = SaveMatchText(Dealt(kPairs));
    std::string error;
    for (std::size_t cut : { std::size_t(1), std::size_t(2), good.size() / 40 }) {
        EXPECT_FALSE(LoadMatchText(good.substr(0, good.size() - cut), error)) << cut;
        EXPECT_EQ(error, "stanje generatora slucajnih brojeva nije celo");
    }
    std::string crlf;
    for (char c : good)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const auto read = LoadMatchText(crlf, error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(SaveMatchText(*read), good);
}

// The reasons are the player's: Serbian words, never the reader's English.
TEST(MatchFileLies, ReasonsAreInSerbian)
{
    const std::string good = SaveMatchText(Dealt(kEachForHimself));
    const std::pair<std::string, std::string> cases[] = {
        { "not a match", "to nije sacuvana partija" },
        { good.substr(0, good.find("decks")), "nedostaje polje decks" },
        { std::string(good).replace(good.find("mode 0"), 6, "mode 9"),
            "broj van dozvoljenog opsega" },
    };
    for (const auto& [text, reason] : cases) {
        std::string error;
        EXPECT_FALSE(LoadMatchText(text, error));
        EXPECT_EQ(error, reason);
    }
}
