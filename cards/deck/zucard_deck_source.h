#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

// Where a custom deck's card order comes from: a deck file. The
// virtual deck only asks a reader; the file format is the reader's business.
constexpr int ZuDeckFileCards = 108;
constexpr int ZuDeckAppearanceSize = 665;

// What a deck file hands back.
struct TZuDeckFileContent {
    std::array<int, ZuDeckFileCards> Cards {}; // card IDs, taken from the start
    int CardCount = 0;
    int ShuffleCount = 0;
    std::array<std::uint8_t, ZuDeckAppearanceSize> Appearance {}; // carried, not used
};

// Reads the named deck file into `content`. Returns false, with `content`
// untouched, when the file cannot be used (the reader tells the player why).
using TZuDeckFileReader = std::function<bool(const QString& fileName, TZuDeckFileContent& content)>;

// The reader a new virtual deck uses: ReadDeckFile (cards/deck/zucard_deck_file.h).
TZuDeckFileReader BuiltInDeckFileReader();
