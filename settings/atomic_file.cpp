#include "settings/atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(data) != data.size() || !file.flush() || ::fsync(file.handle()) != 0)
        return false;
    if (BeforeReplaceHook()) BeforeReplaceHook()(path);
    if (!file.commit()) return false;
    SyncFolder(path);
    return true;
}

void SetBeforeReplaceHook(std::function<void(const QString& path)> hook)
{
    BeforeReplaceHook() = std::move(hook);
}
