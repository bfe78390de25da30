#include "game/rules/match_file.h"

#include "game/rules/card_points.h"

#include "game/rules/game_text.h"
#include "game/rules/key_value_reader.h"
#include "game/rules/match_file_checks.h"
#include "game/rules/match_rules.h"
#include "platform/random.h"

#include <sstream>

namespace {

constexpr const char* kMagic = "Zaviko saved match 2";
// The first format, read still: it is the same without the last moves.
constexpr const char* kMagicWithoutLastMoves = "Zaviko saved match 1";
constexpr std::size_t kMaxText = 64 * 1024;
constexpr int kMaxList = 208; // no list holds more cards than two decks

void WriteList(std::ostream& out, const char* key, const std::vector<int>& ids)
{
    out << key << ' ' << ids.size();
    for (int id : ids)
        out << ' ' << id;
    out << '\n';
}

} // namespace

std::string SaveMatchText(const TSavedMatch& match)
{
    const TMatchState& s = match.state;
    std::ostringstream out;
    out << kMagic << '\n';
    out << "mode " << s.GameMode << "\ndecks " << s.DeckCount << "\nclockwise " << s.Clockwise
        << "\ncurrent " << s.CurrentPlayer << "\nlasttaker " << s.LastTaker << "\nlastplayer "
        << s.LastPlayer << "\nmoves " << s.MovesMade << "\nhands " << s.HandsPlayed << '\n';
    for (const auto& hand : s.hands)
        WriteList(out, "hand", { hand.begin(), hand.end() });
    for (const auto& row : s.table)
        WriteList(out, "row", row);
    for (const auto& taken : s.taken)
        WriteList(out, "taken", taken);
    for (int seat = 0; seat < kSeatCount; ++seat)
        out << "score " << s.Score[seat] << ' ' << s.cells[seat].points << ' '
            << s.cells[seat].clears << ' ' << s.cells[seat].bonus << '\n';
    WriteList(out, "deck", s.deck);
    for (const TLastMove& move : match.lastMoves) {
        out << "last " << move.playedId << ' ';
        WriteList(out, "taken", move.takenIds);
    }
    out << "random " << match.randomState << '\n';
    return out.str();
}

std::optional<TSavedMatch> LoadMatchText(const std::string& text, std::string& error)
{
    const bool withLastMoves = text.rfind(kMagic, 0) == 0;
    if (text.size() > kMaxText || (!withLastMoves && text.rfind(kMagicWithoutLastMoves, 0) != 0)) {
        error = QT_TRANSLATE_NOOP("GameText", "to nije sacuvana partija");
        return std::nullopt;
    }
    TKeyValueReader in(text.substr(std::string(kMagic).size()));
    TSavedMatch match;
    TMatchState& s = match.state;
    in.Key("mode"), s.GameMode = in.Int(0, 2);
    in.Key("decks"), s.DeckCount = in.Int(0, 1);
    in.Key("clockwise"), s.Clockwise = in.Int(0, 1) != 0;
    in.Key("current"), s.CurrentPlayer = in.Int(0, 3);
    in.Key("lasttaker"), s.LastTaker = in.Int(-1, 3);
    in.Key("lastplayer"), s.LastPlayer = in.Int(-1, 3);
    in.Key("moves"), s.MovesMade = in.Int(0, 1000000);
    in.Key("hands"), s.HandsPlayed = in.Int(0, 1000000);
    for (auto& hand : s.hands) {
        const std::vector<int> ids = in.List("hand", kMaxList, kNoCard, kLastSuitCardId);
        if (in.Ok() && ids.size() != hand.size())
            in.Fail(QT_TRANSLATE_NOOP("GameText", "ruka pogresne velicine"));
        for (std::size_t i = 0; in.Ok() && i < hand.size(); ++i)
            hand[i] = ids[i];
    }
    for (auto& row : s.table) {
        row = in.List("row", kMaxList, kNoCard, kLastSuitCardId);
        if (in.Ok() && row.size() < std::size_t(kRowSlots))
            in.Fail(QT_TRANSLATE_NOOP("GameText", "prekratak red na talonu"));
    }
    for (auto& taken : s.taken)
        taken = in.List("taken", kMaxList, kNoCard, kLastSuitCardId);
    for (int seat = 0; seat < kSeatCount; ++seat) {
        in.Key("score");
        s.Score[seat] = in.Int(0, 100000);
        s.cells[seat].points = in.Int(0, 100000);
        s.cells[seat].clears = in.Int(0, 100000);
        s.cells[seat].bonus = in.Int(0, 100000);
    }
    s.deck = in.List("deck", kMaxList, kNoCard, kLastSuitCardId);
    for (int seat = 0; withLastMoves && seat < kSeatCount; ++seat) {
        TLastMove& move = match.lastMoves[seat];
        in.Key("last");
        move.playedId = in.Int(kNoCard, kLastSuitCardId);
        move.takenIds = in.List("taken", kMaxList, kNoCard, kLastSuitCardId);
    }
    if (in.Key("random")) match.randomState = in.Rest();
    // The writer ends every file with a line break, so a file without one
    // was cut, perhaps inside the generator's numbers.
    if (in.Ok() && (text.back() != '\n' || !IsRandomState(match.randomState)))
        in.Fail(QT_TRANSLATE_NOOP("GameText", "stanje generatora slucajnih brojeva nije celo"));
    if (in.Ok()) {
        std::string why = UnreachableReason(s);
        if (why.empty()) why = UnreachableLastMoves(s, match.lastMoves);
        if (!why.empty()) in.Fail(why);
    }
    if (!in.Ok()) {
        error = in.Error();
        return std::nullopt;
    }
    // The hand's card points are its taken cards'; its clears are not kept.
    for (int seat = 0; seat < kSeatCount; ++seat)
        if (const int row = ScoreRow(s.GameMode, seat); row > 0)
            for (int id : s.taken[seat])
                s.handCells[row - 1].points += CardPoints(id);
    return match;
}
