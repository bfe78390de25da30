// Saved matches that read well but lie: each is a state the rules cannot
// reach or cannot play on from, and each is refused with its reason.
#include "game/rules/card_points.h"
#include "game/rules/match_file.h"
#include "game/rules/match_rules.h"
#include "tests/game/rules/played_match.h"

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

namespace {

// The first line that begins with the key, replaced whole.
std::string WithLine(std::string text, const std::string& key, const std::string& line)
{
    const std::size_t at = text.find('\n' + key + ' ') + 1;
    return text.replace(at, text.find('\n', at) - at, line);
}

// A lie told by the whole file: the match changed, then its text changed.
struct TFileLie {
    const char* what;
    std::function<void(TSavedMatch&)> change;
    std::function<std::string(const std::string&)> edit;
    const char* reason;
};

std::string Same(const std::string& text)
{
    return text;
}

void Unchanged(TSavedMatch&)
{
}

// Moves the table's cards to the human's taken ones, as captures would have,
// their points in the hand's and the match's scores.
void HumanTookTheTable(TSavedMatch& m)
{
    TMatchState& s = m.state;
    int points = 0;
    for (auto& row : s.table)
        for (int& id : row)
            if (id != kNoCard) {
                points += CardPoints(id);
                s.taken[SeatS].push_back(std::exchange(id, kNoCard));
            }
    s.LastTaker = SeatS;
    s.handCells[0].points += points;
    s.cells[0].points += points;
    s.Score[SeatS] += points;
    m.undo.clear();
}

const TFileLie kFileLies[] = {
    { "a generator of zeros, which only ever draws 0", [](TSavedMatch& m) { m.undo.clear(); },
        [](const std::string& text) {
            std::string zeros;
            for (int i = 0; i < 312; ++i)
                zeros += "0 ";
            return WithLine(text, "random", "random " + zeros + "312");
        },
        "stanje generatora slucajnih brojeva nije celo" },
    { "the human cleared the table 99999 times, taking nothing",
        [](TSavedMatch& m) { m.humanClears = 99999; }, Same,
        "rezultat deljenja se ne slaze sa tabelom" },
    { "more clears than the human's row counts",
        [](TSavedMatch& m) {
            HumanTookTheTable(m);
            m.humanClears = 1;
        },
        Same, "rezultat deljenja se ne slaze sa tabelom" },
    { "an undo step with clears the human has not made",
        [](TSavedMatch& m) { m.undo[1].humanClears = 1; }, Same,
        "rezultat deljenja se ne slaze sa tabelom" },
    { "a side past 100 before this hand, passed off as this hand's clears",
        [](TSavedMatch& m) {
            HumanTookTheTable(m);
            m.state.HandsPlayed = 3;
            for (TMoveRecord& move : m.history)
                move.hand = 3;
            m.state.cells[0].points += 101;
            m.state.Score[SeatS] += 101;
        },
        Same, "rezultat je veci nego sto karte dozvoljavaju" },
    { "a last move playing a card still in the deck",
        [](TSavedMatch& m) { m.lastMoves[SeatN].playedId = m.state.deck.front(); }, Same,
        "odigrana karta je jos u ruci" },
    { "a last move taking a card still in the deck",
        [](TSavedMatch& m) { m.lastMoves[SeatE].takenIds = { m.state.deck.back() }; }, Same,
        "odneta karta je jos u igri" },
    { "undo steps of another deal",
        [](TSavedMatch& m) {
            const TSavedMatch other = Played(6);
            for (std::size_t i = 0; i < m.undo.size(); ++i) {
                m.undo[i].state = other.undo[i].state;
                m.undo[i].lastMoves = other.undo[i].lastMoves;
            }
        },
        Same, "koraci za vracanje poteza se ne slazu" },
    { "the history playing a card the human holds",
        [](TSavedMatch& m) { m.history.back().playedId = m.state.hands[SeatS][3]; }, Same,
        "tok igre se ne slaze sa partijom" },
    { "the history taking a card nobody has taken",
        [](TSavedMatch& m) {
            for (int id : m.state.table[1])
                if (id != kNoCard) m.history.back().takenIds = { id };
        },
        Same, "tok igre se ne slaze sa partijom" },
    { "a million moves", Unchanged,
        [](const std::string& text) { return WithLine(text, "moves", "moves 1000000"); },
        "broj van dozvoljenog opsega" },
    { "more moves than the hands played have cards", Unchanged,
        [](const std::string& text) { return WithLine(text, "moves", "moves 5000"); },
        "tok igre se ne slaze sa partijom" },
    { "a million hands", [](TSavedMatch& m) { m.undo.clear(); },
        [](const std::string& text) { return WithLine(text, "hands", "hands 1000000"); },
        "broj van dozvoljenog opsega" },
    { "text after the generator", Unchanged,
        [](const std::string& text) { return text + "random 1 2 3\n"; }, "tekst posle kraja" },
    { "undo steps whose draws go back", Unchanged,
        [](const std::string& text) {
            const std::size_t second = text.find("\nstep ", text.find("\nstep ") + 1);
            const std::size_t at = text.find("\nstep ", second + 1) + 1;
            std::string lied = text;
            return lied.replace(at, lied.find('\n', at) - at,
                text.substr(at, text.rfind(' ', text.find('\n', at)) - at) + " 0");
        },
        "koraci za vracanje poteza se ne slazu" },
    { "undo steps claiming millions of draws", Unchanged,
        [](const std::string& text) {
            std::string lied = text;
            const std::size_t at = lied.find("\nstep ", lied.find("\nstep ") + 1) + 1;
            const std::size_t end = lied.find('\n', at);
            const std::size_t draws = lied.rfind(' ', end) + 1;
            return lied.replace(draws, end - draws, "12000000");
        },
        "broj van dozvoljenog opsega" },
};

} // namespace

// Lies of the whole file, about what the match's state alone cannot show:
// each would hang the game, put impossible figures in the statistics or play
// on from another match.
TEST(MatchFileLies, EveryLieOfTheWholeFileIsRefusedWithItsReason)
{
    for (const TFileLie& lie : kFileLies) {
        TSavedMatch match = Played();
        std::string error;
        ASSERT_TRUE(LoadMatchText(SaveMatchText(match), error)) << lie.what << ": " << error;
        lie.change(match);
        const std::string text = lie.edit(SaveMatchText(match));
        EXPECT_FALSE(LoadMatchText(text, error)) << lie.what;
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
