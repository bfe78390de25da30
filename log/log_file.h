#pragma once

#include "log/log_archive.h"
#include "log/log_errors.h"
#include "log/log_file_stream.h"

#include <QDateTime>
#include <QFlags>
#include <QString>

#include <functional>
#include <memory>

enum TLogOption { logTimestamp = 1, logSource = 2, logCategory = 4, logSession = 8 };
using TLogOptions = QFlags<TLogOption>;
Q_DECLARE_OPERATORS_FOR_FLAGS(TLogOptions)

// The text with every control character (CR, LF, ESC, ...) written as
// "\xNN", so a message is always one line of plain text.
QString EscapeControls(const QString& Text);

// Appends text lines to a log file, optionally prefixed with a source, a time
// stamp and a category, marks each session's opening and closing, and moves
// the file's contents to a numbered archive when it has grown past MaxSize or,
// in the date modes, when its day, week or month is over.
class TLogFile {
public:
    using TNotifyEvent = std::function<void(TLogFile* Sender)>;

    TLogFile();
    virtual ~TLogFile(); // closes the log first
    TLogFile(const TLogFile&) = delete;
    TLogFile& operator=(const TLogFile&) = delete;

    bool AutoOpen() const { return FAutoOpen; }
    void SetAutoOpen(bool Value) { FAutoOpen = Value; }
    TLogOptions Options() const { return FOptions; }
    void SetOptions(TLogOptions Value);
    int MaxSize() const { return FMaxSize; }
    void SetMaxSize(int Value); // below 1024: ELogError
    const QString& LogFileName() const { return FLogFileName; }
    // While open: ELogError "Invalid Operation"; a name holding a NUL
    // character, which no file can have: ELogError "Invalid log file name".
    void SetLogFileName(const QString& Value);
    const QString& ArchiveDir() const { return FArchiveDir; }
    void SetArchiveDir(const QString& Value);
    TLogArchiveMode ArchiveMode() const { return FArchiveMode; }
    void SetArchiveMode(TLogArchiveMode Value);
    const QString& TimestampFormat() const { return FTimestampFormat; }
    void SetTimestampFormat(const QString& Value) { FTimestampFormat = Value; }

    TNotifyEvent OnChange; // after every write, after emptying, after a property change
    TNotifyEvent OnOpen;
    TNotifyEvent OnClose;

    void Loaded(); // opens the log when AutoOpen is set
    void Open();
    void Close();
    bool Active() const { return FStream != nullptr; }
    void Write(const QString& Text);
    void Log(const QString& Source, const QString& Category, const QString& Message);
    void Clear();

    // From DeferSync (before or after Open) until EndDeferredSync or Close,
    // each line still reaches the file at once and in order, and outlives
    // the program however it ends, but is put on the disk with the others at
    // the end rather than before its write returns: for a start-up that logs
    // before its window first shows. EndDeferredSync raises ELogWriteError
    // "Stream write error" when the disk refuses them.
    void DeferSync();
    void EndDeferredSync();
    bool SyncDeferred() const { return FSyncDeferred; }
    // Synced lines go to the disk from a thread of the stream's own rather
    // than before Write returns (TLogFileStream::SetSyncInBackground): for a
    // window whose frames must not wait for a busy disk.
    void SetSyncInBackground(bool background);

    // Where "now" comes from; tests move it to cross the date modes' thresholds.
    void SetClock(std::function<QDateTime()> Clock) { FClock = std::move(Clock); }

protected:
    virtual void CheckArchive();
    virtual void DoOpen();
    virtual void DoClose();
    virtual void DoChange();
    virtual void DoLog(const QString& Source, const QString& Category, const QString& Message);

private:
    enum class TPlaced { Done, Taken, Unsupported, Failed };
    bool ArchiveDue() const;
    QDateTime PeriodStart() const;
    void Archive();
    TPlaced PlaceArchive(const QDate& Today, const std::function<TPlaced(const QString&)>& Place);
    void StartNewFile(const QDateTime& Now);
    void ArchiveLinkedLog();
    QString SessionText(const char* Verb) const;
    // A new stream takes the log's deferred and background sync settings.
    void ApplySyncModes();

    bool FAutoOpen = false;
    bool FSyncDeferred = false;
    bool FSyncInBackground = false;
    TLogOptions FOptions = TLogOptions(logTimestamp) | logSession;
    int FMaxSize = 1048576;
    QString FLogFileName;
    QString FArchiveDir;
    TLogArchiveMode FArchiveMode = bkSize;
    QString FTimestampFormat = QStringLiteral("dd/mmm/yyyy hh:nn:ss ");
    std::unique_ptr<TLogFileStream> FStream;
    // The next archive number to try for the archive names FArchiveKey
    // stands for (the log, the folder and the month), so a month with many
    // archives is not searched from 1 again at every archive.
    QString FArchiveKey;
    int FNextArchive = 1;
    std::function<QDateTime()> FClock = [] { return QDateTime::currentDateTime(); };
};
