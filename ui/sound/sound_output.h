#pragma once

#include "ui/sound/sound_cue.h"

// Where the game's cues are heard: the system's audio (TMixerOutput), or a
// recorder in the tests. Play never waits for the sound.
class TSoundOutput {
public:
    virtual ~TSoundOutput() = default;
    // Reads the sounds in; called once the window has been painted.
    virtual void Load() = 0;
    virtual void Play(TSoundCue cue) = 0;
    // 0..100, as the options' slider has it.
    virtual void SetVolume(int percent) = 0;
};
