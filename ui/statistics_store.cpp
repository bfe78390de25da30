#include "ui/statistics_store.h"

#include "platform/message_sink.h"
#include "settings/atomic_file.h"
#include "settings/player_files.h"
#include "ui/game_text_shown.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Twice what the statistics' own reader accepts, so a file just over its
// limit is still read and refused by it rather than cut here.
constexpr qint64 kMaxFileSize = 32 * 1024;

} // namespace

TStatisticsStore::TStatisticsStore(const QString& settingsFile)
    : TStatisticsStore(
        settingsFile, PerUserFolder(), FolderWritable(QFileInfo(settingsFile).absolutePath()))
{
}

TStatisticsStore::TStatisticsStore(
    const QString& settingsFile, const QString& fallbackFolder, bool folderWritable)
    : FFileName(PlayerFileName(
        settingsFile, QStringLiteral(".stat"), fallbackFolder, folderWritable, /*takeOver=*/true))
{
}

TMatchStatistics& TStatisticsStore::Statistics()
{
    if (!FLoaded) Load();
    return FStatistics;
}

void TStatisticsStore::Load()
{
    FLoaded = true;
    QByteArray data;
    std::string error = "fajl je prevelik";
    switch (ReadRegularFile(FFileName, kMaxFileSize, data)) {
    case TReadResult::Missing:
        return;
    case TReadResult::NotRegular:
    case TReadResult::Unreadable:
        // Perhaps only for now: leave the file alone and keep it from being
        // overwritten by this session's few numbers.
        FWritable = false;
        MessageSink().Error(QCoreApplication::translate("TStatisticsStore",
            "Statistika ne moze da se procita iz %1. Fajl je ostavljen kakav "
            "jeste, a statistika ove igre se ne cuva.")
                                .arg(FFileName)
                                .toStdString());
        return;
    case TReadResult::TooLarge:
        break;
    case TReadResult::Read:
        if (auto loaded = TMatchStatistics::LoadText(data.toStdString(), error)) {
            FStatistics = *loaded;
            return;
        }
        break;
    }
    SetAside(error);
}

bool TStatisticsStore::SetAside(const std::string& why)
{
    // Kept, not deleted: the numbers may still be read by hand.
    const QString aside = SetFileAside(FFileName);
    if (!aside.isEmpty()) {
        MessageSink().Error(QCoreApplication::translate("TStatisticsStore",
            "Statistika je ostecena (%1). Fajl je sklonjen kao %2, a statistika krece od nule.")
                                .arg(ShownGameText(why), aside)
                                .toStdString());
        return true;
    }
    FWritable = false;
    MessageSink().Error(QCoreApplication::translate("TStatisticsStore",
        "Statistika je ostecena (%1) i ne moze da se skloni. Fajl %2 je "
        "ostavljen kakav jeste, a statistika ove igre se ne cuva.")
                            .arg(ShownGameText(why), FFileName)
                            .toStdString());
    return false;
}

void TStatisticsStore::Record(const TMatchEvent& event)
{
    Statistics().Record(event);
    Save();
}

bool TStatisticsStore::Reset()
{
    Statistics().Reset();
    return Save();
}

bool TStatisticsStore::Save()
{
    if (!FLoaded) Load();
    if (!FWritable) return false;
    if (WriteFileAtomically(FFileName, QByteArray::fromStdString(FStatistics.SaveText())))
        return true;
    // Once per session: a full disk would otherwise repeat it after every hand.
    if (!FFailureShown) {
        FFailureShown = true;
        MessageSink().Error(QCoreApplication::translate(
            "TStatisticsStore", "Statistika nije mogla da se sacuva u %1.")
                                .arg(FFileName)
                                .toStdString());
    }
    return false;
}
