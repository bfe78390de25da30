#include "ui/window/table_look_setting.h"

#include "ui/window/game_option_setting.h"

namespace {

const QString kLook = QStringLiteral("Look");

} // namespace

TTableLook ReadTableLook(const QString& settingsFile)
{
    return ReadGameNumber(settingsFile, kLook, 0) == 1 ? TTableLook::Modern : TTableLook::Classic;
}

bool StoreTableLook(const QString& settingsFile, TTableLook look)
{
    return StoreGameNumber(settingsFile, kLook, look == TTableLook::Modern ? 1 : 0);
}
