#pragma once

#include <QJsonValue>
#include <QString>

// Cards travel as their short names ("10H", "QT", "2K"): rank, then the suit
// letter T, K, P or H. A name is the same for both copies of a card in a
// two-deck match, as on the table, so a client never needs the IDs.

namespace zaviko::net {

// A slot of another seat's hand that holds a card the receiver may not see.
inline const QString kHiddenCardText = QStringLiteral("?");
// The value a decoded view puts in such a slot (kHiddenCard of the search).
inline constexpr int kViewHiddenCard = 1;

QString CardText(int id);
// The ID of a card name; 0 for anything that is no card.
int CardOfText(const QString& text);
// A slot: the card's name, or null for an empty slot.
QJsonValue SlotValue(int id);

} // namespace zaviko::net
