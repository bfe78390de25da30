#include "log/log_file_stream.h"

#include "log/disk_syncer.h"
#include "log/log_errors.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

TLogFileStream::TLogFileStream(const QString& FileName)
{
    // O_APPEND keeps every write at the end even when another program writes
    // to the same file. Each write is put on the disk by Write itself, so
    // that can wait while the writes are not synced.
    const QByteArray path = QFile::encodeName(FileName);
    FHandle = ::open(path.constData(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (FHandle < 0 || ::lseek(FHandle, 0, SEEK_END) < 0) {
        if (FHandle >= 0) ::close(FHandle);
        throw ELogOpenError(
            QStringLiteral("Could not open log file \"%1\"").arg(FileName).toStdString());
    }
}

TLogFileStream::~TLogFileStream()
{
    FSyncer.reset(); // its last sync first
    if (!FWritesSynced) SyncFileToDisk(FHandle);
    ::close(FHandle);
}

bool TLogFileStream::SetWritesSynced(bool synced)
{
    const bool was = std::exchange(FWritesSynced, synced);
    if (!synced) return true;
    if (FSyncer) {
        FSyncer->Drain();
        if (FSyncer->TakeFailure()) return false;
    }
    return was || SyncFileToDisk(FHandle);
}

void TLogFileStream::SetSyncInBackground(bool background)
{
    if (!background)
        FSyncer.reset();
    else if (!FSyncer)
        FSyncer = std::make_unique<TDiskSyncer>(FHandle);
}

qint64 TLogFileStream::Size() const
{
    struct stat info { };
    return ::fstat(FHandle, &info) == 0 ? qint64(info.st_size) : -1;
}

bool TLogFileStream::Write(const QByteArray& Data)
{
    // An earlier line that did not reach the disk fails this write.
    if (FSyncer && FSyncer->TakeFailure()) return false;
    const qint64 before = Size();
    qsizetype done = 0;
    while (done < Data.size()) {
        const ssize_t n = ::write(FHandle, Data.constData() + done, size_t(Data.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (done > 0 && before >= 0) (void)::ftruncate(FHandle, before);
            return false;
        }
        done += n;
    }
    if (!FWritesSynced) return true;
    if (FSyncer) {
        FSyncer->Request();
        return true;
    }
    if (!SyncFileToDisk(FHandle)) {
        if (before >= 0) (void)::ftruncate(FHandle, before);
        return false;
    }
    return true;
}

bool TLogFileStream::Clear()
{
    return ::lseek(FHandle, 0, SEEK_SET) == 0 && ::ftruncate(FHandle, 0) == 0;
}
