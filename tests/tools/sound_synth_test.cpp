// The generator's sounds as a listener needs them: short, below full scale
// with room to mix, no click where they start or stop or anywhere between,
// and written as the 16-bit mono WAV the game reads.
#include "tools/sound_gen/sound_synth.h"
#include "tools/sound_gen/wav_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int FullScale = 32767;

int Peak(const std::vector<std::int16_t>& s)
{
    int peak = 0;
    for (std::int16_t v : s)
        peak = std::max(peak, std::abs(int(v)));
    return peak;
}

int LargestStep(const std::vector<std::int16_t>& s)
{
    int step = 0;
    for (std::size_t i = 1; i < s.size(); ++i)
        step = std::max(step, std::abs(int(s[i]) - int(s[i - 1])));
    return step;
}

std::uint32_t Read(const std::vector<char>& bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | std::uint8_t(bytes[at + std::size_t(i)]);
    return value;
}

} // namespace

TEST(SoundSynthTest, EverySoundIsShortCleanAndBelowFullScale)
{
    struct TLength {
        const char* name;
        double min, max; // seconds
    };
    // The table's sounds are brief; the match's end may ring longer.
    const TLength lengths[] = { { "deal", 0.04, 0.12 }, { "lay", 0.08, 0.2 },
        { "capture", 0.15, 0.35 }, { "capture_long", 0.4, 0.8 }, { "clear", 0.5, 1.0 },
        { "turn", 0.2, 0.6 }, { "refused", 0.15, 0.4 }, { "hand_end", 0.5, 1.2 },
        { "won", 0.8, 1.6 }, { "lost", 0.8, 1.6 } };
    ASSERT_EQ(SoundSynth::Designs().size(), std::size(lengths));
    for (const TLength& length : lengths) {
        const std::vector<std::int16_t> s = SoundSynth::Make(length.name);
        const double seconds = double(s.size()) / SoundSynth::SampleRate;
        EXPECT_GE(seconds, length.min) << length.name;
        EXPECT_LE(seconds, length.max) << length.name;
        ASSERT_FALSE(s.empty()) << length.name;
        // Below full scale with room for a second sound; loud enough to hear.
        EXPECT_LE(Peak(s), int(SoundSynth::Peak * FullScale) + 1) << length.name;
        EXPECT_GE(Peak(s), FullScale / 4) << length.name;
        // It starts and ends on silence, fading: no click either way.
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_LE(std::abs(int(s[i])), FullScale / 200) << length.name << " start " << i;
            EXPECT_LE(std::abs(int(s[s.size() - 1 - i])), FullScale / 200)
                << length.name << " end " << i;
        }
        // No jump between two samples that the ear would hear as a click.
        EXPECT_LT(LargestStep(s), FullScale * 3 / 10) << length.name;
    }
}

TEST(SoundSynthTest, TheSameSoundEveryTimeAndNoneForAnUnknownName)
{
    for (const SoundSynth::TSoundDesign& design : SoundSynth::Designs())
        EXPECT_EQ(design.make(), SoundSynth::Make(design.name)) << design.name;
    EXPECT_TRUE(SoundSynth::Make("applause").empty());
}

TEST(SoundSynthTest, TheWavFileIsSixteenBitMonoPcmWithEverySample)
{
    const std::vector<std::int16_t> samples { 0, 1000, -1000, 32767, -32768, 0 };
    const std::vector<char> wav = WavBytes(samples, SoundSynth::SampleRate);
    ASSERT_EQ(wav.size(), 44u + 2 * samples.size());
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    EXPECT_EQ(Read(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(Read(wav, 20, 2), 1u) << "PCM";
    EXPECT_EQ(Read(wav, 22, 2), 1u) << "mono";
    EXPECT_EQ(Read(wav, 24, 4), 44100u);
    EXPECT_EQ(Read(wav, 28, 4), 88200u) << "bytes a second";
    EXPECT_EQ(Read(wav, 34, 2), 16u) << "bits a sample";
    EXPECT_EQ(std::memcmp(wav.data() + 36, "data", 4), 0);
    EXPECT_EQ(Read(wav, 40, 4), 2 * samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        EXPECT_EQ(std::int16_t(Read(wav, 44 + 2 * i, 2)), samples[i]) << i;
}
