#include "game/controller/log_failure_text.h"

#include "log/log_errors.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString Reason(const std::exception& error, const QString& file)
{
    if (dynamic_cast<const ELogOpenError*>(&error))
        return QCoreApplication::translate(
            "LogFailureText", "datoteka \"%1\" ne moze da se otvori za pisanje.")
            .arg(file);
    if (dynamic_cast<const ELogWriteError*>(&error))
        return QCoreApplication::translate("LogFailureText", "upis u datoteku \"%1\" nije uspeo.")
            .arg(file);
    if (dynamic_cast<const ELogBackupError*>(&error))
        return QCoreApplication::translate(
            "LogFailureText", "datoteka \"%1\" ne moze da se arhivira.")
            .arg(file);
    return QCoreApplication::translate(
        "LogFailureText", "neocekivana greska u radu sa datotekom \"%1\".")
        .arg(file);
}

const char* Lead(TLogStep step)
{
    switch (step) {
    case TLogStep::Use:
        return QT_TRANSLATE_NOOP("LogFailureText", "Dnevnik igre ne moze da se koristi: ");
    case TLogStep::Write:
        return QT_TRANSLATE_NOOP("LogFailureText", "Dnevnik igre ne moze da se pise: ");
    case TLogStep::Close:
        break;
    }
    return QT_TRANSLATE_NOOP("LogFailureText", "Dnevnik igre ne moze da se zatvori: ");
}

} // namespace

std::string LogFailureText(TLogStep step, const std::exception& error, const QString& logFileName)
{
    return (QCoreApplication::translate("LogFailureText", Lead(step))
        + Reason(error, QDir::toNativeSeparators(logFileName)))
        .toStdString();
}
