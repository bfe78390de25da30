#pragma once

#include "net/protocol/client_message.h"
#include "net/server/server_options.h"
#include "net/server/wrong_code_throttle.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTimer>
#include <QWebSocketServer>

#include <memory>

// The table server: it accepts WebSocket connections (plain or TLS), greets
// them, opens tables and seats people at them by invitation, and passes each
// seated connection's messages to its table. Many tables in one process,
// each on its own; the game window runs the same server inside itself.

namespace zaviko::net {

class TConnection;
class TTable;

class TTableServer : public QObject {
public:
    explicit TTableServer(TServerOptions options, QObject* parent = nullptr);
    ~TTableServer() override;

    bool Listen(const QHostAddress& address, quint16 port);
    quint16 Port() const;
    QString ErrorString() const;
    int TableCount() const { return int(FTables.size()); }
    int ConnectionCount() const { return int(FConnections.size()); }
    TTable* Table(const QString& id) const { return FTables.value(id); }
    // Ends every table at once, each client told by the close code 4000 that
    // the table is closed (the window that hosts it is closing).
    void EndAllTables();

private:
    class TListener;
    void Accept(QTcpSocket* socket);
    void Connected();
    void Received(TConnection& c, const QByteArray& frame);
    void Open(TConnection& c, const TClientMessage& m);
    void Join(TConnection& c, const TClientMessage& m);
    void Closed(TConnection& c);
    void CloseTable(TTable& table);
    void Ping();
    QString LinkBase(const QString& table) const;

    TServerOptions FOptions;
    std::unique_ptr<TListener> FListener;
    QWebSocketServer FSockets;
    QHash<TConnection*, TConnection*> FConnections;
    QHash<QString, TTable*> FTables;
    TWrongCodeThrottle FThrottle;
    QTimer FPing;
    std::uint64_t FTablesOpened = 0;
};

} // namespace zaviko::net
