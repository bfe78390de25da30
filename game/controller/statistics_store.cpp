#include "game/controller/statistics_store.h"

#include "platform/message_sink.h"

namespace {

// Twice what the statistics' own reader accepts, so a file just over its
// limit is still read and refused by it rather than cut here.
constexpr qint64 kMaxFileSize = 32 * 1024;
const QString kExtension = QStringLiteral(".stat");

} // namespace

TStatisticsStore::TStatisticsStore(const QString& settingsFile)
    : FFile(settingsFile, kExtension, kMaxFileSize, /*takeOver=*/true)
{
}

TStatisticsStore::TStatisticsStore(
    const QString& settingsFile, const QString& fallbackFolder, bool folderWritable)
    : FFile(
        settingsFile, kExtension, kMaxFileSize, /*takeOver=*/true, fallbackFolder, folderWritable)
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
        MessageSink().Error("Statistika ne moze da se procita iz " + FileName().toStdString()
            + ". Fajl je ostavljen kakav jeste, a statistika ove igre se ne cuva.");
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
        MessageSink().Error("Statistika je ostecena (" + why + "). Fajl je sklonjen kao "
            + aside.toStdString() + ", a statistika krece od nule.");
        return true;
    }
    FWritable = false;
    MessageSink().Error("Statistika je ostecena (" + why + ") i ne moze da se skloni. Fajl "
        + FileName().toStdString()
        + " je ostavljen kakav jeste, a statistika ove igre se ne cuva.");
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
        MessageSink().Error(
            "Statistika nije mogla da se sacuva u " + FileName().toStdString() + ".");
    }
    return false;
}
