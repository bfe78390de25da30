#include "ui/sound/sound_cues.h"

#include "ui/sound/sound_output.h"

#include <QtGlobal>

namespace {

constexpr int HumanSeat = 0;

} // namespace

TSoundCues::TSoundCues(std::function<std::unique_ptr<TSoundOutput>()> makeOutput)
    : FMakeOutput(std::move(makeOutput))
{
}

TSoundCues::~TSoundCues() = default;

void TSoundCues::SetOn(bool on)
{
    FOn = on;
    if (FOn && FReady) Prepare();
}

void TSoundCues::SetVolume(int percent)
{
    FVolume = qBound(0, percent, 100);
    if (FOutput) FOutput->SetVolume(FVolume);
}

void TSoundCues::SetOutput(std::unique_ptr<TSoundOutput> output)
{
    FOutput = std::move(output);
    if (FOutput) FOutput->SetVolume(FVolume);
}

void TSoundCues::Prepare()
{
    FReady = true;
    if (!FOn) return;
    if (!FOutput && FMakeOutput) SetOutput(FMakeOutput());
    if (FOutput) FOutput->Load();
}

void TSoundCues::Play(TSoundCue cue)
{
    if (!FOn || !FReady) return;
    if (!FOutput) Prepare();
    if (FOutput) FOutput->Play(cue);
}

void TSoundCues::FlushMove()
{
    if (!FMoveWaiting) return;
    const TSoundCue cue = *FMoveWaiting;
    FMoveWaiting.reset();
    Play(cue);
}

void TSoundCues::Move(int taken, bool cleared, bool flying)
{
    FlushMove();
    FTurnHeard = false;
    FMatchEndHeard = false;
    const TSoundCue cue = taken == 0 ? TSoundCue::Lay
        : cleared                    ? TSoundCue::Clear
        : taken >= CaptureLongFrom   ? TSoundCue::CaptureLong
                                     : TSoundCue::Capture;
    if (flying)
        FMoveWaiting = cue;
    else
        Play(cue);
}

void TSoundCues::CardLanded(bool allDown)
{
    if (FMoveWaiting) {
        FlushMove();
        FMoveLanding = true;
    } else if (!FMoveLanding) {
        // Not a move's card: one dealt, or the table's rest going to its taker.
        Play(TSoundCue::Deal);
    }
    if (!allDown) return;
    FMoveLanding = false;
    if (FTurnWaiting) {
        FTurnWaiting = false;
        Play(TSoundCue::Turn);
        FTurnHeard = true;
    }
}

void TSoundCues::Dealt(bool flying)
{
    FlushMove();
    if (flying) return; // each card is heard as it lands
    Play(TSoundCue::Deal);
    if (FTurnWaiting) {
        FTurnWaiting = false;
        Play(TSoundCue::Turn);
        FTurnHeard = true;
    }
}

void TSoundCues::Turn(int seat, bool handHasCards, bool flightsUp)
{
    if (seat != HumanSeat) {
        FTurnWaiting = false;
        FTurnHeard = false;
        return;
    }
    // The window marks the seat on turn again on many a change: news once.
    if (FTurnHeard || FTurnWaiting) return;
    if (!handHasCards || flightsUp) {
        FTurnWaiting = true;
        return;
    }
    FlushMove();
    Play(TSoundCue::Turn);
    FTurnHeard = true;
}

void TSoundCues::Refused()
{
    Play(TSoundCue::Refused);
}

void TSoundCues::HandEnd()
{
    FlushMove();
    FTurnHeard = false;
    Play(TSoundCue::HandEnd);
}

void TSoundCues::MatchEnd(bool won)
{
    if (FMatchEndHeard) return;
    FMatchEndHeard = true;
    FlushMove();
    FTurnWaiting = false;
    Play(won ? TSoundCue::Won : TSoundCue::Lost);
}
