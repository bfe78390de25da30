#pragma once

#include "net/protocol/client_message.h"

#include <QByteArray>

// The client's side of client_message.h: each request as the text frame the
// server decodes.

namespace zaviko::net {

QByteArray OpenRequest(const QString& name, const TTableOptions& options);
QByteArray JoinRequest(
    const QString& name, const QString& table, const QString& code, const QString& key = {});
QByteArray StartRequest();
QByteArray SeatRequest(int seat, SeatUse use, int strength = 3);
QByteArray MoveRequest(const TMove& move);
QByteArray ChatRequest(const QString& text);

} // namespace zaviko::net
