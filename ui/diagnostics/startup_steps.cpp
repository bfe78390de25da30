#include "ui/diagnostics/startup_steps.h"

#include <QDateTime>

namespace StartupSteps {

namespace {

std::vector<std::pair<QString, qint64>>& Steps()
{
    static std::vector<std::pair<QString, qint64>> steps;
    return steps;
}

} // namespace

void Note(const char* step)
{
    Steps().emplace_back(QString::fromLatin1(step), QDateTime::currentMSecsSinceEpoch());
}

const std::vector<std::pair<QString, qint64>>& Noted()
{
    return Steps();
}

} // namespace StartupSteps
