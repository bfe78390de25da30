#include "ui/sound/sound_mixer.h"

#include <algorithm>
#include <cmath>

void TSoundMixer::SetSound(std::size_t index, std::vector<std::int16_t> samples)
{
    if (FSounds.size() <= index) FSounds.resize(index + 1);
    FSounds[index] = std::move(samples);
}

bool TSoundMixer::HasSound(std::size_t index) const
{
    return index < FSounds.size() && !FSounds[index].empty();
}

void TSoundMixer::Start(std::size_t index)
{
    if (!HasSound(index)) return;
    if (FVoices.size() == MaxVoices) FVoices.erase(FVoices.begin());
    FVoices.push_back({ index, 0 });
}

void TSoundMixer::Mix(std::int16_t* out, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        double sum = 0;
        for (TVoice& voice : FVoices) {
            const std::vector<std::int16_t>& samples = FSounds[voice.sound];
            if (voice.at < samples.size()) sum += samples[voice.at++];
        }
        out[i] = std::int16_t(std::clamp(std::lround(sum * FGain), -32768L, 32767L));
    }
    std::erase_if(FVoices, [this](const TVoice& v) { return v.at >= FSounds[v.sound].size(); });
}
