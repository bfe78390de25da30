#include "ui/window/table_look_setting.h"

#include "ui/window/game_option_setting.h"

namespace {

const QString kLook = QStringLiteral("Look");
const QString kOutline = QStringLiteral("OutlineCaptures");

} // namespace

TTableLook ReadTableLook(const QString& settingsFile)
{
    return ReadGameNumber(settingsFile, kLook, 0) == 1 ? TTableLook::Modern : TTableLook::Classic;
}

bool StoreTableLook(const QString& settingsFile, TTableLook look)
{
    return StoreGameNumber(settingsFile, kLook, look == TTableLook::Modern ? 1 : 0);
}

bool ReadCaptureOutline(const QString& settingsFile)
{
    return ReadGameNumber(settingsFile, kOutline, 1) != 0;
}

bool StoreCaptureOutline(const QString& settingsFile, bool on)
{
    return StoreGameNumber(settingsFile, kOutline, on ? 1 : 0);
}
