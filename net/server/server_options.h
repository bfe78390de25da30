#pragma once

#include <QSslConfiguration>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

// How a table server runs: its bounds, its clocks and what it tells its host
// program. The defaults are those of a public server; tests shorten clocks
// and widen nothing they test.

namespace zaviko::net {

class TTable;

struct TServerOptions {
    int maxTables = 100;
    // The name a link gives for this server; the bind address when empty.
    QString publicHost;
    // Fixed match seeds (table n's matches: seed + n, + 1000 per rematch),
    // for tests and load runs only; otherwise each match draws its own.
    std::optional<std::uint64_t> seed;
    // A client whose unsent output passes this is dropped: its seat goes to a
    // computer, and the server's memory does not grow with a reader that stalls.
    qint64 maxPendingBytes = 256 * 1024;
    // The socket's kernel send buffer; 0 leaves the system's.
    int sendBufferBytes = 0;
    // A connection silent this long (pings unanswered) is dead.
    int pingIntervalMs = 5000;
    int silenceMs = 20000;
    // Connections at once (0: four per table and 64 more); past it a new one
    // is closed at once. One that takes no seat in this time is closed too.
    int maxConnections = 0;
    int unseatedMs = 60 * 1000;
    // How long a dropped seat's key can take the seat back.
    int awayMs = 10 * 60 * 1000;
    // One second of a table's turn timer, shorter in tests.
    int turnUnitMs = 1000;
    // Token buckets: messages that are not accepted moves, and chat lines.
    double messagesPerSecond = 10, messageBurst = 30;
    double chatPerSecond = 0.5, chatBurst = 5;
    // Refusals a connection may earn before it is closed.
    int maxRefusals = 30;
    // Wrong invitation codes one address may send before it must wait.
    int freeWrongCodes = 3;
    int wrongCodeWaitMs = 1000; // doubled for each further one, at most a minute
    // TLS (wss://) when set.
    std::optional<QSslConfiguration> tls;
    // One line per table event (never per move).
    std::function<void(const QString&)> log;
    // Every frame sent to a seated connection, as it is sent (for checks).
    std::function<void(const TTable&, int seat, const QByteArray&)> sentToSeat;
};

} // namespace zaviko::net
