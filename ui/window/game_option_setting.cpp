#include "ui/window/game_option_setting.h"

#include "settings/ini_file.h"

namespace {

const QString kSection = QStringLiteral("GameOptions");

} // namespace

bool ReadGameOption(const QString& settingsFile, const QString& key, bool fallback)
{
    return TIniFile(settingsFile).ReadBool(kSection, key, fallback);
}

bool StoreGameOption(const QString& settingsFile, const QString& key, bool on)
{
    try {
        TIniFile ini(settingsFile);
        ini.WriteBool(kSection, key, on);
        ini.UpdateFile();
        return true;
    } catch (const EIniFileException&) {
        return false;
    }
}

int ReadGameNumber(const QString& settingsFile, const QString& key, int fallback)
{
    return TIniFile(settingsFile).ReadInteger(kSection, key, fallback);
}

bool StoreGameNumber(const QString& settingsFile, const QString& key, int value)
{
    try {
        TIniFile ini(settingsFile);
        ini.WriteInteger(kSection, key, value);
        ini.UpdateFile();
        return true;
    } catch (const EIniFileException&) {
        return false;
    }
}
