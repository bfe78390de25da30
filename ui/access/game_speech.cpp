#include "ui/access/game_speech.h"

TGameSpeech::TGameSpeech(std::function<std::unique_ptr<TSpeaker>()> makeSpeaker)
    : FMakeSpeaker(std::move(makeSpeaker))
{
}

TGameSpeech::~TGameSpeech() = default;

void TGameSpeech::SetOn(bool on)
{
    if (!on && FSpeaker) FSpeaker->Stop();
    FOnRule = nullptr;
    FOn = on;
}

void TGameSpeech::SetOnRule(std::function<bool()> rule)
{
    FOnRule = std::move(rule);
}

void TGameSpeech::SetSpeaker(std::unique_ptr<TSpeaker> speaker)
{
    FSpeaker = std::move(speaker);
}

TSpeaker* TGameSpeech::Speaker()
{
    if (!FSpeaker && FMakeSpeaker) FSpeaker = FMakeSpeaker();
    return FSpeaker.get();
}

void TGameSpeech::Say(const QString& text, TSpeaker::TWhen when)
{
    if (text.isEmpty()) return;
    // The same words again would tell the listener nothing new.
    if (text == FLast && when == TSpeaker::TWhen::Queue) return;
    FLast = text;
    if (!On() || !Speaker()) return;
    FSpoke = true;
    Speaker()->Say(text, when);
}

void TGameSpeech::Prepare()
{
    if (On() && Speaker()) Speaker()->Prepare();
}

void TGameSpeech::Move(int seat, const QString& text)
{
    if (seat >= 0 && seat < int(FLastMoves.size())) FLastMoves[std::size_t(seat)] = text;
    // The seat that has just moved is not on turn next: a mark of it before
    // the turn passes on is no news.
    FTurnSaid = seat;
    Say(text, TSpeaker::TWhen::Queue);
}

void TGameSpeech::Turn(int seat, const QString& text)
{
    // The window marks the seat on turn again on many a change; it is news
    // only once per move.
    if (seat == FTurnSaid || !On()) return;
    FTurnSaid = seat;
    Say(text, TSpeaker::TWhen::Queue);
}

void TGameSpeech::ForgetTurn()
{
    FTurnSaid = -1;
}

void TGameSpeech::Flow(const QString& text)
{
    FTurnSaid = -1;
    Say(text, TSpeaker::TWhen::Queue);
}

void TGameSpeech::Answer(const QString& text)
{
    Say(text, TSpeaker::TWhen::Interrupt);
}

void TGameSpeech::Repeat()
{
    if (On() && Speaker() && !FLast.isEmpty()) Speaker()->Say(FLast, TSpeaker::TWhen::Interrupt);
}

void TGameSpeech::ClearLastMoves()
{
    FLastMoves = {};
}
