#include "net/protocol/server_message.h"

#include "net/protocol/protocol_limits.h"
#include "net/protocol/wire_card.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace zaviko::net {

namespace {

QByteArray Compact(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QJsonArray Cards(const std::vector<int>& ids)
{
    QJsonArray array;
    for (int id : ids)
        array.append(CardText(id));
    return array;
}

QJsonArray Slots(const std::vector<int>& ids)
{
    QJsonArray array;
    for (int id : ids)
        array.append(SlotValue(id));
    return array;
}

// The viewer's own hand in the open; another's only as occupied slots.
QJsonArray Hand(const THand& hand, bool own)
{
    QJsonArray array;
    for (int id : hand)
        array.append(id == kNoCard ? QJsonValue(QJsonValue::Null)
                : own              ? QJsonValue(CardText(id))
                                   : QJsonValue(kHiddenCardText));
    return array;
}

QJsonArray Ints(const auto& values)
{
    QJsonArray array;
    for (int v : values)
        array.append(v);
    return array;
}

QJsonObject EventJson(const TMatchEvent& e)
{
    static const char* const kinds[] = { "start", "resume", "move", "deal", "handEnd", "gameOver" };
    QJsonObject o { { "kind", QLatin1String(kinds[int(e.kind)]) } };
    switch (e.kind) {
    case EventKind::Move:
        o.insert("seat", e.seat);
        o.insert("card", CardText(e.played));
        o.insert("took", Cards(e.ids));
        o.insert("placed",
            e.placed.row < 0 ? QJsonValue(QJsonValue::Null)
                             : QJsonValue(QJsonArray { e.placed.row, e.placed.slot }));
        o.insert("cleared", e.cleared);
        break;
    case EventKind::Deal:
        o.insert("newDeck", e.newDeck);
        break;
    case EventKind::HandEnd:
        o.insert("restTaker", e.seat);
        o.insert("rest", Cards(e.ids));
        o.insert("bonus", Ints(e.bonus));
        break;
    case EventKind::GameOver:
        o.insert("winner", e.winner);
        break;
    default:
        break;
    }
    return o;
}

QJsonArray Cells(const std::array<TScoreCells, kSeatCount>& cells)
{
    QJsonArray rows;
    for (const TScoreCells& c : cells)
        rows.append(QJsonArray { c.points, c.clears, c.bonus });
    return rows;
}

} // namespace

QString SeatKindName(SeatKind kind)
{
    static const char* const names[] = { "free", "person", "away", "computer" };
    return QLatin1String(names[int(kind)]);
}

QByteArray HelloMessage()
{
    return Compact(
        { { "type", "hello" }, { "protocol", kProtocolVersion }, { "server", "zaviko-server" } });
}

QByteArray WelcomeMessage(const QString& table, int seat, const QString& key, bool host,
    const QString& code, const QString& link)
{
    QJsonObject o { { "type", "welcome" }, { "table", table }, { "seat", seat }, { "key", key },
        { "host", host } };
    // Only the host is given the invitation to pass on.
    if (host) {
        o.insert("code", code);
        o.insert("link", link);
    }
    return Compact(o);
}

QByteArray SeatsMessage(
    const std::vector<TSeatInfo>& seats, int host, bool started, bool hints, int mode)
{
    QJsonArray array;
    for (const TSeatInfo& s : seats)
        array.append(QJsonObject {
            { "kind", SeatKindName(s.kind) }, { "name", s.name }, { "strength", s.strength } });
    return Compact({ { "type", "seats" }, { "seats", array }, { "host", host },
        { "started", started }, { "hints", hints }, { "mode", mode } });
}

QByteArray StateMessage(const TMatchState& s, int viewer, const TMatchEvent& event)
{
    QJsonArray hands, taken;
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        hands.append(Hand(s.hands[seat], seat == viewer));
        taken.append(Cards(s.taken[seat]));
    }
    return Compact({ { "type", "state" }, { "event", EventJson(event) }, { "you", viewer },
        { "mode", s.GameMode }, { "decks", s.DeckCount }, { "clockwise", s.Clockwise },
        { "turn", s.CurrentPlayer }, { "hands", hands },
        { "table", QJsonArray { Slots(s.table[0]), Slots(s.table[1]) } }, { "taken", taken },
        { "deck", int(s.deck.size()) }, { "score", Ints(s.Score) }, { "cells", Cells(s.cells) },
        { "handCells", Cells(s.handCells) }, { "lastTaker", s.LastTaker },
        { "lastPlayer", s.LastPlayer }, { "moves", s.MovesMade }, { "handsPlayed", s.HandsPlayed },
        { "over", s.GameOver } });
}

QByteArray ChatMessage(int seat, const QString& name, const QString& text)
{
    return Compact({ { "type", "chat" }, { "seat", seat }, { "name", name }, { "text", text } });
}

QByteArray ErrorMessage(ErrorCode code)
{
    return Compact(
        { { "type", "error" }, { "code", ErrorName(code) }, { "message", ErrorText(code) } });
}

} // namespace zaviko::net
