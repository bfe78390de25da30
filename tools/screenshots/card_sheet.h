#pragma once

#include <QDir>
#include <QString>

// cards_1x.png and cards_2x.png: all 69 pictures of the picture table on the table's
// green, thirteen to a row so that each suit fills one row. False with a reason in
// `error` on failure.
bool writeCardSheets(const QDir& folder, QString* error);
