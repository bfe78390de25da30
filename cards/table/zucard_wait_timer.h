#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// A timer that fires once and then switches itself off, and a wait on it that
// keeps the window's messages flowing: clicks and repaints are handled while a
// computer player or the card table pauses.
class TZuWaitTimer : public QObject {
    Q_OBJECT
public:
    explicit TZuWaitTimer(QObject* parent = nullptr);

    bool Enabled() const { return FTimer.isActive(); }
    void SetEnabled(bool b);
    int Interval() const { return FTimer.interval(); }
    void SetInterval(int ms);

    // Fired on each tick, after the timer has switched itself off.
    std::function<void(TZuWaitTimer* sender)> OnTimer;

    // Waits `ms` milliseconds while messages are processed. Returns false when
    // the wait was cut short because the application is ending or this timer
    // went away meanwhile. Anything else may also go away during the wait:
    // callers hold QPointers to what they use afterwards.
    bool Wait(int ms);

private:
    void Tick();

    QTimer FTimer;
};

// The card library's one shared wait timer, created on first use and freed
// with the application. None while no application exists.
TZuWaitTimer* ZuWaitTimer();

// Waits on the shared timer; false when the wait could not run to its end.
bool ZuWait(int ms);
