#include "game/rules/match_file_checks.h"

#include "game/rules/card_points.h"
#include "game/rules/game_text.h"
#include "game/rules/match_rules.h"

#include <algorithm>
#include <numeric>

namespace zaviko::rules {

namespace {

bool CardIds(const TMatchState& s)
{
    auto card = [](int id) { return id == kNoCard || (id >= 2 && id <= 53); };
    for (const auto& hand : s.hands)
        if (!std::all_of(hand.begin(), hand.end(), card)) return false;
    for (const auto& row : s.table)
        if (!std::all_of(row.begin(), row.end(), card)) return false;
    return CardsConserved(s);
}

bool PlaysOrNone(const TMatchState& s, int seat)
{
    return seat == kNoSeat || SeatPlays(s.GameMode, seat);
}

// The hidden seats of the two-player mode hold, take and score nothing.
bool HiddenSeatsEmpty(const TMatchState& s)
{
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        if (SeatPlays(s.GameMode, seat)) continue;
        if (!HandEmpty(s, seat) || !s.taken[seat].empty()) return false;
    }
    return true;
}

// A full table grows a row by one slot, so the rows together never have more
// slots than the cards of the decks or the twelve they start with.
bool RowsFit(const TMatchState& s)
{
    const std::size_t cards = FreshDeck(s.DeckCount).size();
    const std::size_t longest = std::max<std::size_t>(kRowSlots, (cards + 1) / 2);
    return std::all_of(s.table.begin(), s.table.end(),
        [longest](const std::vector<int>& row) { return row.size() <= longest; });
}

// Each score row adds up to its seat's (or pair's) score; rows and scores of
// seats that have none stay at zero.
bool ScoresMatchRows(const TMatchState& s)
{
    std::array<int, kSeatCount> expected {};
    std::array<bool, kSeatCount> rowUsed {};
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        const int row = ScoreRow(s.GameMode, seat);
        if (row == 0) continue;
        rowUsed[row - 1] = true;
        expected[ScoringSeat(s.GameMode, seat)] = s.cells[row - 1].Total();
    }
    for (int row = 0; row < kSeatCount; ++row)
        if (!rowUsed[row] && s.cells[row].Total() != 0) return false;
    return expected == s.Score;
}

// What each side has scored in this hand: its row of the hand's scores, or,
// when the hand's clears are not known, its taken cards' points and a clear
// per two of them.
std::array<long long, kSeatCount> ScoredThisHand(const TMatchState& s, bool clearsKnown)
{
    std::array<long long, kSeatCount> thisHand {};
    for (int seat = SeatS; seat <= SeatE; ++seat)
        if (const int row = ScoreRow(s.GameMode, seat); row > 0)
            thisHand[ScoringSeat(s.GameMode, seat)]
                = s.handCells[row - 1].Total(); // partners share it
    for (int seat = SeatS; seat <= SeatE; ++seat)
        if (!clearsKnown && ScoreRow(s.GameMode, seat) > 0)
            thisHand[ScoringSeat(s.GameMode, seat)] += (long long)(s.taken[seat].size()) / 2;
    return thisHand;
}

// A side passes 100 only in the hand that ends the match, so before this hand
// each side held at most 100 and at most what the hands played could give
// (every card's points, a clear for each capture, the most-cards bonus for
// both partners).
bool ScoresWithinReach(const TMatchState& s, bool clearsKnown)
{
    const std::vector<int> deck = FreshDeck(s.DeckCount);
    const long long deckPoints = std::accumulate(
        deck.begin(), deck.end(), 0LL, [](long long sum, int id) { return sum + CardPoints(id); });
    const long long handMax = deckPoints + (long long)(deck.size()) / 2 + 6;
    const std::array<long long, kSeatCount> thisHand = ScoredThisHand(s, clearsKnown);
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        const long long before = s.Score[seat] - thisHand[seat];
        if (before > 100 || before > (long long)(s.HandsPlayed) * handMax) return false;
    }
    return true;
}

int CardsHeld(const TMatchState& s, int seat)
{
    return int(std::count_if(
        s.hands[seat].begin(), s.hands[seat].end(), [](int id) { return id != kNoCard; }));
}

// All hands are dealt alike and every seat plays one card a turn, so from the
// seat on turn round the table the hands hold c cards, then (the seats that
// have played this round) c - 1. Any other shape runs a hand dry while
// others still hold cards, and the next deal would lose them.
bool HandsFollowTheTurns(const TMatchState& s)
{
    const int most = CardsHeld(s, s.CurrentPlayer);
    int last = most;
    int seat = s.CurrentPlayer;
    do {
        const int held = CardsHeld(s, seat);
        if (held > last || held < most - 1) return false;
        last = held;
        seat = NextSeat(s.GameMode, s.Clockwise, seat);
    } while (seat != s.CurrentPlayer);
    return true;
}

