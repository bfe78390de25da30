#include "log/log_archive.h"

#include "log/timestamp_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool PeriodPassed(TLogArchiveMode Mode, const QDate& Created, const QDate& Today)
{
    const qint64 days = Created.daysTo(Today);
    switch (Mode) {
    case bkDaily:
        return days > 0;
    case bkWeekly:
        return days > 6;
    case bkMonthly:
        return days >= Today.daysInMonth();
    default:
        return false;
    }
}

QString ArchiveName(
    const QString& LogFileName, const QString& Folder, const QDate& Today, int Number)
{
    // Joined, not arg()-chained: a "%1" in the log's name is part of the name.
    const QFileInfo log(LogFileName);
    const QString name = log.fileName() + '-'
        + QStringLiteral("%1").arg(Today.month(), 2, 10, QLatin1Char('0')) + '-'
        + QStringLiteral("%1").arg(Today.year(), 4, 10, QLatin1Char('0')) + '.'
        + QString::number(Number);
    if (!Folder.isEmpty()) return QDir(Folder).filePath(name);
    return LogFileName.left(LogFileName.size() - log.fileName().size()) + name;
}

namespace {

bool CopyContents(int source, int target)
{
    char buffer[64 * 1024];
    off_t offset = 0;
    for (;;) {
        const ssize_t n = ::pread(source, buffer, sizeof buffer, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return ::fsync(target) == 0;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(target, buffer + done, size_t(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) return false;
            done += w;
        }
        offset += n;
    }
}

} // namespace

TCopyResult CopyToNewFile(int SourceHandle, const QString& Target)
{
    // O_EXCL makes "does it exist" and "create it" one step, so not even a
    // program racing us can have its file overwritten.
    const QByteArray path = QFile::encodeName(Target);
    const int target = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (target < 0) return errno == EEXIST ? TCopyResult::Exists : TCopyResult::Failed;
    const bool copied = CopyContents(SourceHandle, target);
    if (::close(target) != 0 || !copied) {
        QFile::remove(Target);
        return TCopyResult::Failed;
    }
    return TCopyResult::Copied;
}

TLinkResult LinkToNewName(const QString& Source, const QString& Target)
{
    const QByteArray from = QFile::encodeName(Source), to = QFile::encodeName(Target);
    if (::link(from.constData(), to.constData()) == 0) return TLinkResult::Linked;
    switch (errno) {
    case EEXIST:
        return TLinkResult::Exists;
    case EXDEV:
    case EPERM:
    case EOPNOTSUPP:
    case EMLINK:
        return TLinkResult::Unsupported;
    default:
        return TLinkResult::Failed;
    }
}

TLiveLinks LiveLogLinks(const QString& LogFileName, const QString& ArchiveFolder)
{
    struct stat live { };
    if (::lstat(QFile::encodeName(LogFileName).constData(), &live) != 0 || !S_ISREG(live.st_mode)
        || live.st_nlink < 2)
        return TLiveLinks::Single;
    const QString folder
        = ArchiveFolder.isEmpty() ? QFileInfo(LogFileName).absolutePath() : ArchiveFolder;
    const QStringList names = QDir(folder).entryList(
        { QFileInfo(LogFileName).fileName() + QStringLiteral("-*") }, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        struct stat other { };
        if (::lstat(QFile::encodeName(QDir(folder).filePath(name)).constData(), &other) == 0
            && other.st_ino == live.st_ino && other.st_dev == live.st_dev)
            return TLiveLinks::Archived;
    }
    return TLiveLinks::Foreign;
}

void FinishInterruptedArchive(const QString& LogFileName)
{
    ::unlink(QFile::encodeName(LogFileName).constData());
}

std::optional<QDateTime> FirstLineTime(int Handle, const QString& TimestampFormat)
{
    char buffer[512];
    const ssize_t n = ::pread(Handle, buffer, sizeof buffer, 0);
    if (n <= 0) return std::nullopt;
    QString text = QString::fromUtf8(buffer, n);
    while (text.startsWith('\r') || text.startsWith('\n'))
        text.remove(0, 1);
    const QLatin1String opened("*** Log fajl otvoren ");
    if (text.startsWith(opened)) text.remove(0, opened.size());
    return ParseTimestamp(TimestampFormat, text);
}
