#include "log/log_file.h"

#include "platform/file_times.h"
#include "log/timestamp_format.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

#include <exception>
#include <limits>
#include <utility>

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
    if (Value.contains(QChar(0))) throw ELogError("Invalid log file name");
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
    switch (LiveLogLinks(FLogFileName, FArchiveDir)) {
    case TLiveLinks::Archived:
        FinishInterruptedArchive(FLogFileName);
        break;
    case TLiveLinks::Foreign:
        ArchiveLinkedLog();
        break;
    case TLiveLinks::Single:
        break;
    }
    FStream = std::make_unique<TLogFileStream>(FLogFileName);
    ApplySyncModes();
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
    try {
        // Lines not yet on the disk go there before the closing text.
        EndDeferredSync();
        if (FOptions.testFlag(logSession)) Write(SessionText("zatvoren"));
    } catch (...) {
        error = std::current_exception();
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

void TLogFile::DeferSync()
{
    FSyncDeferred = true;
    if (Active()) FStream->SetWritesSynced(false);
}

void TLogFile::SetSyncInBackground(bool background)
{
    FSyncInBackground = background;
    if (Active()) FStream->SetSyncInBackground(background);
}

void TLogFile::ApplySyncModes()
{
    FStream->SetWritesSynced(!FSyncDeferred);
    FStream->SetSyncInBackground(FSyncInBackground);
}

void TLogFile::EndDeferredSync()
{
    if (!std::exchange(FSyncDeferred, false) || !Active()) return;
    if (!FStream->SetWritesSynced(true)) throw ELogWriteError("Stream write error");
}

void TLogFile::Log(const QString& Source, const QString& Category, const QString& Message)
{
    DoLog(Source, Category, Message);
}

void TLogFile::DoLog(const QString& Source, const QString& Category, const QString& Message)
{
    QString line;
    if (FOptions.testFlag(logSource)) line += EscapeControls(Source) + QStringLiteral(": ");
    if (FOptions.testFlag(logTimestamp)) line += FormatTimestamp(FTimestampFormat, FClock());
    if (FOptions.testFlag(logCategory))
        line += '[' + EscapeControls(Category) + QStringLiteral("] ");
    Write(line + EscapeControls(Message) + QStringLiteral("\r\n"));
}

QString EscapeControls(const QString& Text)
{
    // A line break or an escape sequence in a player's name would forge
    // lines or recolour a terminal showing the log; each such character is
    // written as \xNN (\uNNNN beyond Latin-1) instead. The backslash itself
    // stays as it is: names seldom hold one, and no reader unescapes.
    auto control = [](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator;
    };
    if (std::none_of(Text.begin(), Text.end(), control)) return Text;
    QString out;
    for (QChar c : Text) {
        if (!control(c))
            out += c;
        else if (c.unicode() < 0x100)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar('0'));
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
    }
    return out;
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
    return PeriodStart().isValid()
        && PeriodPassed(FArchiveMode, PeriodStart().toLocalTime().date(), FClock().date());
}

// The recorded creation time, else the birth time, else the time stamp of the
// file's first line: a file system that keeps neither still has the session
// opening text. An empty file begins its period now; for the rest nothing
// better than the last write is known.
QDateTime TLogFile::PeriodStart() const
{
    const int handle = FStream->Handle();
    if (const auto created = FileCreationTime(handle); created && created->isValid())
        return *created;
    if (const auto stamped = FirstLineTime(handle, FTimestampFormat)) return *stamped;
    if (FStream->Size() == 0) return FClock();
    if (const auto written = FileWriteTime(handle)) return *written;
    throw ELogBackupError(kBackupFailed);
}