bool SomebodyTook(const TMatchState& s)
{
    return std::any_of(
        s.taken.begin(), s.taken.end(), [](const std::vector<int>& t) { return !t.empty(); });
}

} // namespace

std::string UnreachableReason(const TMatchState& s, bool clearsKnown)
{
    if (!SeatPlays(s.GameMode, s.CurrentPlayer))
        return QT_TRANSLATE_NOOP("GameText", "na potezu je mesto koje ne igra");
    if (!PlaysOrNone(s, s.LastTaker) || !PlaysOrNone(s, s.LastPlayer))
        return QT_TRANSLATE_NOOP("GameText", "poslednji potez pripada mestu koje ne igra");
    if (!HiddenSeatsEmpty(s)) return QT_TRANSLATE_NOOP("GameText", "mesto koje ne igra drzi karte");
    if (!CardIds(s)) return QT_TRANSLATE_NOOP("GameText", "karte se ne slazu");
    if (!RowsFit(s))
        return QT_TRANSLATE_NOOP("GameText", "red na talonu je duzi nego sto karte dozvoljavaju");
    if (SomebodyTook(s) && s.LastTaker == kNoSeat)
        return QT_TRANSLATE_NOOP("GameText", "karte su uzete, a niko ih nije uzeo");
    // Resuming never deals, so the seat on turn must have a card to play.
    if (HandEmpty(s, s.CurrentPlayer))
        return QT_TRANSLATE_NOOP("GameText", "igrac na potezu nema karata");
    if (!HandsFollowTheTurns(s))
        return QT_TRANSLATE_NOOP("GameText", "karte u rukama ne odgovaraju redu poteza");
    if (!ScoresMatchRows(s))
        return QT_TRANSLATE_NOOP("GameText", "rezultat se ne slaze sa tabelom");
    if (!ScoresWithinReach(s, clearsKnown))
        return QT_TRANSLATE_NOOP("GameText", "rezultat je veci nego sto karte dozvoljavaju");
    // Every move plays one card of the hands' deals.
    if (s.MovesMade > (s.HandsPlayed + 1) * int(FreshDeck(s.DeckCount).size()))
        return QT_TRANSLATE_NOOP("GameText", "tok igre se ne slaze sa partijom");
    return std::string();
}

std::string UnreachableLastMoves(const TMatchState& s, const TLastMoves& moves)
{
    // With two decks every card is there twice.
    const long copies = s.DeckCount + 1;
    auto inHands = [&s](int id) {
        long n = 0;
        for (const auto& hand : s.hands)
            n += std::count(hand.begin(), hand.end(), id);
        return n;
    };
    auto onTable = [&s](int id) {
        long n = 0;
        for (const auto& row : s.table)
            n += std::count(row.begin(), row.end(), id);
        return n + std::count(s.deck.begin(), s.deck.end(), id);
    };
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        const TLastMove& move = moves[seat];
        if (move.playedId == kNoCard) {
            if (!move.takenIds.empty())
                return QT_TRANSLATE_NOOP("GameText", "potez bez odigrane karte");
            continue;
        }
        if (!SeatPlays(s.GameMode, seat))
            return QT_TRANSLATE_NOOP("GameText", "potez igraca koji ne igra");
        if (move.playedId < 2
            || inHands(move.playedId) + std::count(s.deck.begin(), s.deck.end(), move.playedId)
                >= copies)
            return QT_TRANSLATE_NOOP("GameText", "odigrana karta je jos u ruci");
        for (int id : move.takenIds) {
            const long inMove = std::count(move.takenIds.begin(), move.takenIds.end(), id)
                + (id == move.playedId ? 1 : 0);
            if (id < 2 || inHands(id) + onTable(id) + inMove > copies)
                return QT_TRANSLATE_NOOP("GameText", "odneta karta je jos u igri");
        }
    }
    return {};
}

