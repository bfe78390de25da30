#pragma once

#include <QString>

// Every refusal the server sends has one of these codes (the "code" field of
// an "error" message); docs/protocol.md lists when each is sent.

namespace zaviko::net {

enum class ErrorCode {
    TooBig, // a frame over kMaxMessageBytes
    Binary, // a binary frame: the protocol is text only
    BadJson, // not a JSON object
    UnknownType, // "type" missing or not a known message
    BadField, // a field missing, unknown or of the wrong type or range
    Version, // another protocol version
    NameTooLong, // a name or a chat line over its bound, or empty
    ControlChars, // a name or a chat line with control characters
    NoTable, // no table of that name
    WrongCode, // the invitation code does not open the table
    SlowDown, // too many wrong codes from the address: wait
    TableFull, // no free seat
    TooManyTables, // the server holds all the tables it may
    BadKey, // the seat key is no key of this table, or not the sender's to use
    SeatInUse, // the key's seat is held by a live connection
    AlreadySeated, // the connection has a seat already
    NotSeated, // a table message before a seat was taken
    NotHost, // a host's message from another seat
    BadSeat, // no such seat in the mode, or the host's own
    NotStarted, // a move before the match started
    Started, // a start or seat change while the match runs
    NotYourTurn,
    NoCard, // the hand slot is empty or out of range
    IllegalCapture, // the rules do not let that card take those cards
    Flood, // messages or chat lines faster than the rate bound
};

// The code's name on the wire, as "not_your_turn".
QString ErrorName(ErrorCode code);
// A short English explanation for logs and clients that show one.
QString ErrorText(ErrorCode code);

} // namespace zaviko::net
