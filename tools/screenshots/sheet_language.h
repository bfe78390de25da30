#pragma once

// A sheet program speaks the language named by ZAVIKO_LANGUAGE (en, sr_Latn,
// sr_Cyrl), or the source texts when it is not set, so each language's
// windows can be looked at.

#include "ui/desktop/language.h"

#include <QtGlobal>

#include <cstdio>

// False, after saying why, for a language the game does not have.
inline bool InstallSheetLanguage()
{
    const QString code = qEnvironmentVariable("ZAVIKO_LANGUAGE");
    if (code.isEmpty() || InstallLanguage(code)) return true;
    std::fprintf(stderr, "no language %s\n", qPrintable(code));
    return false;
}
