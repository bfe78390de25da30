#include "ui/statistics_store.h"

#include "platform/message_sink.h"
#include "settings/atomic_file.h"
#include "settings/player_files.h"

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
        MessageSink().Error("Statistika ne moze da se procita iz " + FFileName.toStdString()
            + ". Fajl je ostavljen kakav jeste, a statistika ove igre se ne cuva.");
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
        MessageSink().Error("Statistika je ostecena (" + why + "). Fajl je sklonjen kao "
            + aside.toStdString() + ", a statistika krece od nule.");
        return true;
    }
    FWritable = false;
    MessageSink().Error("Statistika je ostecena (" + why + ") i ne moze da se skloni. Fajl "
        + FFileName.toStdString() + " je ostavljen kakav jeste, a statistika ove igre se ne cuva.");
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
        MessageSink().Error(
            "Statistika nije mogla da se sacuva u " + FFileName.toStdString() + ".");
    }
    return false;
}
