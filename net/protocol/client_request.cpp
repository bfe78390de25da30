#include "net/protocol/client_request.h"

#include "net/protocol/protocol_limits.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zaviko::net {

namespace {

QByteArray Compact(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

QByteArray OpenRequest(const QString& name, const TTableOptions& o)
{
    return Compact({ { "type", "open" }, { "protocol", kProtocolVersion }, { "name", name },
        { "mode", o.mode }, { "decks", o.decks }, { "clockwise", o.clockwise },
        { "strength", o.strength }, { "turnSeconds", o.turnSeconds }, { "hints", o.hints } });
}

QByteArray JoinRequest(
    const QString& name, const QString& table, const QString& code, const QString& key)
{
    QJsonObject o { { "type", "join" }, { "protocol", kProtocolVersion }, { "name", name },
        { "table", table }, { "code", code } };
    if (!key.isEmpty()) o.insert("key", key);
    return Compact(o);
}

QByteArray StartRequest()
{
    return Compact({ { "type", "start" } });
}

QByteArray SeatRequest(int seat, SeatUse use, int strength)
{
    return Compact({ { "type", "seat" }, { "seat", seat },
        { "use", use == SeatUse::Free ? "free" : "computer" }, { "strength", strength } });
}

QByteArray MoveRequest(const TMove& move)
{
    QJsonArray take;
    for (const TTableSlot& place : move.take)
        take.append(QJsonArray { place.row, place.slot });
    return Compact({ { "type", "move" }, { "card", move.handSlot }, { "take", take } });
}

QByteArray ChatRequest(const QString& text)
{
    return Compact({ { "type", "chat" }, { "text", text } });
}

} // namespace zaviko::net
