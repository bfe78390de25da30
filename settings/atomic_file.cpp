#include "settings/atomic_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace {

std::function<void(const QString&)>& BeforeReplaceHook()
{
    static std::function<void(const QString&)> hook;
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

} // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& data)
{
    RemoveStaleTemporaries(path);
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(data) != data.size() || !file.flush() || ::fsync(file.handle()) != 0)
        return false;
    if (BeforeReplaceHook()) BeforeReplaceHook()(path);
    if (!file.commit()) return false;
    SyncFolder(path);
    return true;
}

int RemoveStaleTemporaries(const QString& path, int minAgeSeconds)
{
    const QFileInfo target(path);
    const QString prefix = target.fileName() + '.';
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-minAgeSeconds);
    int removed = 0;
    const QStringList names
        = target.dir().entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString& name : names) {
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix)) continue;
        const QFileInfo file(target.dir().filePath(name));
        const QString suffix = name.mid(prefix.size());
        const bool tempName = std::all_of(suffix.begin(), suffix.end(),
            [](QChar c) { return c.isDigit() || (c.isLetter() && c.unicode() < 128); });
        if (tempName && file.lastModified().toUTC() < before && QFile::remove(file.filePath()))
            ++removed;
    }
    return removed;
}

void SetBeforeReplaceHook(std::function<void(const QString& path)> hook)
{
    BeforeReplaceHook() = std::move(hook);
}
