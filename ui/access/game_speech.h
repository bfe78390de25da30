#pragma once

#include "ui/access/speaker.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <vector>

// The game speaking for itself, for a player who cannot see the table: each
// move of each seat, whose turn it is, what a key did or why it did nothing,
// the ends of hands and of the match. The game's flow is queued in order; an
// answer to a key cuts off what is stale. The same words twice in a row
// are said once, and the last words can be heard again.
class TGameSpeech {
public:
    // Speech goes to the speaker that `makeSpeaker` makes when first needed.
    explicit TGameSpeech(std::function<std::unique_ptr<TSpeaker>()> makeSpeaker);
    ~TGameSpeech();

    // "Govor": nothing is said while it is off. Left to `rule`, it is asked
    // each time (a screen reader may start after the game).
    void SetOn(bool on);
    void SetOnRule(std::function<bool()> rule);
    bool On() const { return FOnRule ? FOnRule() : FOn; }
    // The tests' recorder in place of the system's speech.
    void SetSpeaker(std::unique_ptr<TSpeaker> speaker);

    // Connects to the speech server now when the speech is on.
    void Prepare();

    // The game's flow, in the order it happens.
    void Move(int seat, const QString& text);
    void Turn(int seat, const QString& seatName);
    void Flow(const QString& text);
    // The next turn is said even when it is the same seat's (a match starts).
    void ForgetTurn();
    // What a key did, why it did nothing, or what it reads: said at once.
    void Answer(const QString& text);
    // The last words again.
    void Repeat();

    QString Last() const { return FLast; }
    // Whether anything has been said yet.
    bool Spoke() const { return FSpoke; }
    // Each seat's last move (S, W, N, E), empty before its first.
    const std::array<QString, 4>& LastMoves() const { return FLastMoves; }
    void ClearLastMoves();

private:
    void Say(const QString& text, TSpeaker::TWhen when);
    TSpeaker* Speaker();

    std::function<std::unique_ptr<TSpeaker>()> FMakeSpeaker;
    std::unique_ptr<TSpeaker> FSpeaker;
    bool FOn = false;
    std::function<bool()> FOnRule;
    QString FLast;
    bool FSpoke = false;
    // The seat whose turn was said last; a move makes the next turn news.
    int FTurnSaid = -1;
    std::array<QString, 4> FLastMoves;
};
