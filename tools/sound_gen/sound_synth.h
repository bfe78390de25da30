#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The game's sounds, made from sine tones and filtered noise rather than
// recorded: each is short, starts and ends on silence (fades in and out, so
// the speaker does not click) and peaks below full scale, so several can mix
// without clipping. Plain C++; the build writes them as WAV files.
namespace SoundSynth {

constexpr int SampleRate = 44100;
// The loudest sample of every sound, as a share of full scale (-3 dB).
constexpr double Peak = 0.7;

struct TSoundDesign {
    // The file's name without ".wav"; the game's cues use the same names.
    std::string name;
    std::vector<std::int16_t> (*make)();
};

// Every sound the game plays, in a fixed order.
const std::vector<TSoundDesign>& Designs();

// One sound by name; empty when there is no such sound.
std::vector<std::int16_t> Make(const std::string& name);

} // namespace SoundSynth
