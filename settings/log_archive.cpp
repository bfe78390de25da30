#include "settings/log_archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
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
    const QString name = QStringLiteral("%1-%2-%3.%4")
                             .arg(QFileInfo(LogFileName).fileName())
                             .arg(Today.month(), 2, 10, QLatin1Char('0'))
                             .arg(Today.year(), 4, 10, QLatin1Char('0'))
                             .arg(Number);
    return Folder.isEmpty() ? name : QDir(Folder).filePath(name);
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
