#include "settings/player_text_file.h"

#include "settings/atomic_file.h"

#include <QFile>
#include <QFileInfo>

TPlayerTextFile::TPlayerTextFile(
    const QString& settingsFile, const QString& extension, qint64 maxSize, bool takeOver)
    : TPlayerTextFile(settingsFile, extension, maxSize, takeOver, PerUserFolder(),
        FolderWritable(QFileInfo(settingsFile).absolutePath()))
{
}

TPlayerTextFile::TPlayerTextFile(const QString& settingsFile, const QString& extension,
    qint64 maxSize, bool takeOver, const QString& fallbackFolder, bool folderWritable)
    : FFileName(PlayerFileName(settingsFile, extension, fallbackFolder, folderWritable, takeOver))
    , FMaxSize(maxSize)
{
}

bool TPlayerTextFile::Exists() const
{
    return QFileInfo::exists(FFileName) || QFileInfo(FFileName).isSymLink();
}

TReadResult TPlayerTextFile::Read(std::string& text) const
{
    QByteArray data;
    const TReadResult result = ReadRegularFile(FFileName, FMaxSize, data);
    text = data.toStdString();
    return result;
}

QString TPlayerTextFile::SetAside() const
{
    return SetFileAside(FFileName);
}

bool TPlayerTextFile::Write(const std::string& text) const
{
    return WriteFileAtomically(FFileName, QByteArray::fromStdString(text));
}

void TPlayerTextFile::Remove() const
{
    if (QFileInfo(FFileName).isFile()) QFile::remove(FFileName);
}
