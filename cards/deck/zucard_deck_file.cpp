#include "cards/deck/zucard_deck_file.h"

#include "cards/card/zucard_types.h"
#include "platform/message_sink.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using namespace ZuDeckFile;

std::int32_t IntAt(const QByteArray& data, int offset)
{
    return qFromLittleEndian<std::int32_t>(data.constData() + offset);
}

bool MagicMatches(const QByteArray& data)
{
    constexpr int length = int(sizeof(Magic)) - 1;
    return data.size() >= HeaderSize && quint8(data[0]) == length
        && std::memcmp(data.constData() + 1, Magic, length) == 0;
}

#ifdef Q_OS_UNIX
// One record from a regular file, read once. The file is opened without
// blocking and checked through the open handle, so a pipe or device put in
// its place after the first look is refused instead of waited on.
std::optional<QByteArray> ReadRecord(const QString& fileName)
{
    const QByteArray path = QFile::encodeName(fileName);
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat status { };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray data(RecordSize, '\0');
    qsizetype got = 0;
    while (got < RecordSize) {
        const ssize_t n = ::read(fd, data.data() + got, std::size_t(RecordSize - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        got += n;
    }
    ::close(fd);
    data.truncate(got);
    return data;
}
#else
std::optional<QByteArray> ReadRecord(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.read(RecordSize);
}
#endif

} // namespace

const char* ParseDeckFile(const QByteArray& data, TZuDeckFileContent& content)
{
    if (!MagicMatches(data)) return UnrecognizedFormat;
    // A header that names another version is told as such, whatever follows it.
    if (data.size() >= VersionOffset + 4 && IntAt(data, VersionOffset) != Version)
        return WrongVersion;
    if (data.size() < RecordSize) return Damaged;
    const int shuffleCount = IntAt(data, ShuffleCountOffset);
    const int cardCount = IntAt(data, CardCountOffset);
    if (shuffleCount < 0 || shuffleCount > MaxShuffleCount) return Damaged;
    if (cardCount < 0 || cardCount > ZuDeckFileCards) return Damaged;
    TZuDeckFileContent read;
    for (int i = 0; i < ZuDeckFileCards; ++i)
        read.Cards[std::size_t(i)] = IntAt(data, CardsOffset + 4 * i);
    // Only the valid entries are ever dealt; the rest of the list is left as it is.
    for (int i = 0; i < cardCount; ++i) {
        const int id = read.Cards[std::size_t(i)];
        if (id < ZuMinCardID || id > ZuMaxCardID) return Damaged;
    }
    read.CardCount = cardCount;
    read.ShuffleCount = shuffleCount;
    std::memcpy(read.Appearance.data(), data.constData() + AppearanceOffset, ZuDeckAppearanceSize);
    content = read;
    return nullptr;
}

bool ReadDeckFile(const QString& fileName, TZuDeckFileContent& content)
{
    if (fileName.isEmpty() || !QFileInfo::exists(fileName)) return false;
    std::optional<QByteArray> data;
    if (QFileInfo(fileName).isFile()) data = ReadRecord(fileName);
    const char* fault = data ? ParseDeckFile(*data, content) : CannotRead;
    if (!fault) return true;
    MessageSink().Error(fault);
    return false;
}
