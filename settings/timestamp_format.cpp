#include "settings/timestamp_format.h"

namespace {

// The first character between two fields of one of the locale's own formats,
// e.g. "." in "dd.MM.yy" or ":" in "HH:mm".
QChar SeparatorOf(const QString& format, QChar fallback)
{
    bool afterField = false;
    for (QChar c : format) {
        if (c.isLetter())
            afterField = true;
        else if (afterField && c != '\'' && !c.isSpace())
            return c;
    }
    return fallback;
}

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString FormatTimestamp(const QString& Format, const QDateTime& Time, const QLocale& Locale)
{
    const QDate date = Time.date();
    const QTime time = Time.time();
    const QChar dateSeparator = SeparatorOf(Locale.dateFormat(QLocale::ShortFormat), '/');
    const QChar timeSeparator = SeparatorOf(Locale.timeFormat(QLocale::ShortFormat), ':');
    QString out;
    const QStringView format(Format);
    for (qsizetype i = 0; i < format.size();) {
        auto token = [&](const char* t) {
            const qsizetype n = qsizetype(qstrlen(t));
            const bool found = format.mid(i).startsWith(QLatin1String(t), Qt::CaseInsensitive);
            if (found) i += n;
            return found;
        };
        if (token("yyyy"))
            out += QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
        else if (token("mmm"))
            out += Locale.monthName(date.month(), QLocale::ShortFormat);
        else if (token("dd"))
            out += TwoDigits(date.day());
        else if (token("hh"))
            out += TwoDigits(time.hour());
        else if (token("nn"))
            out += TwoDigits(time.minute());
        else if (token("ss"))
            out += TwoDigits(time.second());
        else {
            const QChar c = format[i++];
            out += c == '/' ? dateSeparator : c == ':' ? timeSeparator : c;
        }
    }
    return out;
}
