#pragma once

#include <QDateTime>

#include <optional>

// Linux cannot set a file's creation time, yet the log's date modes count their
// period from it. The period start is therefore kept in an extended attribute
// of the file; a file that has none falls back to its birth time where the file
// system records one.

// When the open file's current period began: the recorded creation time, else
// the birth time, else nothing.
std::optional<QDateTime> FileCreationTime(int fd);

// Records `time` as the open file's creation time. False when the file system
// keeps no extended attributes.
bool SetFileCreationTime(int fd, const QDateTime& time);

// The open file's last-write time.
std::optional<QDateTime> FileWriteTime(int fd);

// Sets the open file's last-access and last-write times.
bool SetFileAccessAndWriteTimes(int fd, const QDateTime& time);

// Test hook: pretends the file system keeps no extended attributes and/or no
// birth time, as some do (FAT, some network and FUSE file systems).
void SetFileTimeSources(bool Attributes, bool BirthTime);
