#include "game/controller/statistics_store.h"

#include "platform/message_sink.h"
#include "game/controller/game_text_shown.h"
#include "settings/writer_lock.h"

#include <QCoreApplication>

namespace {

// Twice what the statistics' own reader accepts, so a file just over its
// limit is still read and refused by it rather than cut here.
constexpr qint64 kMaxFileSize = 32 * 1024;
// Another writer holds the lock for one read and one write of a small file.
// Waited on the GUI thread: a writer that holds it longer is stuck, and the
// counts wait for the next save instead.
constexpr int kLockWaitMs = 1000;

QString Text(const char* source)
{
    return QCoreApplication::translate("TStatisticsStore", source);
}

} // namespace

TStatisticsStore::TStatisticsStore(const QString& settingsFile, const QString& extension)
    : FFile(settingsFile, extension, kMaxFileSize, /*takeOver=*/true)
    , FUndo(extension == kUndoExtension)
{
}

TStatisticsStore::TStatisticsStore(const QString& settingsFile, const QString& fallbackFolder,
    bool folderWritable, const QString& extension)
    : FFile(
        settingsFile, extension, kMaxFileSize, /*takeOver=*/true, fallbackFolder, folderWritable)
    , FUndo(extension == kUndoExtension)
{
}

QString TStatisticsStore::Subject() const
{
    return FUndo
        ? Text(QT_TRANSLATE_NOOP("TStatisticsStore", "Statistika partija sa vracenim potezom"))
        : Text(QT_TRANSLATE_NOOP("TStatisticsStore", "Statistika"));
}

TMatchStatistics& TStatisticsStore::Statistics()
{
    if (!FLoaded) Load();
    return FStatistics;
}

void TStatisticsStore::Load()
{
    FLoaded = true;
    FStatistics = ReadFile().value_or(TMatchStatistics());
}

std::optional<TMatchStatistics> TStatisticsStore::ReadFile()
{
    std::string text, error = "fajl je prevelik";
    switch (FFile.Read(text)) {
    case TReadResult::Missing:
        return TMatchStatistics();
    case TReadResult::NotRegular:
    case TReadResult::Unreadable:
        // Perhaps only for now: leave the file alone and keep it from being
        // overwritten by this session's few numbers.
        FWritable = false;
        MessageSink().Error(
            Text(QT_TRANSLATE_NOOP("TStatisticsStore",
                     "%1 ne moze da se procita iz %2. Fajl je ostavljen kakav jeste, a "
                     "statistika ove igre se ne cuva."))
                .arg(Subject(), FileName())
                .toStdString());
        return std::nullopt;
    case TReadResult::TooLarge:
        break;
    case TReadResult::Read:
        if (auto loaded = TMatchStatistics::LoadText(text, error)) return loaded;
        break;
    }
    if (SetAside(error)) return TMatchStatistics();
    return std::nullopt;
}

bool TStatisticsStore::SetAside(const std::string& why)
{
    // Kept, not deleted: the numbers may still be read by hand.
    const QString aside = FFile.SetAside();
    if (!aside.isEmpty()) {
        MessageSink().Error(Text(QT_TRANSLATE_NOOP("TStatisticsStore",
                                     "%1 u %2 je ostecena (%3). Fajl je sklonjen kao %4, a ta "
                                     "statistika krece od nule."))
                                .arg(Subject(), FileName(), ShownGameText(why), aside)
                                .toStdString());
        return true;
    }
    FWritable = false;
    MessageSink().Error(
        Text(QT_TRANSLATE_NOOP("TStatisticsStore",
                 "%1 u %2 je ostecena (%3) i ne moze da se skloni. Fajl je ostavljen "
                 "kakav jeste, a ta statistika se u ovoj igri ne cuva."))
            .arg(Subject(), FileName(), ShownGameText(why))
            .toStdString());
    return false;
}

void TStatisticsStore::Record(const TMatchEvent& event)
{
    Statistics().Record(event);
    FUnsaved.Record(event);
    Save();
}

bool TStatisticsStore::Reset()
{
    Statistics().Reset();
    FUnsaved.Reset();
    FResetUnsaved = true;
    return Save();
}

bool TStatisticsStore::Save()
{
    if (!FLoaded) Load();
    if (!FWritable) return false;
    const TWriterLock lock(FileName(), kLockWaitMs);
    if (!lock.Held()) return WriteFailed();
    std::optional<TMatchStatistics> now
        = FResetUnsaved ? std::optional(TMatchStatistics()) : ReadFile();
    if (!now) return false;
    now->Add(FUnsaved);
    if (!FFile.Write(now->SaveText())) return WriteFailed();
    FStatistics = *now;
    FUnsaved.Reset();
    FResetUnsaved = false;
    return true;
}

bool TStatisticsStore::WriteFailed()
{
    // Once per session: a full disk would otherwise repeat it after every hand.
    if (!FFailureShown) {
        FFailureShown = true;
        MessageSink().Error(
            Text(QT_TRANSLATE_NOOP("TStatisticsStore", "%1 nije mogla da se sacuva u %2."))
                .arg(Subject(), FileName())
                .toStdString());
    }
    return false;
}
