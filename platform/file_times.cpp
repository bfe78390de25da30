#include "platform/file_times.h"

#include <QByteArray>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace {

constexpr const char* kCreationAttribute = "user.creation_time";
bool gAttributes = true, gBirthTime = true;

std::optional<QDateTime> RecordedCreationTime(int fd)
{
    if (!gAttributes) return std::nullopt;
    char buffer[32];
    const ssize_t length = fgetxattr(fd, kCreationAttribute, buffer, sizeof buffer - 1);
    if (length <= 0) return std::nullopt;
    bool ok = false;
    const qint64 ms = QByteArray(buffer, int(length)).toLongLong(&ok);
    if (!ok) return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

std::optional<QDateTime> BirthTime(int fd)
{
    if (!gBirthTime) return std::nullopt;
    struct statx info { };
    if (statx(fd, "", AT_EMPTY_PATH, STATX_BTIME, &info) != 0 || !(info.stx_mask & STATX_BTIME))
        return std::nullopt;
    const qint64 ms = qint64(info.stx_btime.tv_sec) * 1000 + info.stx_btime.tv_nsec / 1000000;
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

timespec ToTimespec(const QDateTime& time)
{
    const qint64 ms = time.toMSecsSinceEpoch();
    return timespec { time_t(ms / 1000), long(ms % 1000) * 1000000 };
}

} // namespace

std::optional<QDateTime> FileCreationTime(int fd)
{
    if (auto recorded = RecordedCreationTime(fd)) return recorded;
    return BirthTime(fd);
}

bool SetFileCreationTime(int fd, const QDateTime& time)
{
    if (!gAttributes) return false;
    const QByteArray text = QByteArray::number(time.toMSecsSinceEpoch());
    return fsetxattr(fd, kCreationAttribute, text.constData(), size_t(text.size()), 0) == 0;
}

std::optional<QDateTime> FileWriteTime(int fd)
{
    struct stat info { };
    if (fstat(fd, &info) != 0) return std::nullopt;
    const qint64 ms = qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

bool SetFileAccessAndWriteTimes(int fd, const QDateTime& time)
{
    const timespec times[2] = { ToTimespec(time), ToTimespec(time) };
    return futimens(fd, times) == 0;
}

void SetFileTimeSources(bool Attributes, bool BirthTime)
{
    gAttributes = Attributes;
    gBirthTime = BirthTime;
}
