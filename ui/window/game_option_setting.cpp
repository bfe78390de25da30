#include "ui/window/game_option_setting.h"

#include "settings/ini_file.h"

namespace {

const QString kSection = QStringLiteral("GameOptions");

// Writes one value and puts the file on the disk; false when it cannot be.
template <class Write> bool Store(const QString& settingsFile, Write write)
{
    try {
        TIniFile ini(settingsFile);
        write(ini);
        ini.UpdateFile();
        return true;
    } catch (const EIniFileException&) {
        return false;
    }
}

} // namespace

bool ReadGameOption(const QString& settingsFile, const QString& key, bool fallback)
{
    return TIniFile(settingsFile).ReadBool(kSection, key, fallback);
}

bool StoreGameOption(const QString& settingsFile, const QString& key, bool on)
{
    return Store(settingsFile, [&](TIniFile& ini) { ini.WriteBool(kSection, key, on); });
}

int ReadGameNumber(const QString& settingsFile, const QString& key, int fallback)
{
    return TIniFile(settingsFile).ReadInteger(kSection, key, fallback);
}

bool StoreGameNumber(const QString& settingsFile, const QString& key, int value)
{
    return Store(settingsFile, [&](TIniFile& ini) { ini.WriteInteger(kSection, key, value); });
}
