#pragma once

#include "settings/player_files.h"

#include <QString>

#include <string>

// One file of text the player keeps beside the settings file (the saved
// match, the statistics), or in the per-user folder when the settings' folder
// cannot be written. It is read within a size limit and only when it is a
// regular file, set aside rather than deleted when its text is damaged, and
// replaced atomically. What the text means is the owner's business.
class TPlayerTextFile {
public:
    // "<settings base name><extension>" in the settings' folder, or in the
    // per-user folder when that folder cannot be written. With `takeOver` a
    // file left beside the settings becomes the first contents of the
    // per-user one.
    TPlayerTextFile(
        const QString& settingsFile, const QString& extension, qint64 maxSize, bool takeOver);
    // With the per-user folder and the folder's writability given, so tests
    // can pose a read-only folder.
    TPlayerTextFile(const QString& settingsFile, const QString& extension, qint64 maxSize,
        bool takeOver, const QString& fallbackFolder, bool folderWritable);

    const QString& FileName() const { return FFileName; }
    // Whether anything lies at FileName(), a regular file or not.
    bool Exists() const;
    // The whole text; empty unless the result is TReadResult::Read.
    TReadResult Read(std::string& text) const;
    // Moves the file aside as FileName() + ".bad.N"; the new name, or empty
    // when it could not be moved.
    QString SetAside() const;
    // Replaces the whole file at once; false when it was not written.
    bool Write(const std::string& text) const;
    // Deletes the file when it is a regular one; anything else stays.
    void Remove() const;

private:
    QString FFileName;
    qint64 FMaxSize;
};
