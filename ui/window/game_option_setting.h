#pragma once

#include <QString>

// An on/off choice of the window's own (a menu item's check mark) kept in
// the "GameOptions" section of the settings under `key`, as 1 or 0.
bool ReadGameOption(const QString& settingsFile, const QString& key, bool fallback);
// False when the settings file cannot be written; the choice then holds for the run.
bool StoreGameOption(const QString& settingsFile, const QString& key, bool on);
// A number of the same section (a volume, say).
int ReadGameNumber(const QString& settingsFile, const QString& key, int fallback);
bool StoreGameNumber(const QString& settingsFile, const QString& key, int value);
