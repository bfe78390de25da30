#include "settings/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString ChooseProgramFileName(
    const QString& ProgramPath, const QString& Extension, const QString& FallbackFolder)
{
    const QFileInfo program(ProgramPath);
    const QString name = program.completeBaseName() + Extension;
    const QFileInfo folder(program.absolutePath());
    if (folder.isDir() && folder.isWritable())
        return QDir(folder.absoluteFilePath()).filePath(name);
    QDir().mkpath(FallbackFolder);
    return QDir(FallbackFolder).filePath(name);
}

QString ProgramFileName(const QString& Extension)
{
    return ChooseProgramFileName(QCoreApplication::applicationFilePath(), Extension,
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}
