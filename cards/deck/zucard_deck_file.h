#pragma once

#include "cards/deck/zucard_deck_source.h"

#include <QByteArray>
#include <QString>

// The deck file: one record of 1148 bytes, 32-bit little-endian integers.
//   0   magic length 33, then the 33 characters of the magic text
//   34  2 bytes padding
//   36  version, 1
//   40  665-byte appearance block
//   705 3 bytes padding
//   708 shuffle count
//   712 card count
//   716 108 card IDs
// Bytes after the record are ignored.
namespace ZuDeckFile {
constexpr int RecordSize = 1148;
constexpr int HeaderSize = 34;
constexpr int VersionOffset = 36;
constexpr int AppearanceOffset = 40;
constexpr int ShuffleCountOffset = 708;
constexpr int CardCountOffset = 712;
constexpr int CardsOffset = 716;
constexpr int Version = 1;
// The shuffle makes count × cards swaps; past this it only wastes time.
constexpr int MaxShuffleCount = 1000;
inline constexpr char Magic[] = "Zumbra Software Virtual Deck File";

// What the player is told when a file cannot be used.
inline constexpr char UnrecognizedFormat[] = "Unrecognized file fomat.";
inline constexpr char WrongVersion[] = "Wrong file version.";
inline constexpr char CannotRead[] = "Cannot read the deck file.";
inline constexpr char Damaged[] = "The deck file is damaged.";
} // namespace ZuDeckFile

// Checks the bytes of a deck file (at most one record is looked at) and, when
// they hold a usable deck, fills `content`. Returns the message that tells why
// they cannot be used, or nullptr on success; `content` is untouched then.
const char* ParseDeckFile(const QByteArray& data, TZuDeckFileContent& content);

// Reads the named deck file once. A missing file gives false without a message;
// any other failure shows its message as an error box and gives false. On
// false `content` is untouched.
bool ReadDeckFile(const QString& fileName, TZuDeckFileContent& content);
