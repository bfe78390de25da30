#pragma once

#include "ui/sound/sound_cue.h"

#include <functional>
#include <memory>
#include <optional>

class TSoundOutput;

// What the table sounds like ("Zvuk"): the window tells it the match's
// events as it shows them, and it picks each one's sound and when to play
// it. With card flights a move is heard when its card lands, the turn once
// every card is down. Events before Prepare (the start-up, before the
// window is painted) and while off are silent.
class TSoundCues {
public:
    // The output is made when first needed, so a game with "Zvuk" off never
    // opens the audio device.
    explicit TSoundCues(std::function<std::unique_ptr<TSoundOutput>()> makeOutput);
    ~TSoundCues();

    void SetOn(bool on);
    bool On() const { return FOn; }
    void SetVolume(int percent);
    int Volume() const { return FVolume; }
    // The tests' recorder, or the playback check's, in place of the device.
    void SetOutput(std::unique_ptr<TSoundOutput> output);
    // From now on cues play; the sounds are read in when on.
    void Prepare();

    // A seat's move as the table shows it: a card laid, or `taken` cards
    // taken with it, `cleared` when that left the table empty. `flying`:
    // its cards are in the air and the sound waits for the first to land.
    void Move(int taken, bool cleared, bool flying);
    // A card has landed; `allDown` when it was the last in the air.
    void CardLanded(bool allDown);
    // New cards dealt; `flying`: each is heard as it lands.
    void Dealt(bool flying);
    // A seat marked on turn. The human's turn is heard when the human has
    // cards to play and none are in the air; otherwise once they are.
    void Turn(int seat, bool handHasCards, bool flightsUp);
    void Refused();
    void HandEnd();
    // Once a match, when it is over.
    void MatchEnd(bool won);
    // A capture of this many table cards or more is heard as the long sweep.
    static constexpr int CaptureLongFrom = 3;

private:
    void Play(TSoundCue cue);
    // A move still waiting for its landing is heard now, before what follows it.
    void FlushMove();

    std::function<std::unique_ptr<TSoundOutput>()> FMakeOutput;
    std::unique_ptr<TSoundOutput> FOutput;
    bool FOn = false;
    bool FReady = false;
    int FVolume = 80;
    std::optional<TSoundCue> FMoveWaiting;
    // The cards of the move just heard are still landing.
    bool FMoveLanding = false;
    bool FTurnWaiting = false;
    // The human's turn was heard and no move came since.
    bool FTurnHeard = false;
    bool FMatchEndHeard = false;
};
