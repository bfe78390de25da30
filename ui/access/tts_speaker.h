#pragma once

#include "ui/access/speaker.h"

#include <QLocale>
#include <QObject>
#include <QThread>

class TSpeechWorker;

// Speech through Qt TextToSpeech: on Linux speech-dispatcher, so the voice,
// rate and volume the player set for the screen reader apply. The engine
// lives on a thread of its own: reaching the speech server and listing its
// voices takes seconds, which the window must not wait for. The engine speaks
// one text at a time; the worker's queue keeps the game's texts in order. A
// system without a speech engine stays silent.
class TTextToSpeechSpeaker : public TSpeaker {
public:
    // Speaks in `language`'s locale where the engine has a voice for it.
    explicit TTextToSpeechSpeaker(const QLocale& language);
    ~TTextToSpeechSpeaker() override;

    void Say(const QString& text, TWhen when) override;
    void Stop() override;
    void Prepare() override;

private:
    QThread* FThread;
    TSpeechWorker* FWorker = nullptr;
};
