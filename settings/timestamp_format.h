#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Formats a time stamp of the log. Tokens: "dd" day, "mmm" the locale's short
// month name, "yyyy" year, "hh" hour 00..23, "nn" minute, "ss" second; "/" and
// ":" stand for the locale's date and time separators. Everything else is
// copied as it stands.
QString FormatTimestamp(const QString& Format, const QDateTime& Time, const QLocale& Locale = {});
