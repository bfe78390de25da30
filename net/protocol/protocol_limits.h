#pragma once

// The fixed numbers of the table protocol (docs/protocol.md), shared by the
// server, the client and the tests so that a bound is stated once.

namespace zaviko::net {

// Raised only when a message changes meaning; the greeting carries it and a
// client speaking another version is refused before it sits down.
inline constexpr int kProtocolVersion = 1;

// A text frame longer than this is refused unread: every message of the
// protocol fits in a few hundred bytes, so a larger one is a mistake or abuse.
inline constexpr int kMaxMessageBytes = 4096;
// Past this Qt itself closes the connection without reading the frame.
inline constexpr int kHardFrameBytes = 65536;
inline constexpr int kMaxNameChars = 24;
inline constexpr int kMaxChatChars = 200;
// Random bits in an invitation code and in a seat key (hex digits = bits / 4).
inline constexpr int kSecretBits = 128;
// The WebSocket close code that tells every seat its table has ended because
// its host closed it (a code of the private range 4000..4999).
inline constexpr int kTableClosedCloseCode = 4000;

} // namespace zaviko::net
