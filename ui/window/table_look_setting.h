#pragma once

#include "ui/window/table_layout.h"

#include <QString>

// "Izgled" as the settings keep it: "Look" in the "GameOptions" section, 0 for
// "Klasicni" (the default, also for an unknown value) and 1 for "Savremeni".
TTableLook ReadTableLook(const QString& settingsFile);
// False when the settings file cannot be written; the choice then holds for the run.
bool StoreTableLook(const QString& settingsFile, TTableLook look);

// Whether the modern look outlines the table cards the pointed hand card
// could take: "OutlineCaptures" in "GameOptions", on unless stored as 0. The
// classic look never outlines.
bool ReadCaptureOutline(const QString& settingsFile);
bool StoreCaptureOutline(const QString& settingsFile, bool on);
