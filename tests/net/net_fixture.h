#pragma once

#include "game/rules/computer_move.h"
#include "net/client/table_bot.h"
#include "net/server/table_server.h"
#include "tests/support/run_until.h"

#include <QJsonObject>
#include <QSslConfiguration>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// A table server on loopback with short clocks, and clients that record what
// they are told. Waits turn the event loop until a condition holds; a long
// guard only ends a wait that would otherwise hang.

namespace zaviko::net::test {

// A certificate and key the tests' clients do not trust (tests/net/data).
QSslConfiguration UntrustedTls();

// A client that keeps every message it is sent.
struct TRecorder {
    TRecorder();
    // Plays its seat as "Pametno" once `playing` is set.
    TTableBot bot { csPametno, 1 };
    TTableClient& client = bot.Client();
    std::vector<QJsonObject> messages;
    bool closed = false;
    // The codes of the error messages received so far.
    QStringList Errors() const;
    bool Connect(quint16 port);
    // Sends and waits for the next error; returns its code.
    QString Refusal(const QByteArray& frame);
    // Sends a frame and waits for any next message.
    bool Await(const std::function<bool(const QJsonObject&)>& match);
};

class TNetFixture {
public:
    explicit TNetFixture(TServerOptions options = {});
    static TServerOptions TestOptions();
    TTableServer& Server() { return *FServer; }
    quint16 Port() const { return FServer->Port(); }
    QStringList& Log() { return FLog; }
    // Opens a table from `host` (connected) and waits for its welcome.
    QString Open(TRecorder& host, const TTableOptions& options);
    // Joins with the host's link (and a key to take a seat back); waits.
    bool Join(TRecorder& guest, const TRecorder& host, const QString& key = {});
    const TMatchState& MatchOf(const TRecorder& host);

private:
    std::unique_ptr<TTableServer> FServer;
    QStringList FLog;
};

// The table and code of a host's link.
std::pair<QString, QString> TableAndCode(const TRecorder& host);

} // namespace zaviko::net::test
