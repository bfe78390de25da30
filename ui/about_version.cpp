#include "ui/about_version.h"

#include <QStringList>

// The build passes the project's version and release date (top CMakeLists).
#if !defined(ZAVIKO_VERSION) || !defined(ZAVIKO_RELEASE_YEAR) || !defined(ZAVIKO_RELEASE_MONTH)
#error "ZAVIKO_VERSION, ZAVIKO_RELEASE_YEAR and ZAVIKO_RELEASE_MONTH must be defined"
#endif

QString SerbianMonthName(int Month)
{
    static const QStringList names
        = { QStringLiteral("januar"), QStringLiteral("februar"), QStringLiteral("mart"),
              QStringLiteral("april"), QStringLiteral("maj"), QStringLiteral("jun"),
              QStringLiteral("jul"), QStringLiteral("avgust"), QStringLiteral("septembar"),
              QStringLiteral("oktobar"), QStringLiteral("novembar"), QStringLiteral("decembar") };
    return Month >= 1 && Month <= 12 ? names.at(Month - 1) : QString();
}

QString VersionText(const QString& Version, int Year, int Month)
{
    return QStringLiteral("Verzija %1, %2 %3").arg(Version, SerbianMonthName(Month)).arg(Year);
}

QString ProgramVersionText()
{
    return VersionText(QStringLiteral(ZAVIKO_VERSION), ZAVIKO_RELEASE_YEAR, ZAVIKO_RELEASE_MONTH);
}
