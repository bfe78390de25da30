#include "game/rules/match_file.h"

#include "game/rules/card_points.h"

#include "game/rules/game_text.h"
#include "game/rules/key_value_reader.h"
#include "game/rules/match_file_checks.h"
#include "game/rules/match_rules.h"
#include "platform/random.h"

#include <sstream>

namespace zaviko::rules {

namespace {

constexpr const char* kMagic = "Zaviko saved match 3";
// The earlier formats, read still: the second is the same without the hand's
// scores, the history and the undo steps, the first also without the last
// moves. All three magic lines are as long.
constexpr const char* kMagicWithoutHistory = "Zaviko saved match 2";
constexpr const char* kMagicWithoutLastMoves = "Zaviko saved match 1";
// Two decks' worth of undo steps and a long match's history fit well.
constexpr std::size_t kMaxText = 256 * 1024;
constexpr int kMaxList = 208; // no list holds more cards than two decks
constexpr int kMaxHistory = 20000;
constexpr int kMaxSteps = 120; // a hand gives the human at most 52 moves
// The draws from a hand's first undo step to the match's generator, all the
// file may ask the reader to replay. The computers draw once or twice a move,
// so a whole hand of two decks stays far below; the cap keeps a lying file
// from making the start-up replay for seconds.
constexpr std::uint64_t kMaxDraws = 4000;

void WriteState(std::ostream& out, const TMatchState& s)
{
    out << "mode " << s.GameMode << "\ndecks " << s.DeckCount << "\nclockwise " << s.Clockwise
        << "\ncurrent " << s.CurrentPlayer << "\nlasttaker " << s.LastTaker << "\nlastplayer "
        << s.LastPlayer << "\nmoves " << s.MovesMade << "\nhands " << s.HandsPlayed << '\n';
    for (const auto& hand : s.hands)
        WriteKeyList(out, "hand", { hand.begin(), hand.end() });
    for (const auto& row : s.table)
        WriteKeyList(out, "row", row);
    for (const auto& taken : s.taken)
        WriteKeyList(out, "taken", taken);
    for (int seat = 0; seat < kSeatCount; ++seat)
        out << "score " << s.Score[seat] << ' ' << s.cells[seat].points << ' '
            << s.cells[seat].clears << ' ' << s.cells[seat].bonus << '\n';
    WriteKeyList(out, "deck", s.deck);
}

void WriteLastMoves(std::ostream& out, const TLastMoves& moves)
{
    for (const TLastMove& move : moves) {
        out << "last " << move.playedId << ' ';
        WriteKeyList(out, "taken", move.takenIds);
    }
}

void WriteHandCells(std::ostream& out, const TMatchState& s)
{
    for (const TScoreCells& cells : s.handCells)
        out << "handcells " << cells.points << ' ' << cells.clears << ' ' << cells.bonus << '\n';
}

void ReadState(TKeyValueReader& in, TMatchState& s)
{
    in.Key("mode"), s.GameMode = in.Int(0, 2);
    in.Key("decks"), s.DeckCount = in.Int(0, 1);
    in.Key("clockwise"), s.Clockwise = in.Int(0, 1) != 0;
    in.Key("current"), s.CurrentPlayer = in.Int(0, 3);
    in.Key("lasttaker"), s.LastTaker = in.Int(-1, 3);
    in.Key("lastplayer"), s.LastPlayer = in.Int(-1, 3);
    in.Key("moves"), s.MovesMade = in.Int(0, kMaxMatchMoves);
    in.Key("hands"), s.HandsPlayed = in.Int(0, kMaxMatchHands);
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
}

void ReadLastMoves(TKeyValueReader& in, TLastMoves& moves)
{
    for (TLastMove& move : moves) {
        in.Key("last");
        move.playedId = in.Int(kNoCard, kLastSuitCardId);
        move.takenIds = in.List("taken", kMaxList, kNoCard, kLastSuitCardId);
    }
}

void ReadHandCells(TKeyValueReader& in, TMatchState& s)
{
    for (TScoreCells& cells : s.handCells) {
        in.Key("handcells");
        cells.points = in.Int(0, 100000);
        cells.clears = in.Int(0, 100000);
        cells.bonus = in.Int(0, 100000);
    }
}

// The hand's card points are its taken cards', as the second format has no
// hand scores; its clears are not known.
void HandPointsOfTaken(TMatchState& s)
{
    for (int seat = 0; seat < kSeatCount; ++seat)
        if (const int row = ScoreRow(s.GameMode, seat); row > 0)
            for (int id : s.taken[seat])
                s.handCells[row - 1].points += CardPoints(id);
}

// Whether the state reads as one the rules reach, with its last moves and
// its hand scores; the reason goes to `in` otherwise.
void CheckState(TKeyValueReader& in, const TMatchState& s, const TLastMoves& moves, int humanClears,
    bool clearsKnown = true)
{
    if (!in.Ok()) return;
    std::string why = UnreachableReason(s, clearsKnown);
    if (why.empty()) why = UnreachableLastMoves(s, moves);
    if (why.empty()) why = UnreachableHandCells(s);
    if (why.empty()) why = UnreachableHumanClears(s, humanClears);
    if (!why.empty()) in.Fail(why);
}

// The undo steps whose generators follow one another and lead to the
// match's within kMaxDraws in all: the oldest that do not are dropped. The
// draws of each step from the first one kept, in order.
std::vector<std::uint64_t> ChainedDraws(std::vector<TUndoStep>& steps, const std::string& now)
{
    std::vector<std::uint64_t> gaps(steps.size());
    std::size_t first = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::string& next = i + 1 < steps.size() ? steps[i + 1].randomState : now;
        const std::optional<std::uint64_t> gap
            = RandomDrawsBetween(steps[i].randomState, next, kMaxDraws);
        if (!gap) first = i + 1;
        gaps[i] = gap.value_or(0);
    }
    std::uint64_t total = 0;
    for (std::size_t i = first; i < gaps.size(); ++i)
        total += gaps[i];
    for (; first < gaps.size() && total > kMaxDraws; ++first)
        total -= gaps[first];
    steps.erase(steps.begin(), steps.begin() + std::ptrdiff_t(first));
    std::vector<std::uint64_t> draws;
    std::uint64_t sum = 0;
    for (std::size_t i = first; i < gaps.size(); ++i) {
        draws.push_back(sum);
        sum += gaps[i];
    }
    return draws;
}

// The steps' generators follow one another, from the first step's to the
// match's own, kMaxDraws in all at most: each step's is replayed from the one
// before it, so the file never costs more than that many draws.
void ReplayUndoDraws(TKeyValueReader& in, TSavedMatch& match, const std::string& firstRandom,
    const std::vector<std::uint64_t>& draws)
{
    std::string state = firstRandom;
    for (std::size_t i = 0; in.Ok() && i < match.undo.size(); ++i) {
        const std::uint64_t before = i == 0 ? 0 : draws[i - 1];
        if (draws[i] < before || (i == 0 && draws[i] != 0)) {
            in.Fail(QT_TRANSLATE_NOOP("GameText", "koraci za vracanje poteza se ne slazu"));
            return;
        }
        state = AdvancedRandomState(state, draws[i] - before);
        match.undo[i].randomState = state;
    }
    if (in.Ok() && !match.undo.empty()
        && !RandomDrawsBetween(state, match.randomState, kMaxDraws - draws.back()))
        in.Fail(QT_TRANSLATE_NOOP("GameText", "koraci za vracanje poteza se ne slazu"));
}

} // namespace

