#pragma once

#include "cards/deck/zucard_deck_file.h"

#include <QByteArray>
#include <QtEndian>

#include <cstdint>
#include <cstring>

// Builds deck files for tests and for the fuzzer's seed corpus: a valid record
// whose entries run 2, 3, ..., 53, 2, ... unless changed.
struct TDeckFileBuilder {
    QByteArray bytes;

    TDeckFileBuilder()
        : bytes(ZuDeckFile::RecordSize, '\0')
    {
        bytes[0] = char(33);
        std::memcpy(bytes.data() + 1, ZuDeckFile::Magic, 33);
        SetInt(ZuDeckFile::VersionOffset, ZuDeckFile::Version);
        for (int i = 0; i < 665; ++i)
            bytes[ZuDeckFile::AppearanceOffset + i] = char(i * 7);
        SetInt(ZuDeckFile::CardCountOffset, 52);
        for (int i = 0; i < 108; ++i)
            SetCard(i, 2 + i % 52);
    }
    TDeckFileBuilder& SetInt(int offset, std::int32_t value)
    {
        qToLittleEndian(value, bytes.data() + offset);
        return *this;
    }
    TDeckFileBuilder& SetCard(int entry, int id)
    {
        return SetInt(ZuDeckFile::CardsOffset + 4 * entry, id);
    }
    TDeckFileBuilder& Shuffles(int n) { return SetInt(ZuDeckFile::ShuffleCountOffset, n); }
    TDeckFileBuilder& Cards(int n) { return SetInt(ZuDeckFile::CardCountOffset, n); }
    TDeckFileBuilder& Version(int v) { return SetInt(ZuDeckFile::VersionOffset, v); }
    TDeckFileBuilder& Byte(int offset, char c)
    {
        bytes[offset] = c;
        return *this;
    }
    TDeckFileBuilder& Cut(int size)
    {
        bytes.truncate(size);
        return *this;
    }
};
