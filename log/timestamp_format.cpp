#include "log/timestamp_format.h"

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

enum TToken { tkYear, tkMonth, tkDay, tkHour, tkMinute, tkSecond, tkChar };

// The token at `i` of the format, which moves past it; a plain character is
// tkChar with `c` set, the separators already replaced by the locale's.
struct TFormatReader {
    QStringView format;
    QChar dateSeparator, timeSeparator;
    qsizetype i = 0;

    bool AtEnd() const { return i >= format.size(); }
    TToken Next(QChar& c)
    {
        static const struct {
            const char* text;
            TToken token;
        } tokens[] = { { "yyyy", tkYear }, { "mmm", tkMonth }, { "dd", tkDay }, { "hh", tkHour },
            { "nn", tkMinute }, { "ss", tkSecond } };
        for (const auto& t : tokens)
            if (format.mid(i).startsWith(QLatin1String(t.text), Qt::CaseInsensitive)) {
                i += qsizetype(qstrlen(t.text));
                return t.token;
            }
        c = format[i++];
        c = c == '/' ? dateSeparator : c == ':' ? timeSeparator : c;
        return tkChar;
    }
};

TFormatReader ReaderFor(QStringView format, const QLocale& locale)
{
    return { format, SeparatorOf(locale.dateFormat(QLocale::ShortFormat), '/'),
        SeparatorOf(locale.timeFormat(QLocale::ShortFormat), ':') };
}

// Reads `count` digits at `at` of `text`.
bool ReadDigits(QStringView text, qsizetype& at, int count, int& out)
{
    if (at + count > text.size()) return false;
    int value = 0;
    for (qsizetype k = at; k < at + count; ++k) {
        if (text[k] < u'0' || text[k] > u'9') return false;
        value = value * 10 + (text[k].unicode() - '0');
    }
    at += count;
    out = value;
    return true;
}

// The month whose short name stands at `at`; the longest name wins.
bool ReadMonth(QStringView text, qsizetype& at, const QLocale& locale, int& out)
{
    qsizetype best = 0;
    for (int m = 1; m <= 12; ++m) {
        const QString name = locale.monthName(m, QLocale::ShortFormat);
        if (name.size() > best && text.mid(at).startsWith(name, Qt::CaseInsensitive)) {
            best = name.size();
            out = m;
        }
    }
    at += best;
    return best > 0;
}

} // namespace

QString FormatTimestamp(const QString& Format, const QDateTime& Time, const QLocale& Locale)
{
    const QDate date = Time.date();
    const QTime time = Time.time();
    QString out;
    for (TFormatReader format = ReaderFor(Format, Locale); !format.AtEnd();) {
        QChar c;
        switch (format.Next(c)) {
        case tkYear:
            out += QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
            break;
        case tkMonth:
            out += Locale.monthName(date.month(), QLocale::ShortFormat);
            break;
        case tkDay:
            out += TwoDigits(date.day());
            break;
        case tkHour:
            out += TwoDigits(time.hour());
            break;
        case tkMinute:
            out += TwoDigits(time.minute());
            break;
        case tkSecond:
            out += TwoDigits(time.second());
            break;
        case tkChar:
            out += c;
            break;
        }
    }
    return out;
}

std::optional<QDateTime> ParseTimestamp(
    const QString& Format, QStringView Text, const QLocale& Locale)
{
    int year = -1, month = -1, day = -1, hour = 0, minute = 0, second = 0;
    qsizetype at = 0;
    for (TFormatReader format = ReaderFor(Format, Locale); !format.AtEnd();) {
        QChar c;
        bool ok = true;
        switch (format.Next(c)) {
        case tkYear:
            ok = ReadDigits(Text, at, 4, year);
            break;
        case tkMonth:
            ok = ReadMonth(Text, at, Locale, month);
            break;
        case tkDay:
            ok = ReadDigits(Text, at, 2, day);
            break;
        case tkHour:
            ok = ReadDigits(Text, at, 2, hour);
            break;
        case tkMinute:
            ok = ReadDigits(Text, at, 2, minute);
            break;
        case tkSecond:
            ok = ReadDigits(Text, at, 2, second);
            break;
        case tkChar:
            ok = at < Text.size() && Text[at++] == c;
            break;
        }
        if (!ok) return std::nullopt;
    }
    const QDateTime time(QDate(year, month, day), QTime(hour, minute, second));
    return time.isValid() ? std::optional<QDateTime>(time) : std::nullopt;
}
