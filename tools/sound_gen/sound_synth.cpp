#include "tools/sound_gen/sound_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace SoundSynth {
namespace {

constexpr double Pi = std::numbers::pi;

// A sound being mixed, in seconds and full-scale units.
class TMix {
public:
    explicit TMix(double seconds)
        : FSamples(std::size_t(seconds * SampleRate), 0.0)
    {
    }

    // A bell-like note: the tone and two quieter overtones, each dying away
    // faster than the one below it; it rises over a few milliseconds and is
    // faded to nothing by `length`, so it never ends on a step.
    void Note(double start, double length, double frequency, double level, double decay)
    {
        const struct {
            double ratio, share, speed;
        } partials[] = { { 1.0, 1.0, 1.0 }, { 2.0, 0.3, 1.8 }, { 3.0, 0.1, 2.6 } };
        for (const auto& p : partials)
            Add(start, length, level * p.share, [&](double t) {
                return std::sin(2 * Pi * frequency * p.ratio * t) * std::exp(-t * p.speed / decay);
            });
    }

    // Cards brushing cloth: noise through a band-pass whose middle moves
    // from `fromHz` to `toHz`, loudest early and dying away.
    void Brush(double start, double length, double fromHz, double toHz, double level)
    {
        // A fixed generator, so every build writes the same file.
        std::uint32_t seed = 0x2545f491u;
        double low = 0, band = 0, soft = 0;
        Add(start, length, level, [&](double t) {
            seed = seed * 1664525u + 1013904223u;
            const double noise = double(seed >> 8) / double(1u << 24) * 2 - 1;
            // A state-variable filter, tuned anew each sample.
            const double hz = fromHz + (toHz - fromHz) * (t / length);
            const double f = 2 * std::sin(Pi * hz / SampleRate);
            low += f * band;
            const double high = noise - low - 0.9 * band;
            band += f * high;
            // A gentle low-pass on top takes the hiss's sharpest edges off.
            soft += 0.4 * (band - soft);
            return soft * std::exp(-t * 3 / length);
        });
    }

    // The finished sound: scaled so its loudest sample is `level` of the
    // peak, with a short fade at each end.
    std::vector<std::int16_t> Finish(double level) const
    {
        double loudest = 0;
        for (double s : FSamples)
            loudest = std::max(loudest, std::abs(s));
        const double scale = loudest > 0 ? Peak * level / loudest : 0;
        const std::size_t n = FSamples.size();
        const std::size_t fadeIn = SampleRate * 3 / 1000;
        const std::size_t fadeOut = SampleRate * 15 / 1000;
        std::vector<std::int16_t> out(n);
        for (std::size_t i = 0; i < n; ++i) {
            double gain = scale;
            if (i < fadeIn) gain *= Ramp(double(i) / double(fadeIn));
            if (i + fadeOut >= n) gain *= Ramp(double(n - 1 - i) / double(fadeOut));
            out[i] = std::int16_t(std::lround(FSamples[i] * gain * 32767));
        }
        return out;
    }

private:
    // Half a cosine from 0 to 1: no corner where it starts or stops.
    static double Ramp(double x) { return 0.5 - 0.5 * std::cos(Pi * std::clamp(x, 0.0, 1.0)); }

    template <typename F> void Add(double start, double length, double level, F&& wave)
    {
        const std::size_t first = std::size_t(start * SampleRate);
        const std::size_t count = std::size_t(length * SampleRate);
        const double attack = 0.004 * SampleRate;
        const double release = std::min(0.03 * SampleRate, count / 3.0);
        for (std::size_t i = 0; i < count && first + i < FSamples.size(); ++i) {
            const double t = double(i) / SampleRate;
            double gain = level * Ramp(double(i) / attack);
            if (double(count - i) < release) gain *= Ramp(double(count - i) / release);
            FSamples[first + i] += gain * wave(t);
        }
    }

