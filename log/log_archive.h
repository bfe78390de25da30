#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

enum TLogArchiveMode { bkNone, bkSize, bkDaily, bkWeekly, bkMonthly };

// Whether a day, a week or a month has passed since the log's period began.
// Days are counted from `Created` to `Today`: a day passes at midnight, a week
// after more than six days, a month after as many days as the current month
// has. An archive made today resets `Created` to today, so no mode archives
// twice on one day.
bool PeriodPassed(TLogArchiveMode Mode, const QDate& Created, const QDate& Today);

// "<name>-<mm>-<yyyy>.<n>", in `Folder`, or beside the log when `Folder` is
// empty (the process's current folder is nobody's place for a log).
QString ArchiveName(
    const QString& LogFileName, const QString& Folder, const QDate& Today, int Number);

// Archive numbers stop here: a month with this many archives is a runaway.
constexpr int MaxArchiveNumber = 1000000;

enum class TCopyResult { Copied, Exists, Failed };

// Gives the file at `Source` the new name `Target` as well, in one step that
// refuses an existing target (a hard link); `Unsupported` when the file
// system cannot do it (another device, no hard links), the copy is then the
// way. The caller removes the old name.
enum class TLinkResult { Linked, Exists, Unsupported, Failed };
TLinkResult LinkToNewName(const QString& Source, const QString& Target);

// Copies the whole open file `SourceHandle` to `Target`, which must not exist
// yet; an existing file is never touched, and a failed copy leaves nothing
// behind.
TCopyResult CopyToNewFile(int SourceHandle, const QString& Target);

// What a second name of the live log means at the start.
enum class TLiveLinks {
    Single, // one name, or no regular file: nothing to do
    Archived, // its archive in `ArchiveFolder`: an archive a crash cut short
    Foreign, // a link made by someone else: its lines must still be archived
};
TLiveLinks LiveLogLinks(const QString& LogFileName, const QString& ArchiveFolder);

// A crash between LinkToNewName and the removal of the live name leaves the
// live file with a second name, its archive: the live name is then removed,
// and the next open starts a new file.
void FinishInterruptedArchive(const QString& LogFileName);

// The time stamp of the open log's first line, read with the log's format:
// the session opening text's, or the stamp a line begins with.
std::optional<QDateTime> FirstLineTime(int Handle, const QString& TimestampFormat);
