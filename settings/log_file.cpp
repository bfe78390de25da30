#include "settings/log_file.h"

#include "platform/file_times.h"
#include "settings/timestamp_format.h"

#include <QDir>

#include <exception>
#include <limits>

TLogFile::TLogFile() = default;

TLogFile::~TLogFile()
{
    try {
        Close();
    } catch (...) {
        // A destructor cannot report; the stream is released either way.
    }
}

void TLogFile::SetOptions(TLogOptions Value)
{
    if (Value == FOptions) return;
    FOptions = Value;
    DoChange();
}

void TLogFile::SetMaxSize(int Value)
{
    if (Value < 1024) throw ELogError("Invalid MaxSize value");
    if (Value == FMaxSize) return;
    FMaxSize = Value;
    DoChange();
}

// Names differing only in letter case are different files here.
void TLogFile::SetLogFileName(const QString& Value)
{
    if (Active()) throw ELogError(kInvalidOperation);
    if (Value == FLogFileName) return;
    FLogFileName = Value;
    DoChange();
}

void TLogFile::SetArchiveDir(const QString& Value)
{
    QString dir = Value.trimmed();
    if (dir.size() > 1 && (dir.endsWith('/') || dir.endsWith('\\'))) dir.chop(1);
    FArchiveDir = dir;
}

void TLogFile::SetArchiveMode(TLogArchiveMode Value)
{
    if (Value == FArchiveMode) return;
    FArchiveMode = Value;
    DoChange();
}

void TLogFile::Loaded()
{
    if (FAutoOpen) Open();
}

void TLogFile::Open()
{
    if (Active()) return;
    FStream = std::make_unique<TLogFileStream>(FLogFileName);
    try {
        CheckArchive();
        if (FOptions.testFlag(logSession)) Write(SessionText("otvoren"));
        DoOpen();
    } catch (...) {
        FStream.reset();
        throw;
    }
}

void TLogFile::Close()
{
    if (!Active()) return;
    // The log counts as closed even when the closing text cannot be written.
    std::exception_ptr error;
    if (FOptions.testFlag(logSession)) {
        try {
            Write(SessionText("zatvoren"));
        } catch (...) {
            error = std::current_exception();
        }
    }
    FStream.reset();
    DoClose();
    if (error) std::rethrow_exception(error);
}

QString TLogFile::SessionText(const char* Verb) const
{
    return QStringLiteral("\r\n*** Log fajl %1 %2 ***\r\n")
        .arg(QLatin1String(Verb), FormatTimestamp(FTimestampFormat, FClock()));
}

void TLogFile::Write(const QString& Text)
{
    if (!Active()) throw ELogWriteError(kInvalidOperation);
    if (!FStream->Write(Text.toUtf8())) throw ELogWriteError("Stream write error");
    DoChange();
    CheckArchive();
}

void TLogFile::Log(const QString& Source, const QString& Category, const QString& Message)
{
    DoLog(Source, Category, Message);
}

void TLogFile::DoLog(const QString& Source, const QString& Category, const QString& Message)
{
    QString line;
    if (FOptions.testFlag(logSource)) line += Source + QStringLiteral(": ");
    if (FOptions.testFlag(logTimestamp)) line += FormatTimestamp(FTimestampFormat, FClock());
    if (FOptions.testFlag(logCategory)) line += '[' + Category + QStringLiteral("] ");
    Write(line + Message + QStringLiteral("\r\n"));
}

void TLogFile::Clear()
{
    if (!Active() || !FStream->Clear()) throw ELogError(kInvalidOperation);
    DoChange();
}

void TLogFile::CheckArchive()
{
    if (FArchiveMode == bkNone || !ArchiveDue()) return;
    Archive();
}

bool TLogFile::ArchiveDue() const
{
    if (FArchiveMode == bkSize) {
        const qint64 size = FStream->Size();
        if (size < 0) throw ELogBackupError(kBackupFailed);
        return size >= FMaxSize;
    }
    // Both dates are local: mixing a UTC creation date with a local today
    // would archive twice on one day in zones east of Greenwich.
    const auto created = FileCreationTime(FStream->Handle());
    if (!created || !created->isValid()) throw ELogBackupError(kBackupFailed);
    return PeriodPassed(FArchiveMode, created->toLocalTime().date(), FClock().date());
}

void TLogFile::Archive()
{
    if (!FArchiveDir.isEmpty() && !QDir(FArchiveDir).exists())
        QDir().mkdir(FArchiveDir); // a failure shows up as a failed copy
    const QDateTime now = FClock();
    for (int n = 1;; ++n) {
        const TCopyResult copy = CopyToNewFile(
            FStream->Handle(), ArchiveName(FLogFileName, FArchiveDir, now.date(), n));
        if (copy == TCopyResult::Copied) break;
        if (copy == TCopyResult::Failed || n == std::numeric_limits<int>::max())
            throw ELogBackupError(kBackupFailed);
    }
    Clear();
    // The new period starts now. Only the date modes count from the creation
    // time, so a file system without a place for it fails only them.
    const int handle = FStream->Handle();
    const bool created = SetFileCreationTime(handle, now);
    if (!SetFileAccessAndWriteTimes(handle, now) || (!created && FArchiveMode != bkSize))
        throw ELogBackupError(kBackupFailed);
}

void TLogFile::DoOpen()
{
    if (OnOpen) OnOpen(this);
}

void TLogFile::DoClose()
{
    if (OnClose) OnClose(this);
}

void TLogFile::DoChange()
{
    if (OnChange) OnChange(this);
}
