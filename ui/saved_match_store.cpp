#include "ui/saved_match_store.h"

#include "platform/message_sink.h"
#include "settings/atomic_file.h"
#include "settings/player_files.h"
#include "ui/game_text_shown.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 kMaxFileSize = 64 * 1024;

void Report(const std::string& why, const QString& what)
{
    MessageSink().Error(QCoreApplication::translate(
        "TSavedMatchStore", "Sacuvana partija ne moze da se nastavi (%1). %2")
                            .arg(ShownGameText(why), what)
                            .toStdString());
}

} // namespace

TSavedMatchStore::TSavedMatchStore(const QString& settingsFile)
    : TSavedMatchStore(
        settingsFile, PerUserFolder(), FolderWritable(QFileInfo(settingsFile).absolutePath()))
{
}

TSavedMatchStore::TSavedMatchStore(
    const QString& settingsFile, const QString& fallbackFolder, bool folderWritable)
    : FFileName(PlayerFileName(
        settingsFile, QStringLiteral(".sav"), fallbackFolder, folderWritable, /*takeOver=*/false))
{
}

bool TSavedMatchStore::Exists() const
{
    return QFileInfo::exists(FFileName) || QFileInfo(FFileName).isSymLink();
}

bool TSavedMatchStore::Save(const TSavedMatch& match) const
{
    QByteArray old;
    std::string error;
    switch (ReadRegularFile(FFileName, kMaxFileSize, old)) {
    case TReadResult::Missing:
        break;
    case TReadResult::Read:
        if (LoadMatchText(old.toStdString(), error)) break;
        [[fallthrough]];
    default:
        return false;
    }
    return WriteFileAtomically(FFileName, QByteArray::fromStdString(SaveMatchText(match)));
}

std::optional<TSavedMatch> TSavedMatchStore::Load() const
{
    QByteArray data;
    std::string error;
    const QString& name = FFileName;
    switch (ReadRegularFile(FFileName, kMaxFileSize, data)) {
    case TReadResult::Missing:
        return std::nullopt;
    case TReadResult::NotRegular:
        Report(QT_TRANSLATE_NOOP("GameText", "to nije obican fajl"),
            QCoreApplication::translate("TSavedMatchStore", "%1 je ostavljen kakav jeste.")
                .arg(name));
        return std::nullopt;
    case TReadResult::Unreadable:
        Report(QT_TRANSLATE_NOOP("GameText", "fajl ne moze da se procita"),
            QCoreApplication::translate("TSavedMatchStore", "%1 je ostavljen kakav jeste.")
                .arg(name));
        return std::nullopt;
    case TReadResult::TooLarge:
        error = "fajl je prevelik";
        break;
    case TReadResult::Read:
        if (auto match = LoadMatchText(data.toStdString(), error)) return match;
        break;
    }
    // Set aside, never deleted: the player or a developer may want to look.
    const QString aside = SetFileAside(FFileName);
    if (aside.isEmpty())
        Report(error,
            QCoreApplication::translate(
                "TSavedMatchStore", "Fajl %1 ne moze da se skloni i ostavljen je kakav jeste.")
                .arg(name));
    else
        Report(error,
            QCoreApplication::translate("TSavedMatchStore", "Fajl je sklonjen kao %1.").arg(aside));
    return std::nullopt;
}

void TSavedMatchStore::Remove() const
{
    if (QFileInfo(FFileName).isFile()) QFile::remove(FFileName);
}
