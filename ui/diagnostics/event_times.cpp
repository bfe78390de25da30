#include "ui/diagnostics/event_times.h"

#include "ui/diagnostics/flight_figures.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QMetaEnum>

#include <algorithm>
#include <map>
#include <tuple>

namespace {

// The class names are the meta-objects' own strings, so a key costs no copy.
using TKey = std::tuple<const char*, const char*, int>;

struct TTimes {
    bool on = false;
    int depth = 0;
    std::map<TKey, EventTimes::TCost> costs;
};

TTimes& Times()
{
    static TTimes times;
    return times;
}

QString TypeName(int type)
{
    const char* name = QMetaEnum::fromType<QEvent::Type>().valueToKey(type);
    return name ? QString::fromLatin1(name) : QString::number(type);
}

} // namespace

TTimedApplication::TTimedApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool TTimedApplication::notify(QObject* receiver, QEvent* event)
{
    TTimes& times = Times();
    if (!times.on || times.depth > 0 || !FlightFigures().flying)
        return QApplication::notify(receiver, event);
    // Read before the delivery, which may end the receiver.
    const QObject* parent = receiver->parent();
    const TKey key { receiver->metaObject()->className(),
        parent ? parent->metaObject()->className() : "", int(event->type()) };
    struct TDepth {
        int& depth;
        explicit TDepth(int& d)
            : depth(++d)
        {
        }
        ~TDepth() { --depth; }
    } nested(times.depth);
    QElapsedTimer timer;
    timer.start();
    const bool done = QApplication::notify(receiver, event);
    const qint64 ns = timer.nsecsElapsed();
    EventTimes::TCost& cost = times.costs[key];
    ++cost.count;
    cost.totalNs += ns;
    cost.longestNs = std::max(cost.longestNs, ns);
    return done;
}

namespace EventTimes {

void Start()
{
    Times().on = true;
}

std::vector<TCost> Slowest(int n)
{
    std::vector<TCost> costs;
    for (const auto& [key, cost] : Times().costs) {
        TCost named = cost;
        named.what = QStringLiteral("%1<%2:%3")
                         .arg(QString::fromLatin1(std::get<0>(key)),
                             QString::fromLatin1(std::get<1>(key)), TypeName(std::get<2>(key)));
        costs.push_back(named);
    }
    std::sort(costs.begin(), costs.end(),
        [](const TCost& a, const TCost& b) { return a.longestNs > b.longestNs; });
    if (int(costs.size()) > n) costs.resize(std::size_t(n));
    return costs;
}

} // namespace EventTimes
