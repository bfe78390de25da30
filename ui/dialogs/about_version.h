#pragma once

#include <QString>

// The month's name in the game's language, 1 januar .. 12 decembar; empty
// for any other number. Our own table, whatever the system's locale.
QString SerbianMonthName(int Month);

// "Verzija <version>, <month> <year>".
QString VersionText(const QString& Version, int Year, int Month);

// The version line of this build: the project's version and release date.
QString ProgramVersionText();
