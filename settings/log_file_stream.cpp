#include "settings/log_file_stream.h"

#include "settings/log_errors.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TLogFileStream::TLogFileStream(const QString& FileName)
{
    // O_APPEND keeps every write at the end even when another program writes
    // to the same file; O_DSYNC makes each write reach the disk before it returns.
    const QByteArray path = QFile::encodeName(FileName);
    FHandle = ::open(path.constData(), O_RDWR | O_CREAT | O_APPEND | O_DSYNC | O_CLOEXEC, 0666);
    if (FHandle < 0 || ::lseek(FHandle, 0, SEEK_END) < 0) {
        if (FHandle >= 0) ::close(FHandle);
        throw ELogOpenError(
            QStringLiteral("Could not open log file \"%1\"").arg(FileName).toStdString());
    }
}

TLogFileStream::~TLogFileStream()
{
    ::close(FHandle);
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
    return true;
}

bool TLogFileStream::Clear()
{
    return ::lseek(FHandle, 0, SEEK_SET) == 0 && ::ftruncate(FHandle, 0) == 0;
}
