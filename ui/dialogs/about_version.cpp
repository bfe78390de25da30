#include "ui/dialogs/about_version.h"

#include <QCoreApplication>
#include <QStringList>

// The build passes the project's version and release date (top CMakeLists).
#if !defined(ZAVIKO_VERSION) || !defined(ZAVIKO_RELEASE_YEAR) || !defined(ZAVIKO_RELEASE_MONTH)
#error "ZAVIKO_VERSION, ZAVIKO_RELEASE_YEAR and ZAVIKO_RELEASE_MONTH must be defined"
#endif

QString SerbianMonthName(int Month)
{
    static const char* const names[]
        = { QT_TRANSLATE_NOOP("TFAbout", "januar"), QT_TRANSLATE_NOOP("TFAbout", "februar"),
              QT_TRANSLATE_NOOP("TFAbout", "mart"), QT_TRANSLATE_NOOP("TFAbout", "april"),
              QT_TRANSLATE_NOOP("TFAbout", "maj"), QT_TRANSLATE_NOOP("TFAbout", "jun"),
              QT_TRANSLATE_NOOP("TFAbout", "jul"), QT_TRANSLATE_NOOP("TFAbout", "avgust"),
              QT_TRANSLATE_NOOP("TFAbout", "septembar"), QT_TRANSLATE_NOOP("TFAbout", "oktobar"),
              QT_TRANSLATE_NOOP("TFAbout", "novembar"), QT_TRANSLATE_NOOP("TFAbout", "decembar") };
    return Month >= 1 && Month <= 12 ? QCoreApplication::translate("TFAbout", names[Month - 1])
                                     : QString();
}

QString VersionText(const QString& Version, int Year, int Month)
{
    return QCoreApplication::translate("TFAbout", "Verzija %1, %2 %3")
        .arg(Version, SerbianMonthName(Month))
        .arg(Year);
}

QString ProgramVersionText()
{
    return VersionText(QStringLiteral(ZAVIKO_VERSION), ZAVIKO_RELEASE_YEAR, ZAVIKO_RELEASE_MONTH);
}
