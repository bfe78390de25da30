#pragma once

#include <QDate>
#include <QString>

enum TLogArchiveMode { bkNone, bkSize, bkDaily, bkWeekly, bkMonthly };

// Whether a day, a week or a month has passed since the log's period began.
// Days are counted from `Created` to `Today`: a day passes at midnight, a week
// after more than six days, a month after as many days as the current month
// has. An archive made today resets `Created` to today, so no mode archives
// twice on one day.
bool PeriodPassed(TLogArchiveMode Mode, const QDate& Created, const QDate& Today);

// "<name>-<mm>-<yyyy>.<n>", in `Folder` when that is not empty.
QString ArchiveName(
    const QString& LogFileName, const QString& Folder, const QDate& Today, int Number);

enum class TCopyResult { Copied, Exists, Failed };

// Copies the whole open file `SourceHandle` to `Target`, which must not exist
// yet; an existing file is never touched, and a failed copy leaves nothing
// behind.
TCopyResult CopyToNewFile(int SourceHandle, const QString& Target);
