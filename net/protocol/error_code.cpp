#include "net/protocol/error_code.h"

#include <array>
#include <utility>

namespace zaviko::net {

namespace {

struct TErrorWords {
    const char* name;
    const char* text;
};

constexpr std::array<TErrorWords, 25> kWords { {
    { "too_big", "The message is larger than the protocol allows" },
    { "binary", "Only text frames are understood" },
    { "bad_json", "The message is not a JSON object" },
    { "unknown_type", "Unknown message type" },
    { "bad_field", "A field is missing, unknown or has the wrong type" },
    { "version", "Unsupported protocol version" },
    { "text_too_long", "The name or line is empty or too long" },
    { "control_chars", "The name or line holds control characters" },
    { "no_table", "No such table" },
    { "wrong_code", "The invitation code is wrong" },
    { "slow_down", "Too many wrong codes; try again later" },
    { "table_full", "Every seat is taken" },
    { "too_many_tables", "The server holds as many tables as it may" },
    { "bad_key", "The seat key is not valid here" },
    { "seat_in_use", "The seat is held by another connection" },
    { "already_seated", "This connection already has a seat" },
    { "not_seated", "Join a table first" },
    { "not_host", "Only the host may do that" },
    { "bad_seat", "No such seat" },
    { "not_started", "The match has not started" },
    { "started", "The match is under way" },
    { "not_your_turn", "It is not your turn" },
    { "no_card", "There is no card in that hand slot" },
    { "illegal_capture", "That card cannot take those cards" },
    { "flood", "Too many messages; slow down" },
} };

} // namespace

QString ErrorName(ErrorCode code)
{
    return QString::fromLatin1(kWords.at(std::size_t(code)).name);
}

QString ErrorText(ErrorCode code)
{
    return QString::fromLatin1(kWords.at(std::size_t(code)).text);
}

} // namespace zaviko::net
