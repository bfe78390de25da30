#include "settings/log_file_stream.h"

#include "settings/log_errors.h"

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

namespace {

// A special file (a terminal, /dev/null) has nothing to put on a disk.
bool SyncToDisk(int handle)
{
    return ::fdatasync(handle) == 0 || errno == EINVAL;
}

} // namespace

TLogFileStream::~TLogFileStream()
{
    if (!FWritesSynced) SyncToDisk(FHandle);
    ::close(FHandle);
}

bool TLogFileStream::SetWritesSynced(bool synced)
{
    const bool was = std::exchange(FWritesSynced, synced);
    return !synced || was || SyncToDisk(FHandle);
}

qint64 TLogFileStream::Size() const
{
    struct stat info { };
    return ::fstat(FHandle, &info) == 0 ? qint64(info.st_size) : -1;
}

bool TLogFileStream::Write(const QByteArray& Data)
{
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
    if (FWritesSynced && !SyncToDisk(FHandle)) {
        if (before >= 0) (void)::ftruncate(FHandle, before);
        return false;
    }
    return true;
}

bool TLogFileStream::Clear()
{
    return ::lseek(FHandle, 0, SEEK_SET) == 0 && ::ftruncate(FHandle, 0) == 0;
}