std::string UnreachableHandCells(const TMatchState& s)
{
    std::array<TScoreCells, kSeatCount> expected {};
    std::array<std::size_t, kSeatCount> taken {};
    std::array<bool, kSeatCount> rowUsed {};
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        const int row = ScoreRow(s.GameMode, seat);
        if (row == 0) continue;
        rowUsed[row - 1] = true;
        for (int id : s.taken[seat])
            expected[row - 1].points += CardPoints(id);
        taken[row - 1] += s.taken[seat].size();
    }
    for (int row = 0; row < kSeatCount; ++row) {
        const TScoreCells& hand = s.handCells[row];
        const TScoreCells& match = s.cells[row];
        const bool fits = rowUsed[row] ? hand.points == expected[row].points
                && std::size_t(hand.clears) * 2 <= taken[row] && hand.points <= match.points
                && hand.clears <= match.clears && hand.bonus <= match.bonus
                                       : hand == TScoreCells {};
        if (!fits) return QT_TRANSLATE_NOOP("GameText", "rezultat deljenja se ne slaze sa tabelom");
    }
    return {};
}

namespace {

template <typename Range> long CopiesIn(const Range& cards, int id)
{
    return long(std::count(cards.begin(), cards.end(), id));
}

// The hand under way's moves in the history: a card they played left the
// hands and the deck for good, and a card they took is among the taken.
bool HandHistoryFits(const TSavedMatch& match)
{
    const TMatchState& s = match.state;
    std::vector<int> played, took, taken;
    for (const TMoveRecord& move : match.history)
        if (move.hand == s.HandsPlayed) {
            played.push_back(move.playedId);
            took.insert(took.end(), move.takenIds.begin(), move.takenIds.end());
        }
    for (const auto& list : s.taken)
        taken.insert(taken.end(), list.begin(), list.end());
    const long copies = s.DeckCount + 1;
    for (int id = 2; id <= kLastSuitCardId; ++id) {
        long elsewhere = CopiesIn(s.deck, id);
        for (const auto& hand : s.hands)
            elsewhere += CopiesIn(hand, id);
        if (CopiesIn(played, id) + elsewhere > copies || CopiesIn(took, id) > CopiesIn(taken, id))
            return false;
    }
    return true;
}

// Within a hand the taken lists only grow at their ends, the deck only loses
// its last cards and scores and clears only rise, so a step of this match's
// hand is behind it on each.
bool StepLeadsToMatch(const TUndoStep& step, const TSavedMatch& match)
{
    const TMatchState& t = step.state;
    const TMatchState& s = match.state;
    auto startsWith = [](const std::vector<int>& whole, const std::vector<int>& part) {
        return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
    };
    for (int seat = SeatS; seat <= SeatE; ++seat)
        if (!startsWith(s.taken[seat], t.taken[seat]) || t.Score[seat] > s.Score[seat])
            return false;
    return startsWith(t.deck, s.deck) && step.humanClears <= match.humanClears;
}

} // namespace

std::string UnreachableHistory(const TSavedMatch& match)
{
    const TMatchState& s = match.state;
    int hand = 0;
    for (const TMoveRecord& move : match.history) {
        if (move.hand < hand || move.hand > s.HandsPlayed || !SeatPlays(s.GameMode, move.seat)
            || move.playedId < 2
            || std::any_of(
                move.takenIds.begin(), move.takenIds.end(), [](int id) { return id < 2; }))
            return QT_TRANSLATE_NOOP("GameText", "tok igre se ne slaze sa partijom");
        hand = move.hand;
    }
    if (match.history.size() > std::size_t(s.MovesMade) || !HandHistoryFits(match))
        return QT_TRANSLATE_NOOP("GameText", "tok igre se ne slaze sa partijom");
    const TUndoStep* before = nullptr;
    for (const TUndoStep& step : match.undo) {
        const TMatchState& t = step.state;
        const bool fits = t.GameMode == s.GameMode && t.DeckCount == s.DeckCount
            && t.Clockwise == s.Clockwise && t.HandsPlayed == s.HandsPlayed
            && t.CurrentPlayer == SeatS && t.MovesMade < s.MovesMade
            && step.historySize <= match.history.size() && StepLeadsToMatch(step, match)
            && (!before
                || (before->state.MovesMade < t.MovesMade
                    && before->historySize <= step.historySize));
        if (!fits) return QT_TRANSLATE_NOOP("GameText", "koraci za vracanje poteza se ne slazu");
        before = &step;
    }
    return {};
}

std::string UnreachableHumanClears(const TMatchState& s, int humanClears)
{
    const int row = ScoreRow(s.GameMode, SeatS);
    const bool fits = row > 0 && std::size_t(humanClears) * 2 <= s.taken[SeatS].size()
        && humanClears <= s.handCells[row - 1].clears;
    return fits ? std::string()
                : QT_TRANSLATE_NOOP("GameText", "rezultat deljenja se ne slaze sa tabelom");
}

} // namespace zaviko::rules
