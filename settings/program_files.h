#pragma once

#include <QString>

// The settings file and the log are named after the program and live beside
// it (Zaviko.ini, Zaviko.log). An installed program's folder is usually
// read-only; both then go to the user's configuration folder.
QString ProgramFileName(const QString& Extension);

// The rule behind ProgramFileName, for a given program path and fallback
// folder. `Extension` replaces the program's own (".ini" gives Zaviko.ini).
QString ChooseProgramFileName(
    const QString& ProgramPath, const QString& Extension, const QString& FallbackFolder);
