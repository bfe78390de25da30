#pragma once

#include <QString>

// The settings file and the log are named after the program and live beside
// it (Zaviko.ini, Zaviko.log). An installed program's folder is usually
// read-only; both then go to the user's configuration folder, except a
// settings file that already lies beside the program (see ChooseSettingsFileName).
QString ProgramFileName(const QString& Extension);

// The rule behind ProgramFileName for the log, for a given program path and
// fallback folder. `Extension` replaces the program's own (".log" gives
// Zaviko.log).
QString ChooseProgramFileName(
    const QString& ProgramPath, const QString& Extension, const QString& FallbackFolder);

// The rule for the settings file. A settings file beside the program is the
// player's even when the folder cannot be written, so it is never passed over
// in silence: one that can be written is used where it is (saves rewrite it in
// place, having no room for a temporary copy); a read-only one becomes the
// first contents of the user's own settings file, which is used from then on.
// `FolderWritable` is asked of the caller so tests can pose a read-only folder
// even when they run with rights to write everywhere.
QString ChooseSettingsFileName(
    const QString& ProgramPath, const QString& FallbackFolder, bool FolderWritable);
