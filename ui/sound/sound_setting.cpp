#include "ui/sound/sound_setting.h"

#include "ui/window/game_option_setting.h"

#include <QtGlobal>

namespace {

const QString kOnKey = QStringLiteral("Sound");
const QString kVolumeKey = QStringLiteral("SoundVolume");

} // namespace

bool ReadSoundOn(const QString& settingsFile)
{
    return ReadGameOption(settingsFile, kOnKey, false);
}

int ReadSoundVolume(const QString& settingsFile)
{
    return qBound(0, ReadGameNumber(settingsFile, kVolumeKey, DefaultSoundVolume), 100);
}

bool StoreSound(const QString& settingsFile, bool on, int volume)
{
    const bool stored = StoreGameOption(settingsFile, kOnKey, on);
    return StoreGameNumber(settingsFile, kVolumeKey, qBound(0, volume, 100)) && stored;
}
