#include "ui/window/table_look_setting.h"

#include "ui/window/game_option_setting.h"

namespace {

const QString kLook = QStringLiteral("Look");
const QString kShowTakes = QStringLiteral("ShowTakes");

} // namespace

TTableLook ReadTableLook(const QString& settingsFile)
{
    return ReadGameNumber(settingsFile, kLook, 0) == 1 ? TTableLook::Modern : TTableLook::Classic;
}

bool StoreTableLook(const QString& settingsFile, TTableLook look)
{
    return StoreGameNumber(settingsFile, kLook, look == TTableLook::Modern ? 1 : 0);
}

bool ReadShowTakes(const QString& settingsFile, TTableLook look)
{
    return ReadGameOption(settingsFile, kShowTakes, look == TTableLook::Modern);
}

bool StoreShowTakes(const QString& settingsFile, bool on)
{
    return StoreGameOption(settingsFile, kShowTakes, on);
}
