#pragma once

#include "game/rules/match_file.h"
#include "settings/player_text_file.h"

#include <QString>

#include <optional>

// The file that keeps a match the player closed the window on, beside the
// settings file ("Zaviko.sav" beside "Zaviko.ini"), or in the per-user folder
// when the settings' folder cannot be written (an in-place rewrite cut short
// by a crash would be the only copy).
class TSavedMatchStore {
public:
    explicit TSavedMatchStore(const QString& settingsFile);
    // With the per-user folder and the folder's writability given, so tests
    // can pose a read-only folder.
    TSavedMatchStore(
        const QString& settingsFile, const QString& fallbackFolder, bool folderWritable);

    const QString& FileName() const { return FFile.FileName(); }
    // Whether anything lies at FileName(), a regular file or not.
    bool Exists() const { return FFile.Exists(); }
    // Replaces the file at once, so a crash leaves the old one or the new one.
    // Refuses anything but a regular file, and a file that is not a saved
    // match (one that could not be set aside is never written over).
    bool Save(const TSavedMatch& match) const;
    // The saved match. A file that cannot be read as one is moved aside
    // (FileName() + ".bad.N") and reported through the message sink; one that
    // cannot be moved, or is no regular file, is reported and left as it is.
    std::optional<TSavedMatch> Load() const;
    void Remove() const { FFile.Remove(); }

private:
    TPlayerTextFile FFile;
};