    std::vector<double> FSamples;
};

// Notes by their frequencies in hertz.
constexpr double C4 = 261.63, Eb4 = 311.13, G4 = 392.00, C5 = 523.25, E5 = 659.26, G5 = 783.99,
                 C6 = 1046.50, E6 = 1318.51, G6 = 1567.98, C7 = 2093.00, A3 = 220.00, Fs3 = 185.00,
                 C3 = 130.81;

std::vector<std::int16_t> Deal()
{
    TMix mix(0.08);
    mix.Brush(0, 0.08, 1800, 3200, 1.0);
    return mix.Finish(0.55);
}

std::vector<std::int16_t> Lay()
{
    TMix mix(0.14);
    mix.Brush(0, 0.05, 1400, 900, 0.8);
    mix.Note(0, 0.14, 170, 0.9, 0.04);
    return mix.Finish(0.65);
}

std::vector<std::int16_t> Capture()
{
    TMix mix(0.26);
    mix.Brush(0, 0.2, 700, 3000, 1.0);
    mix.Note(0.16, 0.1, 200, 0.6, 0.03);
    return mix.Finish(0.8);
}

// Many cards taken at once: a longer gather, card after card.
std::vector<std::int16_t> CaptureLong()
{
    TMix mix(0.56);
    for (int i = 0; i < 4; ++i)
        mix.Brush(0.09 * i, 0.22, 600 + 300.0 * i, 2600 + 400.0 * i, 1.0 - 0.12 * i);
    mix.Note(0.45, 0.11, 200, 0.6, 0.03);
    return mix.Finish(0.85);
}

// The table swept clean: the gather, then a bright rising chime.
std::vector<std::int16_t> Clear()
{
    TMix mix(0.85);
    mix.Brush(0, 0.18, 700, 3200, 0.7);
    const double notes[] = { C6, E6, G6, C7 };
    for (int i = 0; i < 4; ++i)
        mix.Note(0.12 + 0.08 * i, 0.85 - 0.12 - 0.08 * i, notes[i], 0.5, 0.25);
    return mix.Finish(0.9);
}

std::vector<std::int16_t> Turn()
{
    TMix mix(0.45);
    mix.Note(0, 0.3, G5, 0.6, 0.12);
    mix.Note(0.12, 0.33, C6, 0.6, 0.14);
    return mix.Finish(0.6);
}

// Two low notes, falling gently: not that.
std::vector<std::int16_t> Refused()
{
    TMix mix(0.26);
    mix.Note(0, 0.12, A3, 0.8, 0.08);
    mix.Note(0.11, 0.15, Fs3, 0.8, 0.08);
    return mix.Finish(0.7);
}

std::vector<std::int16_t> HandEnd()
{
    TMix mix(0.95);
    const double notes[] = { C5, E5, G5, C6 };
    for (int i = 0; i < 4; ++i)
        mix.Note(0.1 * i, 0.95 - 0.1 * i, notes[i], 0.5, 0.3);
    return mix.Finish(0.8);
}

// A rising call, then the chord held.
std::vector<std::int16_t> Won()
{
    TMix mix(1.4);
    const double notes[] = { C5, E5, G5, C6 };
    for (int i = 0; i < 4; ++i)
        mix.Note(0.13 * i, 0.2, notes[i], 0.6, 0.12);
    for (double note : { C5, E5, G5, C6 })
        mix.Note(0.55, 0.85, note, 0.35, 0.45);
    return mix.Finish(0.9);
}

// Falling, in minor, settling low.
std::vector<std::int16_t> Lost()
{
    TMix mix(1.25);
    const double notes[] = { G4, Eb4, C4 };
    for (int i = 0; i < 3; ++i)
        mix.Note(0.18 * i, 0.3, notes[i], 0.6, 0.15);
    for (double note : { C3, C4 })
        mix.Note(0.55, 0.7, note, 0.4, 0.35);
    return mix.Finish(0.8);
}

} // namespace

const std::vector<TSoundDesign>& Designs()
{
    static const std::vector<TSoundDesign> designs {
        { "deal", Deal },
        { "lay", Lay },
        { "capture", Capture },
        { "capture_long", CaptureLong },
        { "clear", Clear },
        { "turn", Turn },
        { "refused", Refused },
        { "hand_end", HandEnd },
        { "won", Won },
        { "lost", Lost },
    };
    return designs;
}

std::vector<std::int16_t> Make(const std::string& name)
{
    for (const TSoundDesign& design : Designs())
        if (design.name == name) return design.make();
    return {};
}

} // namespace SoundSynth
