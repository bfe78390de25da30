#pragma once

#include "net/client/table_bot.h"

#include <QElapsedTimer>
#include <QHash>

#include <array>
#include <functional>
#include <memory>
#include <vector>

// One table of the load run: a host bot opens it, three bots join by its
// invitation, the host starts a match and a new one after each end. Every
// move is timed from its sending to the moment the last of the four seats
// has it.

namespace zaviko::net {

class TLoadTable : public QObject {
public:
    TLoadTable(const QUrl& server, int index, const QElapsedTimer& clock, int thinkMs);

    bool Playing() const { return FPlaying; }
    bool Failed() const { return FFailed; }
    // Microseconds from a move sent to every seat having it.
    std::function<void(qint64 latencyUs)> delivered;

private:
    void Welcomed(const QJsonObject& message);
    void Arrived(int seat, const QJsonObject& message);

    std::array<std::unique_ptr<TTableBot>, kSeatCount> FBots;
    QUrl FServer;
    const QElapsedTimer& FClock;
    // Moves made after the move -> when it was sent, and how many seats have it.
    QHash<int, std::pair<qint64, int>> FInFlight;
    bool FPlaying = false;
    bool FFailed = false;
};

} // namespace zaviko::net
