#include "settings/writer_lock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kPollMs = 5;

} // namespace

TWriterLock::TWriterLock(const QString& file, int waitMs)
{
    const QByteArray path = QFile::encodeName(file + QStringLiteral(".lock"));
    // Without blocking, and never through a pipe or a device put in its place.
    const int handle = ::open(path.constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    if (handle < 0) return;
    struct stat info { };
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(handle);
        return;
    }
    const QDeadlineTimer deadline(waitMs);
    while (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        if (deadline.hasExpired()) {
            ::close(handle);
            return;
        }
        QThread::msleep(kPollMs);
    }
    FHandle = handle;
}

TWriterLock::~TWriterLock()
{
    // Closing lets go of the lock; the file stays for the next writer.
    if (FHandle >= 0) ::close(FHandle);
}
