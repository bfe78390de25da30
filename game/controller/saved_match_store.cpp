#include "game/controller/saved_match_store.h"

#include "platform/message_sink.h"

namespace {

constexpr qint64 kMaxFileSize = 64 * 1024;
const QString kExtension = QStringLiteral(".sav");

void Report(const std::string& why, const std::string& what)
{
    MessageSink().Error("Sacuvana partija ne moze da se nastavi (" + why + "). " + what);
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
    const std::string name = FileName().toStdString();
    switch (FFile.Read(text)) {
    case TReadResult::Missing:
        return std::nullopt;
    case TReadResult::NotRegular:
        Report("to nije obican fajl", name + " je ostavljen kakav jeste.");
        return std::nullopt;
    case TReadResult::Unreadable:
        Report("fajl ne moze da se procita", name + " je ostavljen kakav jeste.");
        return std::nullopt;
    case TReadResult::TooLarge:
        error = "fajl je prevelik";
        break;
    case TReadResult::Read:
        if (auto match = LoadMatchText(text, error)) return match;
        break;
    }
    // Set aside, never deleted: the player or a developer may want to look.
    const QString aside = FFile.SetAside();
    if (aside.isEmpty())
        Report(error, "Fajl " + name + " ne moze da se skloni i ostavljen je kakav jeste.");
    else
        Report(error, "Fajl je sklonjen kao " + aside.toStdString() + ".");
    return std::nullopt;
}
