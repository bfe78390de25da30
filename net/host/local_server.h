#pragma once

#include "net/server/table_server.h"

#include <QStringList>
#include <QUrl>

#include <memory>

// The table server a game window runs inside itself to host a table for
// friends: the same server as zaviko-server, listening on every address of
// the machine, its links naming the first address others can reach. Going
// away ends its tables, every guest told that the host closed them.

namespace zaviko::net {

class TLocalServer {
public:
    TLocalServer();
    ~TLocalServer();

    // Listens on `port` (0: any free port); false with ErrorString() if not.
    bool Start(quint16 port);
    QString ErrorString() const { return FError; }
    quint16 Port() const;
    bool Running() const { return FServer != nullptr; }
    // Where the host's own window connects: this machine, by loopback.
    QUrl OwnUrl() const;
    TTableServer* Server() const { return FServer.get(); }

    // This machine's addresses on its networks, IPv4 first; loopback only
    // when there is no other.
    static QStringList MachineAddresses();

private:
    std::unique_ptr<TTableServer> FServer;
    QString FError;
};

} // namespace zaviko::net
