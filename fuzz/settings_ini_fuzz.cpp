// Feeds arbitrary bytes to the settings reader as the file it reads, reads
// every key the game reads, writes the options back and reads them again.
#include "settings/ini_file.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

const QString kNames = QStringLiteral("PlayerNames");
const QString kOptions = QStringLiteral("GameOptions");
const char* const kNameKeys[] = { "S", "W", "N", "E" };
const char* const kOptionKeys[] = { "NumberOfPlayers", "NumberOfDecks", "CompPlays",
    "CompPlayDelay", "CompWaitForPlay", "Clockwise", "CompCardsTight", "HumanCardsTight",
    "CanViewMyCollectedCards", "CanViewOtherCollectedCards", "Log" };

// In memory when the system has a tmpfs; a disk-backed folder slows the run.
QString ScratchFile()
{
    const char* dir = std::getenv("TMPDIR");
    if (!dir) dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return QStringLiteral("%1/zaviko-ini-fuzz-%2.ini")
        .arg(QString::fromLocal8Bit(dir))
        .arg(getpid());
}

void ReadAll(const TIniFile& ini)
{
    for (const char* key : kNameKeys)
        if (ini.ReadString(kNames, QString::fromLatin1(key), QString()).size() > 2047) std::abort();
    for (const char* key : kOptionKeys) {
        ini.ReadInteger(kOptions, QString::fromLatin1(key), 7);
        ini.ReadBool(kOptions, QString::fromLatin1(key), true);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    static const QString file = ScratchFile();
    {
        const TIniFile ini(file, bytes);
        ReadAll(ini);
    }
    // Through the disk: what the options dialog writes reads back as written,
    // whatever else the file holds.
    if (std::FILE* out = std::fopen(file.toLocal8Bit().constData(), "wb")) {
        std::fwrite(data, 1, size, out);
        std::fclose(out);
    }
    TIniFile ini(file);
    int value = 0;
    for (const char* key : kOptionKeys)
        ini.WriteInteger(kOptions, QString::fromLatin1(key), value++ - 3);
    ini.WriteString(kNames, QStringLiteral("S"), QStringLiteral("\u010Cika\nx"));
    try {
        ini.UpdateFile();
    } catch (const EIniFileException&) {
        return 0; // a file too large to keep is refused as a whole
    }
    const TIniFile back(file);
    value = 0;
    for (const char* key : kOptionKeys)
        if (back.ReadInteger(kOptions, QString::fromLatin1(key), 999) != value++ - 3) std::abort();
    if (back.ReadString(kNames, QStringLiteral("S"), QString()) != QStringLiteral("\u010Cika x"))
        std::abort();
    return 0;
}
