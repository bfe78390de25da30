#pragma once

#include <QApplication>
#include <QString>

#include <vector>

// What the GUI thread's work costs while cards fly, for scripts/perf.sh: a
// late flight frame means something else held the thread, and this names it.
// Once timing is started (the frame probe does, only when asked for), every
// event the event loop delivers while cards fly is timed, those delivered
// inside another counting in the outer one, and gathered by the receiver's
// class, its parent's class and the event's type.
class TTimedApplication : public QApplication {
public:
    TTimedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

namespace EventTimes {

struct TCost {
    QString what; // "receiver class < parent class : event type"
    qint64 count = 0;
    qint64 totalNs = 0;
    qint64 longestNs = 0;
};

void Start();
// The `n` kinds of event with the longest single delivery, longest first.
std::vector<TCost> Slowest(int n);

} // namespace EventTimes
