#include "game/rules/match_statistics.h"

#include "game/rules/key_value_reader.h"

#include "game/rules/game_text.h"

#include <algorithm>
#include <sstream>
#include <utility>

namespace zaviko::rules {

namespace {

constexpr const char* kMagic = "Zaviko statistics 1";
constexpr std::size_t kMaxText = 16 * 1024;
// A table clear takes at least one card from the table, and a hand deals at
// most two decks: the reader's bound, which the writer keeps too.
constexpr int kMaxClearsPerHand = 104;

// The record's fields in file order, with their keys.
struct TField {
    const char* key;
    long long TModeStatistics::*member;
};
constexpr std::array<TField, 8> kFields { { { "played", &TModeStatistics::played },
    { "won", &TModeStatistics::won }, { "best", &TModeStatistics::bestScore },
    { "sum", &TModeStatistics::scoreSum }, { "hands", &TModeStatistics::hands },
    { "clears", &TModeStatistics::clears }, { "bonuses", &TModeStatistics::bonuses },
    { "hints", &TModeStatistics::hints } } };

// The review's fields follow the others, and only in records that have
// them: a file without the review reads as it always did.
constexpr std::array<TField, 2> kReviewFields { { { "reviewed", &TModeStatistics::reviewed },
    { "accuracy", &TModeStatistics::accuracySum } } };

bool Consistent(const TModeStatistics& r)
{
    return r.accuracySum <= r.reviewed * 100 && r.won <= r.played && r.bestScore <= r.scoreSum
        && (r.played > 0 || r.scoreSum == 0) && r.bonuses <= r.hands
        && r.clears <= r.hands * kMaxClearsPerHand;
}

// Both arguments lie in 0..kMaxStatisticCount, so the sum cannot overflow.
long long Added(long long count, long long more)
{
    return std::min(count + more, kMaxStatisticCount);
}

} // namespace

TMatchEvent HandEndedEvent(const TMatchState& state, const THandEnd& end, int humanClears)
{
    TMatchEvent event { TMatchEventKind::HandEnded, state.GameMode, state.DeckCount };
    event.clears = humanClears;
    event.bonus = std::find(end.bonusSeats.begin(), end.bonusSeats.end(), int(SeatS))
        != end.bonusSeats.end();
    return event;
}

TMatchEvent MatchEndedEvent(const TMatchState& state)
{
    TMatchEvent event { TMatchEventKind::MatchEnded, state.GameMode, state.DeckCount };
    const int mine = ScoringSeat(state.GameMode, SeatS);
    event.score = state.Score[mine];
    const int winner = WinnerSeat(state);
    event.won = winner != kNoSeat && ScoringSeat(state.GameMode, winner) == mine;
    return event;
}

TMatchEvent HintShownEvent(const TMatchState& state)
{
    return { TMatchEventKind::HintShown, state.GameMode, state.DeckCount };
}

TMatchEvent HandReviewedEvent(const TMatchState& state, int accuracy)
{
    TMatchEvent event { TMatchEventKind::HandReviewed, state.GameMode, state.DeckCount };
    event.accuracy = accuracy;
    return event;
}

const TModeStatistics& TMatchStatistics::Of(int gameMode, int deckCount) const
{
    return FRecords[std::clamp(gameMode, 0, kStatisticModes - 1)]
                   [std::clamp(deckCount, 0, kStatisticDecks - 1)];
}

TModeStatistics& TMatchStatistics::At(int gameMode, int deckCount)
{
    return const_cast<TModeStatistics&>(std::as_const(*this).Of(gameMode, deckCount));
}

void TMatchStatistics::Record(const TMatchEvent& event)
{
    if (event.gameMode < 0 || event.gameMode >= kStatisticModes || event.deckCount < 0
        || event.deckCount >= kStatisticDecks)
        return;
    TModeStatistics& r = At(event.gameMode, event.deckCount);
    switch (event.kind) {
    case TMatchEventKind::HandEnded:
        r.hands = Added(r.hands, 1);
        // A count no hand can give (a resumed match that lied) would make the
        // whole file read as damaged.
        r.clears = Added(r.clears, std::clamp(event.clears, 0, kMaxClearsPerHand));
        r.bonuses = Added(r.bonuses, event.bonus ? 1 : 0);
        break;
    case TMatchEventKind::MatchEnded: {
        const long long score = std::max(0, event.score);
        r.played = Added(r.played, 1);
        r.won = Added(r.won, event.won ? 1 : 0);
        r.scoreSum = Added(r.scoreSum, score);
        r.bestScore = std::min(std::max(r.bestScore, score), kMaxStatisticCount);
        break;
    }
    case TMatchEventKind::HintShown:
        r.hints = Added(r.hints, 1);
        break;
    case TMatchEventKind::HandReviewed:
        // Both stop at the bound together, so the mean stays a percent.
        if (r.reviewed == kMaxStatisticCount) break;
        r.reviewed = Added(r.reviewed, 1);
        r.accuracySum = Added(r.accuracySum, std::clamp(event.accuracy, 0, 100));
        break;
    }
}

// Each count stops at the bound, so a sum of consistent records stays
// consistent: every check compares a count with one that grows at least as fast.
void TMatchStatistics::Add(const TMatchStatistics& more)
{
    for (int mode = 0; mode < kStatisticModes; ++mode)
        for (int decks = 0; decks < kStatisticDecks; ++decks) {
            TModeStatistics& r = FRecords[mode][decks];
            const TModeStatistics& m = more.FRecords[mode][decks];
            const long long best = std::max(r.bestScore, m.bestScore);
            for (const TField& field : kFields)
                r.*field.member = Added(r.*field.member, m.*field.member);
            for (const TField& field : kReviewFields)
                r.*field.member = Added(r.*field.member, m.*field.member);
            r.accuracySum = std::min(r.accuracySum, r.reviewed * 100);
            r.bestScore = best;
        }
}

bool TMatchStatistics::Empty() const
{
    return *this == TMatchStatistics();
}

std::string TMatchStatistics::SaveText() const
{
    std::ostringstream out;
    out << kMagic << '\n';
    for (int mode = 0; mode < kStatisticModes; ++mode)
        for (int decks = 0; decks < kStatisticDecks; ++decks) {
            out << "mode " << mode << " decks " << decks;
            const TModeStatistics& r = FRecords[mode][decks];
            for (const TField& field : kFields)
                out << ' ' << field.key << ' ' << r.*field.member;
            if (r.reviewed > 0)
                for (const TField& field : kReviewFields)
                    out << ' ' << field.key << ' ' << r.*field.member;
            out << '\n';
        }
    out << "end\n";
    return out.str();
}

std::optional<TMatchStatistics> TMatchStatistics::LoadText(
    const std::string& text, std::string& error)
{
    auto fail = [&error](const char* why) {
        error = why;
        return std::optional<TMatchStatistics>();
    };
    if (text.size() > kMaxText) return fail(QT_TRANSLATE_NOOP("GameText", "fajl je prevelik"));
    std::istringstream lines(text);
    std::string line;
    // Lines may end in CR LF, as an editor on another system saves them.
    auto next = [&lines, &line] {
        if (!std::getline(lines, line)) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    };
    if (!next() || line != kMagic)
        return fail(QT_TRANSLATE_NOOP("GameText", "to nije fajl statistike"));
    TMatchStatistics stats;
    std::array<std::array<bool, kStatisticDecks>, kStatisticModes> seen {};
    while (next()) {
        if (line == "end") {
            // Only blank space may follow the end mark.
            std::string rest;
            if (lines >> rest) return fail(QT_TRANSLATE_NOOP("GameText", "tekst posle kraja"));
            return stats;
        }
        TKeyValueReader in(line);
        in.Key("mode");
        const long long mode = in.Number(0, kStatisticModes - 1);
        in.Key("decks");
        const long long decks = in.Number(0, kStatisticDecks - 1);
        if (!in.Ok()) return fail(QT_TRANSLATE_NOOP("GameText", "ostecen red"));
        if (seen[mode][decks]) return fail(QT_TRANSLATE_NOOP("GameText", "isti zapis dvaput"));
        seen[mode][decks] = true;
        TModeStatistics& r = stats.FRecords[mode][decks];
        for (const TField& field : kFields) {
            in.Key(field.key);
            r.*field.member = in.Number(0, kMaxStatisticCount);
        }
        if (in.Ok() && !in.NothingLeft())
            for (const TField& field : kReviewFields) {
                in.Key(field.key);
                r.*field.member = in.Number(0, kMaxStatisticCount);
            }
        if (!in.Ok() || !in.AtEnd()) return fail(QT_TRANSLATE_NOOP("GameText", "ostecen red"));
        if (!Consistent(r))
            return fail(QT_TRANSLATE_NOOP("GameText", "brojevi koji se medjusobno ne slazu"));
    }
    return fail(QT_TRANSLATE_NOOP("GameText", "fajl je odsecen"));
}

} // namespace zaviko::rules
