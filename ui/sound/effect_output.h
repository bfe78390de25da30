#pragma once

#include "ui/sound/sound_output.h"

#include <array>
#include <vector>

class QSoundEffect;

// The cues through Qt Multimedia: a few sound effects per cue, so a sound
// that comes again while it still plays (cards dealt one after another)
// overlaps itself rather than cutting itself off. Without an audio device
// the effects fail to load and every cue is silent; nothing is shown.
class TEffectOutput : public TSoundOutput {
public:
    static constexpr int Voices = 4;

    TEffectOutput();
    ~TEffectOutput() override;

    void Load() override;
    void Play(TSoundCue cue) override;
    void SetVolume(int percent) override;

private:
    std::array<std::vector<QSoundEffect*>, SoundCueCount> FEffects;
    std::array<int, SoundCueCount> FNext {};
    double FVolume = 1.0;
};
