#pragma once

#include <QByteArray>
#include <QString>

// The files the player keeps beside the settings (the saved match, the
// statistics): read without ever blocking, set aside rather than deleted, and
// placed where they can be replaced atomically.

enum class TReadResult {
    Read,
    Missing,
    NotRegular, // a pipe, a device, a folder, or a link to one
    TooLarge,
    Unreadable,
};

// Reads the regular file at `path` (following a link) into `data`, at most
// `maxSize` bytes. Anything else is refused before it is read from: a pipe or a
// device would block the caller or never end.
TReadResult ReadRegularFile(const QString& path, qint64 maxSize, QByteArray& data);

// Moves the file at `path` aside as "<path>.bad.1", or .bad.2 and on when
// earlier copies are kept (never replacing one), so every damaged file stays
// for the player to look at. Returns the new name, or an empty string when it
// could not be moved; the file is then where it was.
QString SetFileAside(const QString& path);
inline constexpr int kMaxSetAsideCopies = 100;

// Whether files can be created and renamed in `folder`.
bool FolderWritable(const QString& folder);

// Where the file named like `settingsFile` with `extension` is kept: beside
// the settings when their folder can be written, else in `fallbackFolder`,
// where a file there can be replaced atomically (the settings themselves may
// be rewritten in place, but a save that is cut short must never be the only
// copy). With `takeOver`, a file left beside the settings becomes the first
// contents of the one in `fallbackFolder`.
QString PlayerFileName(const QString& settingsFile, const QString& extension,
    const QString& fallbackFolder, bool folderWritable, bool takeOver);

// The per-user folder of PlayerFileName, as for the settings and the log.
QString PerUserFolder();