// Tries the archive names from the first number not known to be taken until
// `Place` puts the file under one of them or fails.
TLogFile::TPlaced TLogFile::PlaceArchive(
    const QDate& Today, const std::function<TPlaced(const QString&)>& Place)
{
    const QString key = ArchiveName(FLogFileName, FArchiveDir, Today, 0);
    if (key != FArchiveKey) {
        FArchiveKey = key;
        FNextArchive = 1;
    }
    for (; FNextArchive <= MaxArchiveNumber; ++FNextArchive) {
        const TPlaced placed = Place(ArchiveName(FLogFileName, FArchiveDir, Today, FNextArchive));
        if (placed == TPlaced::Taken) continue;
        if (placed == TPlaced::Done) ++FNextArchive;
        return placed;
    }
    return TPlaced::Failed;
}

// The live file becomes the archive under a second name in one step, so a
// crash leaves every line in exactly one of the two (see
// FinishInterruptedArchive); only where the file system cannot do that is the
// file copied. Either way the live name then starts a new, empty file.
void TLogFile::Archive()
{
    // Writes that wait for the disk go there before the file takes its second
    // name, so the moment it has two names stays as short as ever.
    if (!FStream->SetWritesSynced(true)) throw ELogBackupError(kBackupFailed);
    if (!FArchiveDir.isEmpty() && !QDir(FArchiveDir).exists())
        QDir().mkdir(FArchiveDir); // a failure shows up as a failed copy
    const QDateTime now = FClock();
    TPlaced placed = PlaceArchive(now.date(), [this](const QString& name) {
        switch (LinkToNewName(FLogFileName, name)) {
        case TLinkResult::Linked:
            return TPlaced::Done;
        case TLinkResult::Exists:
            return TPlaced::Taken;
        case TLinkResult::Unsupported:
            return TPlaced::Unsupported;
        default:
            return TPlaced::Failed;
        }
    });
    const int handle = FStream->Handle();
    if (placed == TPlaced::Unsupported)
        placed = PlaceArchive(now.date(), [handle](const QString& name) {
            const TCopyResult copy = CopyToNewFile(handle, name);
            return copy == TCopyResult::Copied ? TPlaced::Done
                : copy == TCopyResult::Exists  ? TPlaced::Taken
                                               : TPlaced::Failed;
        });
    if (placed != TPlaced::Done) {
        FStream->SetWritesSynced(!FSyncDeferred);
        throw ELogBackupError(kBackupFailed);
    }
    StartNewFile(now);
}

// A log someone else gave a second name (a hard link to keep it, say) is
// archived as the rotation would, so its lines stay among the log's files;
// where that fails it is written on, never dropped.
void TLogFile::ArchiveLinkedLog()
{
    const QDate today = FClock().date();
    if (!FArchiveDir.isEmpty() && !QDir(FArchiveDir).exists()) QDir().mkdir(FArchiveDir);
    TPlaced placed = PlaceArchive(today, [this](const QString& name) {
        switch (LinkToNewName(FLogFileName, name)) {
        case TLinkResult::Linked:
            return TPlaced::Done;
        case TLinkResult::Exists:
            return TPlaced::Taken;
        default:
            return TPlaced::Failed;
        }
    });
    if (placed == TPlaced::Done) FinishInterruptedArchive(FLogFileName);
}

void TLogFile::StartNewFile(const QDateTime& Now)
{
    const QByteArray live = QFile::encodeName(FLogFileName);
    FStream.reset();
    if (::unlink(live.constData()) != 0 && errno != ENOENT) throw ELogBackupError(kBackupFailed);
    try {
        FStream = std::make_unique<TLogFileStream>(FLogFileName);
    } catch (const ELogOpenError&) {
        throw ELogBackupError(kBackupFailed);
    }
    ApplySyncModes();
    DoChange();
    // The new period starts now. Where the file system keeps no creation
    // time, the new file's birth time or first line stands in for it.
    const int handle = FStream->Handle();
    SetFileCreationTime(handle, Now);
    if (!SetFileAccessAndWriteTimes(handle, Now)) throw ELogBackupError(kBackupFailed);
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
