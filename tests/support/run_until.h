#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QThread>
#include <QTimer>

#include <functional>

// Turns the event loop until `done` holds; false when the guard ran out. The
// guard is an event too, so a wait that would hang wakes and fails, and a
// tick wakes the loop for what other threads change without an event here.
inline bool RunUntil(const std::function<bool()>& done, int guardMs = 60000)
{
    bool ranOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&ranOut] { ranOut = true; });
    guard.start(guardMs);
    QTimer tick;
    tick.start(10);
    while (!done()) {
        if (ranOut) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// One turn of the event loop for a test that polls what a worker does, then
// the processor given up for a moment: the game's workers run nicer than
// the GUI thread, and a loop that only spins would keep them waiting on a
// loaded machine.
inline void ServeEventsOnce()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::usleep(100);
}
