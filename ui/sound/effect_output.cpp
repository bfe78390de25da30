#include "ui/sound/effect_output.h"

#include <QAudio>
#include <QSoundEffect>
#include <QUrl>

TEffectOutput::TEffectOutput() = default;

TEffectOutput::~TEffectOutput()
{
    for (auto& voices : FEffects)
        qDeleteAll(voices);
}

void TEffectOutput::Load()
{
    if (!FEffects[0].empty()) return;
    // The effects read their files on a thread of their own; nothing here
    // waits for them, and a cue that comes before its file is read is lost.
    for (int cue = 0; cue < SoundCueCount; ++cue)
        for (int i = 0; i < Voices; ++i) {
            auto* effect = new QSoundEffect;
            effect->setSource(QUrl(SoundCueSource(TSoundCue(cue))));
            effect->setVolume(float(FVolume));
            FEffects[std::size_t(cue)].push_back(effect);
        }
}

void TEffectOutput::Play(TSoundCue cue)
{
    Load();
    const std::size_t index = std::size_t(cue);
    std::vector<QSoundEffect*>& voices = FEffects[index];
    // A free voice, or else the one started longest ago.
    QSoundEffect* voice = nullptr;
    for (QSoundEffect* v : voices)
        if (!v->isPlaying()) {
            voice = v;
            break;
        }
    if (!voice) {
        voice = voices[std::size_t(FNext[index])];
        FNext[index] = (FNext[index] + 1) % Voices;
        voice->stop();
    }
    // One still being read plays once it is; one that failed stays silent.
    if (voice->status() != QSoundEffect::Error) voice->play();
}

void TEffectOutput::SetVolume(int percent)
{
    // The slider moves evenly in loudness as the ear hears it.
    FVolume = QAudio::convertVolume(
        qBound(0, percent, 100) / 100.0, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
    for (auto& voices : FEffects)
        for (QSoundEffect* v : voices)
            v->setVolume(float(FVolume));
}
