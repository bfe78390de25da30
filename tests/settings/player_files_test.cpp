// The file layer under the player's saved match and statistics: only regular
// files are read or written, damaged files are set aside under new names, and
// log lines never carry a raw control character.
#include "settings/atomic_file.h"
#include "log/log_file.h"
#include "settings/player_files.h"
#include "tests/settings/file_helpers.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class PlayerFiles : public ::testing::Test {
protected:
    QString Path(const char* name = "Zaviko.stat") const { return dir.filePath(name); }
    void MakeFifo(const QString& path) const
    {
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    QTemporaryDir dir;
};

bool IsFifo(const QString& path)
{
    struct stat st { };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

// None of these may be read or written through: a pipe blocks the caller, a
// device takes the data, a folder or a link to nowhere is no file.
TEST_F(PlayerFiles, OnlyRegularFilesAreReadAndWritten)
{
    struct TCase {
        const char* what;
        std::function<void(const QString&)> make;
    };
    const TCase cases[] = {
        { "pipe", [this](const QString& p) { MakeFifo(p); } },
        { "link to a device", [](const QString& p) { QFile::link("/dev/zero", p); } },
        { "folder", [](const QString& p) { QDir().mkpath(p); } },
        { "link to nowhere", [this](const QString& p) { QFile::link(dir.filePath("none"), p); } },
    };
    for (const TCase& c : cases) {
        const QString path = Path(c.what);
        c.make(path);
        QByteArray data = "old";
        const TReadResult read = ReadRegularFile(path, 1000, data);
        EXPECT_NE(read, TReadResult::Read) << c.what;
        EXPECT_TRUE(data.isEmpty()) << c.what;
        EXPECT_FALSE(WriteFileAtomically(path, "new")) << c.what;
        EXPECT_FALSE(WriteFileAtomically(path, "new", TInPlace::Allow)) << c.what;
    }
    EXPECT_TRUE(IsFifo(Path("pipe"))); // still the pipe, not replaced by a file
    EXPECT_TRUE(QFileInfo(Path("link to a device")).isSymLink());
}

TEST_F(PlayerFiles, ARegularFileIsReadWholeOrRefusedWhenTooLarge)
{
    QByteArray data;
    EXPECT_EQ(ReadRegularFile(Path(), 10, data), TReadResult::Missing);
    WriteAll(Path(), "0123456789");
    EXPECT_EQ(ReadRegularFile(Path(), 10, data), TReadResult::Read);
    EXPECT_EQ(data, "0123456789");
    EXPECT_EQ(ReadRegularFile(Path(), 9, data), TReadResult::TooLarge);
    // A link to a regular file is followed both ways, and stays a link.
    QFile::link(Path(), Path("link"));
    EXPECT_TRUE(WriteFileAtomically(Path("link"), "through"));
    EXPECT_TRUE(QFileInfo(Path("link")).isSymLink());
    EXPECT_EQ(ReadAll(Path()), "through");
}

// Every damaged copy is kept: a second one takes the next number, a name in
// use (even by a folder) is passed over, and with every number taken the file
// stays where it is.
TEST_F(PlayerFiles, SetAsideCopiesAreNumberedAndNeverReplaced)
{
    WriteAll(Path(), "first");
    EXPECT_EQ(SetFileAside(Path()), Path() + ".bad.1");
    WriteAll(Path(), "second");
    QDir().mkpath(Path() + ".bad.2");
    EXPECT_EQ(SetFileAside(Path()), Path() + ".bad.3");
    EXPECT_EQ(ReadAll(Path() + ".bad.1"), "first");
    EXPECT_EQ(ReadAll(Path() + ".bad.3"), "second");

    for (int n = 4; n <= kMaxSetAsideCopies; ++n)
        WriteAll(Path() + ".bad." + QString::number(n), "older");
    WriteAll(Path(), "third");
    EXPECT_EQ(SetFileAside(Path()), QString());
    EXPECT_EQ(ReadAll(Path()), "third");
}

TEST_F(PlayerFiles, APlayerFileGoesWhereItCanBeReplacedAtomically)
{
    const QString settings = Path("Zaviko.ini"), user = dir.filePath("user");
    EXPECT_EQ(PlayerFileName(settings, ".sav", user, true, false), Path("Zaviko.sav"));
    // A read-only folder: the per-user folder, and what lay beside the
    // settings is taken over when asked, once.
    WriteAll(Path("Zaviko.stat"), "numbers");
    EXPECT_EQ(PlayerFileName(settings, ".sav", user, false, false), user + "/Zaviko.sav");
    EXPECT_FALSE(QFile::exists(user + "/Zaviko.sav"));
    EXPECT_EQ(PlayerFileName(settings, ".stat", user, false, true), user + "/Zaviko.stat");
    EXPECT_EQ(ReadAll(user + "/Zaviko.stat"), "numbers");
    WriteAll(user + "/Zaviko.stat", "mine");
    PlayerFileName(settings, ".stat", user, false, true);
    EXPECT_EQ(ReadAll(user + "/Zaviko.stat"), "mine");
}

TEST(LogText, ControlCharactersAreWrittenEscaped)
{
    const struct {
        QString text, written;
    } cases[] = {
        { "Mika", "Mika" },
        { QString::fromUtf8("\xC4\x90or\xC4\x91\x65"),
            QString::fromUtf8("\xC4\x90or\xC4\x91\x65") },
        { "Mika\r\nZapad dobio karte: AT", "Mika\\x0d\\x0aZapad dobio karte: AT" },
        { "\x1b[31mZika", "\\x1b[31mZika" },
        { QString("a") + QChar(0x85) + QChar(0x2028) + "b", "a\\x85\\u2028b" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(EscapeControls(c.text), c.written) << c.text.toStdString();

    // Through the log: a name that holds a line break stays on its line.
    QTemporaryDir dir;
    {
        TLogFile log;
        log.SetLogFileName(dir.filePath("Zaviko.log"));
        log.SetOptions({});
        log.Open();
        log.Log("Zaviko", "*", "Mika\r\nZapad dobio karte: AT");
    }
    EXPECT_EQ(ReadAll(dir.filePath("Zaviko.log")), "Mika\\x0d\\x0aZapad dobio karte: AT\r\n");
}

} // namespace
