#include "game/review/review_file.h"

#include "game/rules/key_value_reader.h"
#include "game/rules/match_file_checks.h"
#include "game/rules/match_rules.h"

#include <cmath>
#include <sstream>

namespace zaviko::review {

namespace {

constexpr const char* kMagic = "Zaviko reviews 1";
constexpr int kMaxHands = 1000;
constexpr int kMaxMoves = 120; // a hand gives the human at most 52 moves
constexpr int kMaxJudged = 2000;
constexpr int kMaxList = 208;

// The position on one line each for its scalars, hands, rows, taken lists,
// score rows and deck.
void WriteState(std::ostream& out, const TMatchState& s)
{
    out << "state " << s.GameMode << ' ' << s.DeckCount << ' ' << s.Clockwise << ' '
        << s.CurrentPlayer << ' ' << s.LastTaker << ' ' << s.LastPlayer << ' ' << s.MovesMade << ' '
        << s.HandsPlayed << '\n';
    for (const THand& hand : s.hands)
        WriteKeyList(out, "hand", { hand.begin(), hand.end() });
    for (const auto& row : s.table)
        WriteKeyList(out, "row", row);
    for (const auto& taken : s.taken)
        WriteKeyList(out, "taken", taken);
    for (int seat = 0; seat < kSeatCount; ++seat)
        out << "cells " << s.Score[seat] << ' ' << s.cells[seat].points << ' '
            << s.cells[seat].clears << ' ' << s.cells[seat].bonus << ' ' << s.handCells[seat].points
            << ' ' << s.handCells[seat].clears << ' ' << s.handCells[seat].bonus << '\n';
    WriteKeyList(out, "deck", s.deck);
}

void ReadState(TKeyValueReader& in, TMatchState& s)
{
    in.Key("state");
    s.GameMode = in.Int(0, 2);
    s.DeckCount = in.Int(0, 1);
    s.Clockwise = in.Int(0, 1) != 0;
    s.CurrentPlayer = in.Int(0, 3);
    s.LastTaker = in.Int(-1, 3);
    s.LastPlayer = in.Int(-1, 3);
    s.MovesMade = in.Int(0, kMaxMatchMoves);
    s.HandsPlayed = in.Int(0, kMaxMatchHands);
    for (THand& hand : s.hands) {
        const std::vector<int> ids = in.List("hand", kHandSlots, kNoCard, kLastSuitCardId);
        if (in.Ok() && ids.size() != hand.size()) in.Fail("ruka pogresne velicine");
        for (std::size_t i = 0; in.Ok() && i < hand.size(); ++i)
            hand[i] = ids[i];
    }
    for (auto& row : s.table) {
        row = in.List("row", kMaxList, kNoCard, kLastSuitCardId);
        if (in.Ok() && row.size() < std::size_t(kRowSlots)) in.Fail("prekratak red na talonu");
    }
    for (auto& taken : s.taken)
        taken = in.List("taken", kMaxList, kNoCard, kLastSuitCardId);
    for (int seat = 0; seat < kSeatCount; ++seat) {
        in.Key("cells");
        s.Score[seat] = in.Int(0, 100000);
        for (TScoreCells* cells : { &s.cells[seat], &s.handCells[seat] }) {
            cells->points = in.Int(0, 100000);
            cells->clears = in.Int(0, 100000);
            cells->bonus = in.Int(0, 100000);
        }
    }
    s.deck = in.List("deck", kMaxList, kNoCard, kLastSuitCardId);
}

void WriteMove(std::ostream& out, const char* key, const TMove& move)
{
    out << key << ' ' << move.seat << ' ' << move.handSlot << ' ' << move.take.size();
    for (const TTableSlot& place : move.take)
        out << ' ' << place.row << ' ' << place.slot;
    out << '\n';
}

// A move of the position: its seat's card, and table cards that lie there.
TMove ReadMove(TKeyValueReader& in, const char* key, const TMatchState& s)
{
    TMove move;
    in.Key(key);
    move.seat = in.Int(0, 3);
    move.handSlot = in.Int(0, kHandSlots - 1);
    const int taken = in.Int(0, kMaxList);
    for (int i = 0; in.Ok() && i < taken; ++i) {
        TTableSlot place;
        place.row = in.Int(0, kTableRows - 1);
        place.slot = in.Int(0, kMaxList);
        move.take.push_back(place);
    }
    if (!in.Ok()) return move;
    bool fits = s.hands[move.seat][move.handSlot] != kNoCard;
    for (const TTableSlot& place : move.take)
        fits = fits && place.slot < int(s.table[place.row].size())
            && s.table[place.row][place.slot] != kNoCard;
    if (!fits) in.Fail("potez koji nije iz svog polozaja");
    return move;
}

// Values in millionths of a point: the marks read back as they were shown.
constexpr double kUnits = 1e6;
constexpr long long kMostUnits = 1'000'000'000'000LL;

void WriteJudged(std::ostream& out, const std::vector<TJudgedMove>& judged)
{
    out << "judged " << judged.size() << '\n';
    for (const TJudgedMove& j : judged) {
        out << "value " << std::llround(j.value * kUnits) << ' '
            << std::llround(j.stdError * kUnits) << '\n';
        WriteMove(out, "move", j.move);
    }
}

double ReadValue(TKeyValueReader& in, long long low)
{
    return double(in.Number(low, kMostUnits)) / kUnits;
}

std::vector<TJudgedMove> ReadJudged(TKeyValueReader& in, const TMatchState& s)
{
    in.Key("judged");
    std::vector<TJudgedMove> judged(std::size_t(in.Int(0, kMaxJudged)));
    for (TJudgedMove& j : judged) {
        if (!in.Ok()) break;
        in.Key("value");
        j.value = ReadValue(in, -kMostUnits);
        j.stdError = ReadValue(in, 0);
        j.move = ReadMove(in, "move", s);
    }
    return judged;
}

} // namespace

std::string SaveReviewText(const std::vector<THandReview>& reviews)
{
    std::ostringstream out;
    out << kMagic << "\nhands " << reviews.size() << '\n';
    for (const THandReview& hand : reviews) {
        out << "review " << hand.hand << ' ' << hand.moves.size() << '\n';
        for (const TReviewedMove& m : hand.moves) {
            WriteState(out, m.before);
            WriteMove(out, "played", m.played);
            WriteJudged(out, m.fair);
            WriteJudged(out, m.everyCard);
        }
    }
    out << "end\n";
    return out.str();
}

std::optional<std::vector<THandReview>> LoadReviewText(const std::string& text, std::string& error)
{
    if (text.rfind(kMagic, 0) != 0) {
        error = "to nije fajl analize";
        return std::nullopt;
    }
    TKeyValueReader in(text.substr(std::string(kMagic).size()));
    in.Key("hands");
    std::vector<THandReview> reviews(std::size_t(in.Int(0, kMaxHands)));
    for (THandReview& hand : reviews) {
        if (!in.Ok()) break;
        in.Key("review");
        hand.hand = in.Int(1, kMaxMatchHands + 1);
        hand.moves.resize(std::size_t(in.Int(0, kMaxMoves)));
        for (TReviewedMove& m : hand.moves) {
            if (!in.Ok()) break;
            ReadState(in, m.before);
            if (in.Ok()) {
                const std::string why = UnreachableReason(m.before);
                if (!why.empty()) in.Fail(why);
            }
            if (!in.Ok()) break;
            m.played = ReadMove(in, "played", m.before);
            m.fair = ReadJudged(in, m.before);
            m.everyCard = ReadJudged(in, m.before);
        }
    }
    in.Key("end");
    if (in.Ok() && !in.AtEnd()) in.Fail("tekst posle kraja");
    if (!in.Ok()) {
        error = in.Error();
        return std::nullopt;
    }
    return reviews;
}

bool ReviewsFitHistory(
    const std::vector<THandReview>& reviews, const TMatchState& state, const TMoveHistory& history)
{
    for (const THandReview& hand : reviews) {
        if (hand.hand < 1 || hand.hand > state.HandsPlayed) return false;
        std::vector<int> played;
        for (const TMoveRecord& move : history)
            if (move.hand == hand.hand - 1 && move.seat == SeatS) played.push_back(move.playedId);
        if (hand.moves.size() > played.size()) return false;
        const std::size_t skipped = played.size() - hand.moves.size();
        for (std::size_t k = 0; k < hand.moves.size(); ++k) {
            const TReviewedMove& m = hand.moves[k];
            if (m.before.hands[SeatS][m.played.handSlot] != played[skipped + k]) return false;
        }
    }
    return true;
}

} // namespace zaviko::review
