#include "game/controller/statistics_store.h"

#include "platform/message_sink.h"
#include "game/controller/game_text_shown.h"

#include <QCoreApplication>

namespace {

// Twice what the statistics' own reader accepts, so a file just over its
// limit is still read and refused by it rather than cut here.
constexpr qint64 kMaxFileSize = 32 * 1024;

} // namespace

TStatisticsStore::TStatisticsStore(const QString& settingsFile, const QString& extension)
    : FFile(settingsFile, extension, kMaxFileSize, /*takeOver=*/true)
{
}

TStatisticsStore::TStatisticsStore(const QString& settingsFile, const QString& fallbackFolder,
    bool folderWritable, const QString& extension)
    : FFile(
        settingsFile, extension, kMaxFileSize, /*takeOver=*/true, fallbackFolder, folderWritable)
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
    std::string text, error = "fajl je prevelik";
    switch (FFile.Read(text)) {
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
                                .arg(FileName())
                                .toStdString());
        return;
    case TReadResult::TooLarge:
        break;
    case TReadResult::Read:
        if (auto loaded = TMatchStatistics::LoadText(text, error)) {
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
    const QString aside = FFile.SetAside();
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
                            .arg(ShownGameText(why), FileName())
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
    if (FFile.Write(FStatistics.SaveText())) return true;
    // Once per session: a full disk would otherwise repeat it after every hand.
    if (!FFailureShown) {
        FFailureShown = true;
        MessageSink().Error(QCoreApplication::translate(
            "TStatisticsStore", "Statistika nije mogla da se sacuva u %1.")
                                .arg(FileName())
                                .toStdString());
    }
    return false;
}
