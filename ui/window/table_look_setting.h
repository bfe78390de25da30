#pragma once

#include "ui/window/table_layout.h"

#include <QString>

// "Izgled" as the settings keep it: "Look" in the "GameOptions" section, 0 for
// "Klasicni" (the default, also for an unknown value) and 1 for "Savremeni".
TTableLook ReadTableLook(const QString& settingsFile);
// False when the settings file cannot be written; the choice then holds for the run.
bool StoreTableLook(const QString& settingsFile, TTableLook look);
