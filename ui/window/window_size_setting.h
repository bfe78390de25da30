#pragma once

#include <QSize>
#include <QString>

#include <optional>

// The main window's size as the player left it, kept as "WindowSize" in the
// "GameOptions" section of the settings: "<width>x<height>", followed by
// " maximized" when the window was maximised (the size is then the one it
// returns to).
struct TKeptWindowSize {
    QSize size;
    bool maximized = false;
    bool operator==(const TKeptWindowSize&) const = default;
};

// Nothing when the key is missing or unreadable.
std::optional<TKeptWindowSize> ReadWindowSize(const QString& settingsFile);
// False when the settings file cannot be written; the size is then not kept.
bool StoreWindowSize(const QString& settingsFile, const TKeptWindowSize& kept);

// The text of the key and its reading; sizes outside 1..32767 read as nothing.
QString WindowSizeText(const TKeptWindowSize& kept);
std::optional<TKeptWindowSize> ParseWindowSize(const QString& text);

// The window's size at the first start: 80% of the screen's height in the
// proportions of the smallest window, kept inside the screen and never below
// the smallest window.
QSize FirstWindowSize(QSize minimum, QSize screenArea);
