#pragma once

#include <QString>

// "Zvuk" and its volume as the settings keep them: the keys Sound (1 or 0,
// off when missing, so the game starts silent as it always has) and
// SoundVolume (0..100) in the section GameOptions.
constexpr int DefaultSoundVolume = 80;

bool ReadSoundOn(const QString& settingsFile);
// A value out of 0..100 is brought into it.
int ReadSoundVolume(const QString& settingsFile);
// False when the file cannot be written; the choice then holds for the run.
bool StoreSound(const QString& settingsFile, bool on, int volume);
