#include "ui/statistics_store.h"

#include "platform/message_sink.h"
#include "settings/atomic_file.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Twice what the statistics' own reader accepts, so a file just over its
// limit is still read and refused by it rather than cut here.
constexpr qint64 kMaxFileSize = 32 * 1024;

} // namespace

TStatisticsStore::TStatisticsStore(const QString& settingsFile)
{
    const QFileInfo info(settingsFile);
    FFileName = info.absolutePath() + '/' + info.completeBaseName() + QStringLiteral(".stat");
}

TMatchStatistics& TStatisticsStore::Statistics()
{
    if (!FLoaded) Load();
    return FStatistics;
}

void TStatisticsStore::Load()
{
    FLoaded = true;
    QFile file(FFileName);
    if (!file.exists()) return;
    if (!file.open(QIODevice::ReadOnly)) {
        // Perhaps only for now: leave the file alone and keep it from being
        // overwritten by this session's few numbers.
        FWritable = false;
        MessageSink().Error("Statistika ne moze da se procita iz " + FFileName.toStdString()
            + ". Fajl je ostavljen kakav jeste, a statistika ove igre se ne cuva.");
        return;
    }
    std::string error = "the file is too large";
    if (file.size() <= kMaxFileSize) {
        const std::string text = file.read(kMaxFileSize + 1).toStdString();
        if (auto loaded = TMatchStatistics::LoadText(text, error)) {
            FStatistics = *loaded;
            return;
        }
    }
    file.close();
    SetAside(error);
}

bool TStatisticsStore::SetAside(const std::string& why)
{
    // Kept, not deleted: the numbers may still be read by hand.
    const QString aside = FFileName + QStringLiteral(".bad");
    QFile::remove(aside);
    if (QFile::rename(FFileName, aside)) {
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
