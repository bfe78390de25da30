#include "settings/player_files.h"

#include "settings/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsRegular(const struct stat& st)
{
    return S_ISREG(st.st_mode);
}

// Whether anything at all lies at `path`, a dangling link included.
bool Taken(const QString& path)
{
    struct stat st { };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 || errno != ENOENT;
}

} // namespace

TReadResult ReadRegularFile(const QString& path, qint64 maxSize, QByteArray& data)
{
    data.clear();
    const QByteArray name = QFile::encodeName(path);
    struct stat st { };
    if (::stat(name.constData(), &st) != 0)
        return errno == ENOENT ? TReadResult::Missing : TReadResult::Unreadable;
    if (!IsRegular(st)) return TReadResult::NotRegular;
    // O_NONBLOCK: should a pipe take the file's place after the check, the
    // open returns at once and fstat refuses it.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return TReadResult::Unreadable;
    TReadResult result = TReadResult::Read;
    if (::fstat(fd, &st) != 0)
        result = TReadResult::Unreadable;
    else if (!IsRegular(st))
        result = TReadResult::NotRegular;
    else if (st.st_size > maxSize)
        result = TReadResult::TooLarge;
    while (result == TReadResult::Read) {
        char buffer[8192];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) result = TReadResult::Unreadable;
        if (n <= 0) break;
        data.append(buffer, n);
        if (data.size() > maxSize) result = TReadResult::TooLarge;
    }
    ::close(fd);
    if (result != TReadResult::Read) data.clear();
    return result;
}

QString SetFileAside(const QString& path)
{
    for (int n = 1; n <= kMaxSetAsideCopies; ++n) {
        const QString aside = path + QStringLiteral(".bad.") + QString::number(n);
        if (Taken(aside)) continue;
        // std::rename, not QFile::rename: that one falls back to copying and
        // deleting, which must never happen to a file that cannot be moved.
        if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData())
            == 0)
            return aside;
        return QString();
    }
    return QString();
}

bool FolderWritable(const QString& folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

QString PlayerFileName(const QString& settingsFile, const QString& extension,
    const QString& fallbackFolder, bool folderWritable, bool takeOver)
{
    const QFileInfo settings(settingsFile);
    const QString name = settings.completeBaseName() + extension;
    const QString beside = QDir(settings.absolutePath()).filePath(name);
    if (folderWritable) return beside;
    QDir().mkpath(fallbackFolder);
    const QString own = QDir(fallbackFolder).filePath(name);
    if (QFileInfo(own).absoluteFilePath() == QFileInfo(beside).absoluteFilePath()) return own;
    if (takeOver && QFileInfo(beside).isFile() && !Taken(own)) {
        QByteArray data;
        // Atomically: a kill during the copy must not leave a cut one.
        if (ReadRegularFile(beside, 1024 * 1024, data) == TReadResult::Read)
            WriteFileAtomically(own, data);
    }
    return own;
}

QString PerUserFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}
