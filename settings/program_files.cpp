#include "settings/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString BesideProgram(const QString& ProgramPath, const QString& Extension)
{
    const QFileInfo program(ProgramPath);
    return QDir(program.absolutePath()).filePath(program.completeBaseName() + Extension);
}

bool FolderWritable(const QString& ProgramPath)
{
    const QFileInfo folder(QFileInfo(ProgramPath).absolutePath());
    return folder.isDir() && folder.isWritable();
}

QString InFallback(const QString& FallbackFolder, const QString& name)
{
    QDir().mkpath(FallbackFolder);
    return QDir(FallbackFolder).filePath(name);
}

} // namespace

QString ChooseProgramFileName(
    const QString& ProgramPath, const QString& Extension, const QString& FallbackFolder)
{
    const QString beside = BesideProgram(ProgramPath, Extension);
    if (FolderWritable(ProgramPath)) return beside;
    return InFallback(FallbackFolder, QFileInfo(beside).fileName());
}

QString ChooseSettingsFileName(
    const QString& ProgramPath, const QString& FallbackFolder, bool FolderWritable)
{
    const QFileInfo beside(BesideProgram(ProgramPath, QStringLiteral(".ini")));
    if (FolderWritable || (beside.isFile() && beside.isWritable())) return beside.filePath();
    const QString own = InFallback(FallbackFolder, beside.fileName());
    if (beside.isFile() && !QFileInfo::exists(own)) QFile::copy(beside.filePath(), own);
    return own;
}

QString ProgramFileName(const QString& Extension)
{
    const QString program = QCoreApplication::applicationFilePath();
    const QString fallback = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (Extension == QLatin1String(".ini"))
        return ChooseSettingsFileName(program, fallback, FolderWritable(program));
    return ChooseProgramFileName(program, Extension, fallback);
}
