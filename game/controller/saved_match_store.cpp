#include "game/controller/saved_match_store.h"

#include "platform/message_sink.h"
#include "game/controller/game_text_shown.h"

#include <QCoreApplication>

namespace {

constexpr qint64 kMaxFileSize = 64 * 1024;
const QString kExtension = QStringLiteral(".sav");

void Report(const std::string& why, const QString& what)
{
    MessageSink().Error(QCoreApplication::translate(
        "TSavedMatchStore", "Sacuvana partija ne moze da se nastavi (%1). %2")
                            .arg(ShownGameText(why), what)
                            .toStdString());
}

} // namespace

TSavedMatchStore::TSavedMatchStore(const QString& settingsFile)
    : FFile(settingsFile, kExtension, kMaxFileSize, /*takeOver=*/false)
{
}

TSavedMatchStore::TSavedMatchStore(
    const QString& settingsFile, const QString& fallbackFolder, bool folderWritable)
    : FFile(
        settingsFile, kExtension, kMaxFileSize, /*takeOver=*/false, fallbackFolder, folderWritable)
{
}

bool TSavedMatchStore::Save(const TSavedMatch& match) const
{
    std::string old, error;
    switch (FFile.Read(old)) {
    case TReadResult::Missing:
        break;
    case TReadResult::Read:
        if (LoadMatchText(old, error)) break;
        [[fallthrough]];
    default:
        return false;
    }
    return FFile.Write(SaveMatchText(match));
}

std::optional<TSavedMatch> TSavedMatchStore::Load() const
{
    std::string text, error;
    const QString name = FileName();
    switch (FFile.Read(text)) {
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
        error = QT_TRANSLATE_NOOP("GameText", "fajl je prevelik");
        break;
    case TReadResult::Read:
        if (auto match = LoadMatchText(text, error)) return match;
        break;
    }
    // Set aside, never deleted: the player or a developer may want to look.
    const QString aside = FFile.SetAside();
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
