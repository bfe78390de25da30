#pragma once

#include "ui/sound/sound_mixer.h"
#include "ui/sound/sound_output.h"

#include <QObject>
#include <QTimer>

#include <memory>

class QAudioSink;
class QIODevice;

// The cues through Qt Multimedia: one audio stream of the system's default
// output, fed from the GUI thread's event loop with the mix of the sounds
// playing, and left idle between them. Play only starts a voice; nothing
// waits for the device. Without an audio device every cue is silent and
// nothing is shown.
//
// The stream is fed by hand (QAudioSink's push mode) rather than through one
// QSoundEffect per sound: sound effects played one after another on the
// system's Qt 6.4 dropped every other sound, which a recording of the output
// showed.
class TMixerOutput : public QObject, public TSoundOutput {
public:
    TMixerOutput();
    ~TMixerOutput() override;

    void Load() override;
    void Play(TSoundCue cue) override;
    void SetVolume(int percent) override;

private:
    // Starts the stream when it is not running; false, with the sink gone,
    // when the device cannot be opened.
    bool Open();
    // Tops the stream's buffer up with the mix; stops once all is played.
    void Feed();

    TSoundMixer FMixer;
    std::unique_ptr<QAudioSink> FSink;
    QIODevice* FStream = nullptr;
    QTimer FFeed;
    bool FLoaded = false;
};

// The samples of a 16-bit mono WAV file at 44.1 kHz, as the generator writes
// them; empty for anything else.
std::vector<std::int16_t> ReadSoundFile(const QString& fileName);
