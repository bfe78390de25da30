#include "ui/saved_match_store.h"

#include "platform/message_sink.h"
#include "settings/atomic_file.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 kMaxFileSize = 64 * 1024;

} // namespace

TSavedMatchStore::TSavedMatchStore(const QString& settingsFile)
{
    const QFileInfo info(settingsFile);
    FFileName = info.absolutePath() + '/' + info.completeBaseName() + QStringLiteral(".sav");
}

bool TSavedMatchStore::Exists() const
{
    return QFileInfo(FFileName).isFile();
}

bool TSavedMatchStore::Save(const TSavedMatch& match) const
{
    return WriteFileAtomically(FFileName, QByteArray::fromStdString(SaveMatchText(match)));
}

std::optional<TSavedMatch> TSavedMatchStore::Load() const
{
    QFile file(FFileName);
    std::string error = "the file cannot be read";
    if (file.open(QIODevice::ReadOnly) && file.size() <= kMaxFileSize) {
        if (auto match = LoadMatchText(file.read(kMaxFileSize).toStdString(), error)) return match;
    } else if (file.isOpen()) {
        error = "the file is too large";
    }
    file.close();
    // Set aside, not deleted: the player or a developer may want to look.
    const QString aside = FFileName + QStringLiteral(".bad");
    QFile::remove(aside);
    const bool moved = QFile::rename(FFileName, aside);
    if (!moved) QFile::remove(FFileName);
    MessageSink().Error(("Sacuvana partija ne moze da se nastavi (" + error + ")."
        + (moved ? " Fajl je sklonjen kao " + aside.toStdString() + "." : std::string())));
    return std::nullopt;
}

void TSavedMatchStore::Remove() const
{
    QFile::remove(FFileName);
}
