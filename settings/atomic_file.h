#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Replaces the whole file at `path` with `data` so that a crash or a full disk
// leaves either the old or the new file, never a mix: the data goes to a
// temporary file in the same folder, reaches the disk, and is renamed over the
// old file. Returns false when any step fails; the old file is then untouched.
bool WriteFileAtomically(const QString& path, const QByteArray& data);

// Test hook: called with the target path after the new data has reached the
// temporary file and before it replaces the old one. A hook that throws
// stands for a crash at that moment. Pass nullptr to remove it.
void SetBeforeReplaceHook(std::function<void(const QString& path)> hook);
