// Feeds arbitrary bytes to the deck-file reader: once as bytes in memory and
// once as a file on disk, as a virtual deck reads it.
#include "cards/deck/zucard_deck_file.h"
#include "cards/card/zucard_types.h"
#include "platform/message_sink.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {

// Messages are counted, never shown.
class TSilentSink : public TMessageSink {
public:
    void Information(const std::string&) override { }
    bool Confirmation(const std::string&) override { return false; }
    void Error(const std::string&) override { }
    void Message(const std::string&) override { }
};

// The file every input is written to: in memory when the system has a tmpfs
// (a disk-backed folder slows the run a hundredfold), else in TMPDIR or /tmp.
QString ScratchFile()
{
    const char* dir = std::getenv("TMPDIR");
    if (!dir) dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return QStringLiteral("%1/zaviko-deck-fuzz-%2.zvd")
        .arg(QString::fromLocal8Bit(dir))
        .arg(getpid());
}

// A deck the reader accepted must be one a deck can deal.
void CheckAccepted(const TZuDeckFileContent& content)
{
    if (content.CardCount < 0 || content.CardCount > ZuDeckFileCards) std::abort();
    if (content.ShuffleCount < 0 || content.ShuffleCount > ZuDeckFile::MaxShuffleCount)
        std::abort();
    for (int i = 0; i < content.CardCount; ++i)
        if (content.Cards[std::size_t(i)] < ZuMinCardID
            || content.Cards[std::size_t(i)] > ZuMaxCardID)
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetMessageSink(std::make_unique<TSilentSink>());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TZuDeckFileContent parsed;
    const bool parsedOk = ParseDeckFile(bytes, parsed) == nullptr;
    if (parsedOk) CheckAccepted(parsed);

    static const QString file = ScratchFile();
    static const QByteArray path = file.toLocal8Bit();
    if (std::FILE* out = std::fopen(path.constData(), "wb")) {
        std::fwrite(data, 1, size, out);
        std::fclose(out);
        TZuDeckFileContent read;
        const bool readOk = ReadDeckFile(file, read);
        // Reading the file and reading its bytes must agree.
        if (readOk != parsedOk) std::abort();
        if (readOk) CheckAccepted(read);
    }
    return 0;
}
