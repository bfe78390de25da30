#pragma once

#include <QIcon>

#include <array>

// The sizes the application icon is drawn at; the same PNGs are built into
// the program and installed under share/icons/hicolor.
inline constexpr std::array<int, 6> kAppIconSizes { 16, 32, 48, 64, 128, 256 };

// The program's window icon, every size taken from the built-in resources.
QIcon AppIcon();
