#pragma once

#include "game/rules/match_rules.h"
#include "net/protocol/error_code.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// What a client asks of the server, decoded strictly from one text frame:
// a size bound before parsing, a JSON object with a known "type", exactly the
// fields of that type with their types and ranges, texts without control
// characters. Anything else is a coded refusal and reaches nothing further.

namespace zaviko::net {

enum class ClientType { Open, Join, Start, Seat, Move, Chat };

// How the host wants a seat played: by a computer of a strength, or free for
// a person to join.
enum class SeatUse { Computer, Free };

struct TTableOptions {
    int mode = kEachForHimself;
    int decks = 0; // 0 one deck, 1 two decks
    bool clockwise = true;
    int strength = 3; // the computers' strength (csMajstor)
    int turnSeconds = 0; // 0: no turn timer
    bool hints = true; // whether the players' windows offer "Savet"
};

struct TClientMessage {
    ClientType type = ClientType::Open;
    int protocol = 0; // open, join
    QString name; // open, join
    TTableOptions options; // open
    QString table, code, key; // join; key only when taking a seat back
    int seat = kNoSeat; // seat
    SeatUse use = SeatUse::Computer; // seat
    int strength = 3; // seat
    int card = -1; // move: the hand slot
    std::vector<TTableSlot> take; // move: empty lays the card down
    QString text; // chat
};

struct TDecoded {
    std::optional<TClientMessage> message;
    ErrorCode error = ErrorCode::BadJson; // when there is no message
};

TDecoded DecodeClientMessage(const QByteArray& frame);

// Whether a name or chat line passes; the error when it does not.
std::optional<ErrorCode> TextRefusal(const QString& text, int maxChars);

} // namespace zaviko::net
