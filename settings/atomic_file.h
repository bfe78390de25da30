#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Replaces the whole file at `path` with `data` so that a crash or a full disk
// leaves either the old or the new file, never a mix: the data goes to a
// temporary file in the same folder, reaches the disk, and is renamed over the
// old file. Returns false when any step fails; the old file is then untouched.
// A folder that cannot be written holds no temporary file; an existing file
// there that can be written is then rewritten in place, which a crash may cut
// short but which keeps the player's file in use.
bool WriteFileAtomically(const QString& path, const QByteArray& data);

// Removes what a killed writer left of its temporary copies of `path`
// ("<path>.XXXXXX", six letters or digits) once they are older than
// `minAgeSeconds`; a younger one may belong to a save under way in another
// instance of the program. Returns how many were removed.
int RemoveStaleTemporaries(const QString& path, int minAgeSeconds = 60);

// Test hook: called with the target path after the new data has reached the
// temporary file and before it replaces the old one. A hook that throws
// stands for a crash at that moment. Pass nullptr to remove it.
void SetBeforeReplaceHook(std::function<void(const QString& path)> hook);
