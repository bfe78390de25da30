// Feeds arbitrary formats and times to the log's time stamp formatter and its
// reader. Input: 8 bytes of milliseconds since 1970, one byte choosing the
// locale, then the format in UTF-8; the text after a NUL in the format is also
// given to the reader as a stamp.
#include "log/timestamp_format.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 9) return 0;
    std::int64_t ms = 0;
    std::memcpy(&ms, data, sizeof ms);
    // About 9999 years either side of 1970: every date QDateTime can hold.
    ms %= std::int64_t(315537897600000);
    static const QLocale locales[]
        = { QLocale(QLocale::English), QLocale(QLocale::Serbian), QLocale(QLocale::Finnish),
              QLocale(QLocale::Arabic), QLocale(QLocale::Japanese), QLocale::c() };
    const QLocale& locale = locales[data[8] % (sizeof locales / sizeof locales[0])];
    const QByteArray rest(reinterpret_cast<const char*>(data + 9), qsizetype(size - 9));
    const qsizetype nul = rest.indexOf('\0');
    const QString format = QString::fromUtf8(nul < 0 ? rest : rest.left(nul));
    const QDateTime time = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);

    const QString stamp = FormatTimestamp(format, time, locale);
    // Every character of the format gives at most a few of the stamp.
    if (stamp.size() > format.size() * 8 + 16) std::abort();
    ParseTimestamp(format, stamp, locale);
    // The log's own format reads back to the second it was written at.
    static const QString logFormat = QStringLiteral("dd/mmm/yyyy hh:nn:ss ");
    if (time.date().year() >= 1 && time.date().year() <= 9999) {
        const auto back
            = ParseTimestamp(logFormat, FormatTimestamp(logFormat, time, locale), locale);
        if (!back || back->date() != time.date() || back->time().hour() != time.time().hour()
            || back->time().minute() != time.time().minute()
            || back->time().second() != time.time().second())
            std::abort();
    }
    if (nul >= 0) ParseTimestamp(format, QString::fromUtf8(rest.mid(nul + 1)), locale);
    return 0;
}
