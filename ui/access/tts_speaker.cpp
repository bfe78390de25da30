#include "ui/access/tts_speaker.h"

#include <QTextToSpeech>

#include <deque>
#include <exception>
#include <vector>

// The engine and its queue, on the speech thread; every call comes queued.
class TSpeechWorker : public QObject {
public:
    explicit TSpeechWorker(const QLocale& language)
        : FLanguage(language)
    {
    }

    // The speech server missing or gone makes the engine fail, in some
    // versions by throwing; the game then stays silent and plays on.
    bool Ready()
    {
        if (FEngine || FFailed) return FEngine != nullptr;
        try {
            return MakeEngine();
        } catch (const std::exception&) {
            FEngine = nullptr;
            FFailed = true;
            return false;
        }
    }

    bool MakeEngine()
    {
        // speech-dispatcher where its plugin is installed: the screen
        // reader's own server.
        FEngine = QTextToSpeech::availableEngines().contains(QStringLiteral("speechd"))
            ? new QTextToSpeech(QStringLiteral("speechd"), this)
            : new QTextToSpeech(this);
        if (FEngine->state() == QTextToSpeech::Error) {
            delete FEngine;
            FEngine = nullptr;
            FFailed = true;
            return false;
        }
        // A voice of the game's language; the engine's own choice otherwise.
        for (const QLocale& locale : FEngine->availableLocales())
            if (locale.language() == FLanguage.language()) {
                FEngine->setLocale(locale);
                break;
            }
        connect(FEngine, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Speaking) return;
            FBusy = false;
            SpeakNext();
        });
        return true;
    }

    void Say(const QString& text, bool interrupt)
    {
        if (!Ready()) return;
        try {
            SayNow(text, interrupt);
        } catch (const std::exception&) {
            FWaiting.clear();
        }
    }

    void SayNow(const QString& text, bool interrupt)
    {
        if (interrupt) {
            // An answer cuts off what is said now and the answers that
            // wait; the game's flow that waits still follows it.
            std::erase_if(FWaiting, [](const TWaiting& w) { return w.answer; });
            FWaiting.push_front({ text, true });
            FEngine->stop();
            FBusy = false;
            SpeakNext();
            return;
        }
        FWaiting.push_back({ text, false });
        // The engine says it speaks only once the server has begun: a text
        // just handed over counts as being spoken.
        if (!FBusy) SpeakNext();
    }

    void Stop()
    {
        FWaiting.clear();
        if (FEngine) FEngine->stop();
    }

private:
    void SpeakNext()
    {
        if (FWaiting.empty() || !FEngine) return;
        const QString text = FWaiting.front().text;
        FWaiting.pop_front();
        FBusy = true;
        FEngine->say(text);
    }

    QLocale FLanguage;
    QTextToSpeech* FEngine = nullptr;
    bool FFailed = false;
    bool FBusy = false;
    struct TWaiting {
        QString text;
        bool answer;
    };
    std::deque<TWaiting> FWaiting;
};

TTextToSpeechSpeaker::TTextToSpeechSpeaker(const QLocale& language)
    : FThread(new QThread)
    , FWorker(new TSpeechWorker(language))
{
    FThread->setObjectName(QStringLiteral("speech"));
    FWorker->moveToThread(FThread);
    QObject::connect(FThread, &QThread::finished, FWorker, &QObject::deleteLater);
    FThread->start();
}

TTextToSpeechSpeaker::~TTextToSpeechSpeaker()
{
    // What is still being said would go on after the window is gone.
    QMetaObject::invokeMethod(FWorker, [w = FWorker] { w->Stop(); });
    FThread->quit();
    // A server still being reached (listing its voices takes seconds) must
    // not hold up the window's close: the thread is left to end with the
    // process. Cutting it short would unwind through the speech library.
    if (FThread->wait(1000)) {
        delete FThread;
        return;
    }
    static auto* const kept = new std::vector<QThread*>;
    kept->push_back(FThread);
}

void TTextToSpeechSpeaker::Say(const QString& text, TWhen when)
{
    if (text.isEmpty()) return;
    QMetaObject::invokeMethod(
        FWorker, [w = FWorker, text, when] { w->Say(text, when == TWhen::Interrupt); });
}

void TTextToSpeechSpeaker::Stop()
{
    QMetaObject::invokeMethod(FWorker, [w = FWorker] { w->Stop(); });
}

void TTextToSpeechSpeaker::Prepare()
{
    QMetaObject::invokeMethod(FWorker, [w = FWorker] { w->Ready(); });
}
