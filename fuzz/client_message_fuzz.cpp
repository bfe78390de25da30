// Feeds arbitrary frames to the decoder of client messages. A frame it takes
// must say the same when the client's own encoder writes it back; a refusal
// must carry a code; nothing may crash or read past the frame.
#include "net/protocol/client_message.h"
#include "net/protocol/client_request.h"

#include <cstdint>
#include <cstdlib>

namespace {

using namespace zaviko::net;

QByteArray Written(const TClientMessage& m)
{
    switch (m.type) {
    case ClientType::Open:
        return OpenRequest(m.name, m.options);
    case ClientType::Join:
        return JoinRequest(m.name, m.table, m.code, m.key);
    case ClientType::Start:
        return StartRequest();
    case ClientType::Seat:
        return SeatRequest(m.seat, m.use, m.strength);
    case ClientType::Move:
        return MoveRequest({ SeatS, m.card, m.take });
    case ClientType::Chat:
        return ChatRequest(m.text);
    }
    std::abort();
}

bool Same(const TClientMessage& a, const TClientMessage& b)
{
    return a.type == b.type && a.protocol == b.protocol && a.name == b.name
        && a.options.mode == b.options.mode && a.options.decks == b.options.decks
        && a.options.clockwise == b.options.clockwise && a.options.strength == b.options.strength
        && a.options.turnSeconds == b.options.turnSeconds && a.table == b.table && a.code == b.code
        && a.key == b.key && a.seat == b.seat && a.use == b.use && a.strength == b.strength
        && a.card == b.card && a.take == b.take && a.text == b.text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray frame(reinterpret_cast<const char*>(data), qsizetype(size));
    const TDecoded decoded = DecodeClientMessage(frame);
    if (!decoded.message) return 0;
    const TDecoded again = DecodeClientMessage(Written(*decoded.message));
    if (!again.message || !Same(*again.message, *decoded.message)) std::abort();
    return 0;
}
