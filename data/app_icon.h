#pragma once

#include <QIcon>

#include <array>

// The sizes the application icon is drawn at; the same PNGs are built into
// the program and installed under share/icons/hicolor.
inline constexpr std::array<int, 6> kAppIconSizes { 16, 32, 48, 64, 128, 256 };

// The program's icon, every size taken from the built-in resources.
QIcon AppIcon();
// The icon the windows carry: the sizes up to 128. Every size is sent to the
// X server with each window; the largest alone is three times the rest, and
// launchers take the installed icons instead.
QIcon WindowIcon();
