#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Mixes the sounds that play at once into one stream of 16-bit samples:
// a sound that starts while others still play is added to them, each from
// its own start, so a deal's cards and a move's sweep overlap rather than
// cut one another off. Plain C++, on one thread.
class TSoundMixer {
public:
    // At most this many sounds at once; one more drops the oldest.
    static constexpr std::size_t MaxVoices = 8;

    // The samples of sound `index`, replacing any it had.
    void SetSound(std::size_t index, std::vector<std::int16_t> samples);
    bool HasSound(std::size_t index) const;
    // Starts sound `index` from its beginning; one without samples is silent.
    void Start(std::size_t index);
    // 0..1, applied to every sound as it is mixed.
    void SetGain(double gain) { FGain = gain; }
    // Whether any sound is still playing.
    bool Playing() const { return !FVoices.empty(); }
    // The next `count` samples of the mix, silence where nothing plays, the
    // sum clipped to 16 bits.
    void Mix(std::int16_t* out, std::size_t count);

private:
    struct TVoice {
        std::size_t sound;
        std::size_t at;
    };
    std::vector<std::vector<std::int16_t>> FSounds;
    std::vector<TVoice> FVoices;
    double FGain = 1.0;
};
