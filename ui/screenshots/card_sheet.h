#pragma once

#include "ui/screenshots/card_library.h"

#include <QDir>
#include <QString>

// cards_1x.png and cards_2x.png: all 69 pictures on the table's green, thirteen to a row
// so that each suit fills one row. False with a reason in `error` on failure.
bool writeCardSheets(const CardLibrary& cards, const QDir& folder, QString* error);
