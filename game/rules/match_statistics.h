#pragma once

#include "game/rules/rules_namespace.h"

#include "game/rules/match_rules.h"
#include "game/rules/match_state.h"

#include <array>
#include <optional>
#include <string>

namespace zaviko::rules {

// The player's statistics on plain values: one record per game mode and deck
// count, counting what the human at seat S did. The window keeps them in a
// file beside the settings; the controller reports what happened through
// TMatchEvent.

inline constexpr int kStatisticModes = 3; // kEachForHimself, kPairs, kTwoPlayers
inline constexpr int kStatisticDecks = 2; // one deck, two decks
// The largest count the statistics keep, written and read alike: a count that
// reaches it stays there, so a file the game writes is always one it reads.
// Far beyond any real count, and far enough below the type's end that adding
// two counts can never overflow.
inline constexpr long long kMaxStatisticCount = 1'000'000'000'000LL;

struct TModeStatistics {
    long long played = 0; // matches that reached their end
    long long won = 0; // of those, won by the human (or the human's pair)
    long long bestScore = 0; // the human's best final score
    long long scoreSum = 0; // the human's final scores added up
    long long hands = 0; // hands that ended
    long long clears = 0; // the human's table clears in those hands
    long long bonuses = 0; // hands in which the human got the most-cards bonus
    long long hints = 0; // hints shown
    // Hands whose moves the review judged, and their accuracy percents
    // ("Preciznost") added up.
    long long reviewed = 0;
    long long accuracySum = 0;

    double AverageScore() const { return played ? double(scoreSum) / double(played) : 0.0; }
    double ClearsPerHand() const { return hands ? double(clears) / double(hands) : 0.0; }
    double BonusesPerHand() const { return hands ? double(bonuses) / double(hands) : 0.0; }
    double MeanAccuracy() const { return reviewed ? double(accuracySum) / double(reviewed) : 0.0; }
    bool operator==(const TModeStatistics&) const = default;
};

// What the controller reports, always on the GUI thread.
enum class TMatchEventKind { HandEnded, MatchEnded, HintShown, HandReviewed };

struct TMatchEvent {
    TMatchEventKind kind = TMatchEventKind::HandEnded;
    int gameMode = kEachForHimself;
    int deckCount = 0;
    int clears = 0; // HandEnded: the human's table clears in the hand
    bool bonus = false; // HandEnded: the human got the most-cards bonus
    int score = 0; // MatchEnded: the final score of the human's side
    bool won = false; // MatchEnded
    int accuracy = 0; // HandReviewed: the hand's accuracy, in percent
    // A move was taken back in the match before the event: the window counts
    // it in the statistics of such matches.
    bool undoUsed = false;
};

// The events of a state the rules have just changed.
TMatchEvent HandEndedEvent(const TMatchState& state, const THandEnd& end, int humanClears);
TMatchEvent MatchEndedEvent(const TMatchState& state);
TMatchEvent HintShownEvent(const TMatchState& state);
TMatchEvent HandReviewedEvent(const TMatchState& state, int accuracy);

class TMatchStatistics {
public:
    // The record of a mode and deck count; both are clamped into range.
    const TModeStatistics& Of(int gameMode, int deckCount) const;
    // Adds the event to its record; an event of an unknown mode is ignored.
    void Record(const TMatchEvent& event);
    // Adds another writer's counts to these, record by record (the best score
    // is the better of the two), so statistics kept apart can be joined.
    void Add(const TMatchStatistics& more);
    void Reset() { FRecords = {}; }
    bool Empty() const;
    bool operator==(const TMatchStatistics&) const = default;

    // The file's text: a magic first line, one line per record, "end".
    std::string SaveText() const;
    // The statistics of a whole, consistent text; nullopt with `error` set
    // for anything else (foreign, cut short, out of range, contradictory).
    static std::optional<TMatchStatistics> LoadText(const std::string& text, std::string& error);

private:
    TModeStatistics& At(int gameMode, int deckCount);
    std::array<std::array<TModeStatistics, kStatisticDecks>, kStatisticModes> FRecords {};
};

} // namespace zaviko::rules
