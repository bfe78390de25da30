#include "cards/table/zucard_wait_timer.h"

#include "cards/sprite/zugraphics_sprite_quit.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPointer>

TZuWaitTimer::TZuWaitTimer(QObject* parent)
    : QObject(parent)
{
    FTimer.setSingleShot(true);
    connect(&FTimer, &QTimer::timeout, this, &TZuWaitTimer::Tick);
}

void TZuWaitTimer::SetEnabled(bool b)
{
    if (b)
        FTimer.start();
    else
        FTimer.stop();
}

void TZuWaitTimer::SetInterval(int ms)
{
    FTimer.setInterval(ms < 0 ? 0 : ms);
}

void TZuWaitTimer::Tick()
{
    FTimer.stop();
    if (OnTimer) OnTimer(this);
}

bool TZuWaitTimer::Wait(int ms)
{
    QPointer<TZuWaitTimer> self(this);
    ZuWatchApplicationQuit();
    // Each wait keeps its own deadline: a wait started by a handler during this
    // one restarts the shared timer, and this wait then resumes for its rest
    // instead of ending with the inner one.
    const QDeadlineTimer deadline(ms < 0 ? 0 : ms);
    while (!deadline.hasExpired()) {
        if (ZuApplicationTerminating()) return false;
        QEventLoop loop;
        connect(&FTimer, &QTimer::timeout, &loop, &QEventLoop::quit);
        connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
        connect(
            QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
        SetInterval(int(deadline.remainingTime()));
        SetEnabled(true);
        loop.exec();
        if (!self) return false;
    }
    return !ZuApplicationTerminating();
}

TZuWaitTimer* ZuWaitTimer()
{
    static QPointer<TZuWaitTimer> shared;
    QCoreApplication* app = QCoreApplication::instance();
    if (!shared && app && !QCoreApplication::closingDown()) shared = new TZuWaitTimer(app);
    return shared.data();
}

bool ZuWait(int ms)
{
    TZuWaitTimer* timer = ZuWaitTimer();
    return timer && timer->Wait(ms);
}
