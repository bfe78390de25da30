#include "game/controller/log_failure_text.h"

#include "settings/log_errors.h"

#include <QDir>

namespace {

QString Reason(const std::exception& error, const QString& file)
{
    if (dynamic_cast<const ELogOpenError*>(&error))
        return QStringLiteral("datoteka \"%1\" ne moze da se otvori za pisanje.").arg(file);
    if (dynamic_cast<const ELogWriteError*>(&error))
        return QStringLiteral("upis u datoteku \"%1\" nije uspeo.").arg(file);
    if (dynamic_cast<const ELogBackupError*>(&error))
        return QStringLiteral("datoteka \"%1\" ne moze da se arhivira.").arg(file);
    return QStringLiteral("neocekivana greska u radu sa datotekom \"%1\".").arg(file);
}

const char* Lead(TLogStep step)
{
    switch (step) {
    case TLogStep::Use:
        return "Dnevnik igre ne moze da se koristi: ";
    case TLogStep::Write:
        return "Dnevnik igre ne moze da se pise: ";
    case TLogStep::Close:
        break;
    }
    return "Dnevnik igre ne moze da se zatvori: ";
}

} // namespace

std::string LogFailureText(TLogStep step, const std::exception& error, const QString& logFileName)
{
    return Lead(step) + Reason(error, QDir::toNativeSeparators(logFileName)).toStdString();
}
