#include "settings/atomic_file.h"

#include "settings/write_journal.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

const QString kTemporaryMark = QStringLiteral(".zaviko-tmp-");

std::function<void(const QString&)>& BeforeReplaceHook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

std::function<bool(const QString&)>& NewFilesRefusedHook()
{
    static std::function<bool(const QString&)> hook;
    return hook;
}

// The rename is only durable once the folder's entry has reached the disk too.
void SyncFolder(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The file the write lands in: `path` itself, or the regular file a link at
// `path` points to. Nothing for a link that leads nowhere and for anything
// but a regular file (a pipe would block, a device would take the data).
std::optional<QString> WriteTarget(
    const QString& path, struct stat& st, bool& exists, QString& reason)
{
    QString target = QFileInfo(path).absoluteFilePath();
    if (QFileInfo(path).isSymLink()) {
        target = QFileInfo(path).canonicalFilePath();
        if (target.isEmpty())
            return reason = QStringLiteral("it is a link to nothing"), std::nullopt;
    }
    exists = ::stat(QFile::encodeName(target).constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return reason = QStringLiteral("it is a folder"), std::nullopt;
    if (exists && !S_ISREG(st.st_mode))
        return reason = QStringLiteral("it is not a regular file"), std::nullopt;
    if (!exists && errno != ENOENT) return reason = SystemError(), std::nullopt;
    return target;
}

// A second name for the old file, so `target` holds a whole file at every
// moment: moving it aside first would leave none at all if the program died
// before the new one took its place. Where links are refused, a copy.
void KeepFirstBackup(const QString& target, const QString& suffix)
{
    const QString backup = target + suffix;
    struct stat st { };
    if (::lstat(QFile::encodeName(backup).constData(), &st) == 0) return;
    if (::link(QFile::encodeName(target).constData(), QFile::encodeName(backup).constData()) != 0)
        QFile::copy(target, backup);
}

// Removes the temporary file unless it has been renamed into place, also when
// the test hook throws.
class TTemporary {
public:
    TTemporary(const QString& target, bool refused)
        : FName(QFile::encodeName(TemporaryPattern(target)))
    {
        if (!refused) FFd = ::mkostemp(FName.data(), O_CLOEXEC);
    }
    ~TTemporary()
    {
        if (FFd >= 0) ::close(FFd);
        if (FFd >= 0 && !FRenamed) ::unlink(FName.constData());
    }
    TTemporary(const TTemporary&) = delete;
    TTemporary& operator=(const TTemporary&) = delete;
    int Fd() const { return FFd; }
    bool RenameTo(const QString& target)
    {
        FRenamed = std::rename(FName.constData(), QFile::encodeName(target).constData()) == 0;
        return FRenamed;
    }

private:
    QByteArray FName;
    int FFd = -1;
    bool FRenamed = false;
};

} // namespace

bool WriteAllSynced(int fd, const QByteArray& data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return ::fsync(fd) == 0;
}

QString TemporaryPattern(const QString& path)
{
    return QFileInfo(path).absoluteFilePath() + kTemporaryMark + QStringLiteral("XXXXXX");
}

bool WriteFileAtomically(const QString& path, const QByteArray& data, TInPlace inPlace)
{
    QString reason;
    return WriteFileAtomically(path, data, TAtomicWrite { inPlace, QString(), QString() }, reason);
}

bool WriteFileAtomically(
    const QString& path, const QByteArray& data, const TAtomicWrite& how, QString& reason)
{
    struct stat st { };
    bool exists = false;
    const std::optional<QString> target = WriteTarget(path, st, exists, reason);
    if (!target) return false;
    RemoveStaleTemporaries(*target);
    const bool refusedByHook = NewFilesRefusedHook() && NewFilesRefusedHook()(*target);
    TTemporary temp(*target, refusedByHook);
    if (temp.Fd() < 0) {
        const int error = refusedByHook ? EACCES : errno;
        reason = QString::fromLocal8Bit(std::strerror(error));
        const bool folderRefused = error == EACCES || error == EPERM || error == EROFS;
        return folderRefused && exists && how.inPlace == TInPlace::Allow
            && WriteThroughJournal(*target, data, how.journalFolder, reason);
    }
    // The new file keeps the old one's permissions.
    if (::fchmod(temp.Fd(), exists ? (st.st_mode & 07777) : 0644) != 0
        || !WriteAllSynced(temp.Fd(), data))
        return reason = SystemError(), false;
    if (BeforeReplaceHook()) BeforeReplaceHook()(path);
    if (exists && !how.backupSuffix.isEmpty()) KeepFirstBackup(*target, how.backupSuffix);
    if (!temp.RenameTo(*target)) return reason = SystemError(), false;
    SyncFolder(*target);
    return true;
}

int RemoveStaleTemporaries(const QString& path, int minAgeSeconds)
{
    const QFileInfo target(path);
    const QString prefix = target.fileName() + kTemporaryMark;
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-minAgeSeconds);
    int removed = 0;
    const QStringList names = target.dir().entryList({ prefix + QStringLiteral("??????") },
        QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString& name : names) {
        const QString suffix = name.mid(prefix.size());
        const bool tempName = std::all_of(suffix.begin(), suffix.end(),
            [](QChar c) { return c.unicode() < 128 && c.isLetterOrNumber(); });
        const QFileInfo file(target.dir().filePath(name));
        if (tempName && !file.isSymLink() && file.isFile() && file.lastModified().toUTC() < before
            && QFile::remove(file.filePath()))
            ++removed;
    }
    return removed;
}

void SetBeforeReplaceHook(std::function<void(const QString& path)> hook)
{
    BeforeReplaceHook() = std::move(hook);
}

void SetNewFilesRefusedHook(std::function<bool(const QString& target)> hook)
{
    NewFilesRefusedHook() = std::move(hook);
}
