#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// How WriteFileAtomically treats a folder where no temporary file can be made.
enum class TInPlace {
    Refuse, // the write fails; the caller keeps its file elsewhere
    Allow, // an existing regular file that can be written is rewritten in place
};

// Replaces the whole file at `path` with `data` so that a crash or a full disk
// leaves either the old or the new file, never a mix: the data goes to a
// temporary file in the same folder, reaches the disk, and is renamed over the
// old file. Returns false when any step fails; the old file is then untouched.
// Only regular files are written: a pipe, a device or a folder at `path` (or
// at the end of a symbolic link there) is refused. A link to a regular file
// is followed, so the link stays and its target gets the new data.
// With TInPlace::Allow a folder that cannot be written still lets an existing
// writable file be rewritten in place, through a journal in the per-user
// folder (see write_journal.h), so a crash leaves the old or the new file
// once the next start has finished the journal.
bool WriteFileAtomically(
    const QString& path, const QByteArray& data, TInPlace inPlace = TInPlace::Refuse);

// How a write treats the file it replaces, and why it failed.
struct TAtomicWrite {
    TInPlace inPlace = TInPlace::Refuse;
    // When not empty and the file exists, the old file keeps a second name,
    // "<file><backupSuffix>", before the new one takes its place; a backup
    // already there is kept, so it holds the oldest version. The file itself
    // is never without a whole version, also during the backup.
    QString backupSuffix;
    // Where an in-place rewrite keeps its journal; without one an in-place
    // rewrite is refused.
    QString journalFolder;
};

// WriteFileAtomically with a backup; on failure `reason` says why in a few
// words for the player ("it is a folder", the system's error text).
bool WriteFileAtomically(
    const QString& path, const QByteArray& data, const TAtomicWrite& how, QString& reason);

// The name pattern of this program's temporary copies of `path`, for
// QTemporaryFile or mkstemp: "<path>.zaviko-tmp-XXXXXX". No player names a
// file so, which lets RemoveStaleTemporaries tell them apart beyond doubt.
QString TemporaryPattern(const QString& path);

// Writes all of `data` to the open file `fd` and syncs it to the disk; false
// when either fails.
bool WriteAllSynced(int fd, const QByteArray& data);

// Removes what a killed writer left of its temporary copies of `path` (names
// made from TemporaryPattern, regular files only) once they are older than
// `minAgeSeconds`; a younger one may belong to a save under way in another
// instance of the program. Every other file beside `path` is left alone.
// Returns how many were removed.
int RemoveStaleTemporaries(const QString& path, int minAgeSeconds = 60);

// Test hook: called with the target path after the new data has reached the
// temporary file and before it replaces the old one. A hook that throws
// stands for a crash at that moment. Pass nullptr to remove it.
void SetBeforeReplaceHook(std::function<void(const QString& path)> hook);

// Test hook: a hook that returns true for a target makes its folder refuse
// new files, as a read-only folder does for a user without rights to it
// (tests may run with rights to write everywhere). nullptr removes it.
void SetNewFilesRefusedHook(std::function<bool(const QString& target)> hook);
