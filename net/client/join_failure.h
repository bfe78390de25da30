#pragma once

#include <QString>

// Every way a table can be lost before or while sitting at it, and what the
// player is told of each: what happened and what to do about it.

namespace zaviko::net {

enum class JoinFailure {
    WrongCode, // no such table, or the code does not open it
    TableFull,
    NoAnswer, // nothing greets at that address and port
    Version, // the server speaks another protocol version
    Certificate, // the server's TLS certificate was refused
    SlowDown, // too many wrong codes from this address
    TooManyTables, // the server may not open another table
    HostClosed, // the host closed the table
    Lost, // a dropped connection could not be brought back
    SeatGone, // the host gave the seat to someone else
};

// The player's message; `detail` fills in the address, the version or the
// certificate's trouble where the message names one.
QString JoinFailureText(JoinFailure failure, const QString& detail = {});

// The server's reason for refusing a request, for the status bar.
QString RefusalText(const QString& code);

} // namespace zaviko::net