std::string SaveMatchText(const TSavedMatch& match)
{
    std::ostringstream out;
    out << kMagic << '\n';
    WriteState(out, match.state);
    WriteLastMoves(out, match.lastMoves);
    WriteHandCells(out, match.state);
    out << "humanclears " << match.humanClears << "\nundoused " << match.undoUsed << '\n';
    out << "history " << match.history.size() << '\n';
    for (const TMoveRecord& move : match.history) {
        out << "move " << move.hand << ' ' << move.seat << ' ' << move.playedId << ' ';
        WriteKeyList(out, "taken", move.takenIds);
    }
    std::vector<TUndoStep> steps = match.undo;
    const std::vector<std::uint64_t> draws = ChainedDraws(steps, match.randomState);
    out << "undo " << steps.size() << '\n';
    if (!steps.empty()) out << "undorandom " << steps.front().randomState << '\n';
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const TUndoStep& step = steps[i];
        out << "step " << step.historySize << ' ' << step.humanClears << ' ' << draws[i] << '\n';
        WriteState(out, step.state);
        WriteLastMoves(out, step.lastMoves);
        WriteHandCells(out, step.state);
    }
    out << "random " << match.randomState << '\n';
    return out.str();
}

std::optional<TSavedMatch> LoadMatchText(const std::string& text, std::string& error)
{
    const bool withHistory = text.rfind(kMagic, 0) == 0;
    const bool withLastMoves = withHistory || text.rfind(kMagicWithoutHistory, 0) == 0;
    if (text.size() > kMaxText || (!withLastMoves && text.rfind(kMagicWithoutLastMoves, 0) != 0)) {
        error = QT_TRANSLATE_NOOP("GameText", "to nije sacuvana partija");
        return std::nullopt;
    }
    TKeyValueReader in(text.substr(std::string(kMagic).size()));
    TSavedMatch match;
    TMatchState& s = match.state;
    ReadState(in, s);
    if (withLastMoves) ReadLastMoves(in, match.lastMoves);
    std::string firstRandom;
    std::vector<std::uint64_t> draws;
    if (withHistory) {
        ReadHandCells(in, s);
        in.Key("humanclears"), match.humanClears = in.Int(0, 100000);
        in.Key("undoused"), match.undoUsed = in.Int(0, 1) != 0;
        in.Key("history");
        match.history.resize(std::size_t(in.Int(0, kMaxHistory)));
        for (TMoveRecord& move : match.history) {
            if (!in.Ok()) break;
            in.Key("move");
            move.hand = in.Int(0, 1000000);
            move.seat = in.Int(0, 3);
            move.playedId = in.Int(kNoCard, kLastSuitCardId);
            move.takenIds = in.List("taken", kMaxList, kNoCard, kLastSuitCardId);
        }
        in.Key("undo");
        match.undo.resize(std::size_t(in.Int(0, kMaxSteps)));
        if (!match.undo.empty() && in.Key("undorandom")) firstRandom = in.Rest();
        for (TUndoStep& step : match.undo) {
            if (!in.Ok()) break;
            in.Key("step");
            step.historySize = std::size_t(in.Int(0, kMaxHistory));
            step.humanClears = in.Int(0, 100000);
            draws.push_back(std::uint64_t(in.Number(0, kMaxDraws)));
            ReadState(in, step.state);
            ReadLastMoves(in, step.lastMoves);
            ReadHandCells(in, step.state);
            CheckState(in, step.state, step.lastMoves, step.humanClears);
        }
    }
    if (in.Key("random")) match.randomState = in.Rest();
    // The writer ends every file with a line break, so a file without one
    // was cut, perhaps inside the generator's numbers.
    if (in.Ok() && (text.back() != '\n' || !IsRandomState(match.randomState)))
        in.Fail(QT_TRANSLATE_NOOP("GameText", "stanje generatora slucajnih brojeva nije celo"));
    if (in.Ok() && !in.AtEnd()) in.Fail(QT_TRANSLATE_NOOP("GameText", "tekst posle kraja"));
    if (!withHistory) HandPointsOfTaken(s);
    CheckState(in, s, match.lastMoves, match.humanClears, withHistory);
    if (in.Ok() && !match.undo.empty() && !IsRandomState(firstRandom))
        in.Fail(QT_TRANSLATE_NOOP("GameText", "stanje generatora slucajnih brojeva nije celo"));
    ReplayUndoDraws(in, match, firstRandom, draws);
    if (in.Ok()) {
        const std::string why = UnreachableHistory(match);
        if (!why.empty()) in.Fail(why);
    }
    if (!in.Ok()) {
        error = in.Error();
        return std::nullopt;
    }
    return match;
}

} // namespace zaviko::rules
