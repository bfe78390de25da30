#pragma once

#include "game/rules/match_state.h"
#include "net/protocol/error_code.h"
#include "net/protocol/match_event.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>
#include <vector>

// The messages the server sends, as compact JSON text. A state message is
// made for one viewer: its own hand in the open, every other hand only as
// which slots hold a card, the deck only as its size.

namespace zaviko::net {

enum class SeatKind { Free, Person, Away, Computer };

struct TSeatInfo {
    SeatKind kind = SeatKind::Free;
    QString name;
    int strength = 3;
};

QByteArray HelloMessage();
QByteArray WelcomeMessage(const QString& table, int seat, const QString& key, bool host,
    const QString& code, const QString& link);
QByteArray SeatsMessage(
    const std::vector<TSeatInfo>& seats, int host, bool started, bool hints = true, int mode = 0);
QByteArray StateMessage(const TMatchState& state, int viewer, const TMatchEvent& event);
QByteArray ChatMessage(int seat, const QString& name, const QString& text);
QByteArray ErrorMessage(ErrorCode code);

QString SeatKindName(SeatKind kind);

// A state message read back into the viewer's picture of the match: other
// hands' cards are kViewHiddenCard, the deck as many of them as it holds.
// Exactly what the computer's search on that seat reads of a match.
struct TSeatView {
    int viewer = kNoSeat;
    TMatchState state;
    TMatchEvent event;
};
std::optional<TSeatView> DecodeStateMessage(const QJsonObject& message);

} // namespace zaviko::net
