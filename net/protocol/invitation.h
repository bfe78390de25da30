#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// An invitation link, zaviko://HOST:PORT/TABLE/CODE: where the server is,
// which table, and the code that opens it.

namespace zaviko::net {

struct TInvitation {
    QString host;
    int port = 0;
    QString table;
    QString code;
};

std::optional<TInvitation> ParseInvitation(const QString& link);
// The address a WebSocket client connects to for the invitation.
QUrl ServerUrl(const TInvitation& invitation, bool secure);

} // namespace zaviko::net
