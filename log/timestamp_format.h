#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// Formats a time stamp of the log. Tokens: "dd" day, "mmm" the locale's short
// month name, "yyyy" year, "hh" hour 00..23, "nn" minute, "ss" second; "/" and
// ":" stand for the locale's date and time separators. Everything else is
// copied as it stands.
QString FormatTimestamp(const QString& Format, const QDateTime& Time, const QLocale& Locale = {});

// Reads back, from the start of `Text`, a local time stamp written by
// FormatTimestamp with the same format and locale. Nothing when the text does
// not match or the format holds no whole date (day, month and year).
std::optional<QDateTime> ParseTimestamp(
    const QString& Format, QStringView Text, const QLocale& Locale = {});
