// The settings file as another editor, a damaged disk or a killed program
// leaves it: other encodings, hostile contents, stale temporary copies, and a
// file beside a program whose folder cannot be written.
#include "settings/atomic_file.h"
#include "settings/ini.h"
#include "settings/ini_file.h"
#include "settings/program_files.h"
#include "tests/settings/file_helpers.h"
#include "tests/support/recording_sink.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class IniHardening : public ::testing::Test {
protected:
    QString Path() const { return dir.filePath("Zaviko.ini"); }
    QTemporaryDir dir;
};

// "Čika" saved in Windows-1250 (C8 is Č there) is no UTF-8; saving the
// options must leave that line, and every line the program does not write,
// byte for byte.
TEST_F(IniHardening, LinesInAnEightBitEncodingAreWrittenBackByteForByte)
{
    const QByteArray names = "[PlayerNames]\r\nS=\xC8ika\r\nW=Bor\xE9\r\n; \xFF\xFE comment\r\n";
    WriteAll(Path(), names + "[GameOptions]\r\nLog=0\r\nCompPlays=\xB9\r\n");
    TIni ini(Path());
    EXPECT_EQ(ini.S,
        QString::fromUtf8("\xC4\x8C"
                          "ika")); // read as Windows-1250
    ini.SetGameOptions(0, 0, 1, 2, 1, true, false, true, true, true, true);
    EXPECT_EQ(ReadAll(Path()),
        names
            + "[GameOptions]\r\nLog=1\r\nCompPlays=1\r\nNumberOfPlayers=0\r\nNumberOfDecks=0\r\n"
              "CompPlayDelay=2\r\nCompWaitForPlay=1\r\nClockwise=1\r\nCompCardsTight=0\r\n"
              "HumanCardsTight=1\r\nCanViewMyCollectedCards=1\r\nCanViewOtherCollectedCards=1\r\n");
}

// Whatever the file holds, reading gives the defaults for what it cannot
// read, and nothing crashes or hangs.
TEST_F(IniHardening, HostileContentsReadAsDefaultsForWhatCannotBeRead)
{
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) % 251);
    const struct {
        const char* what;
        QByteArray text;
        QString name;
        int players, delay;
    } cases[] = {
        { "binary garbage", garbage, "Lazor", 0, 2 },
        { "no final newline", "[PlayerNames]\nS=Ana", "Ana", 0, 2 },
        { "a huge line", "[PlayerNames]\nS=" + QByteArray(3'000'000, 'n') + "\n",
            QString(2047, 'n'), 0, 2 },
        { "overflowing numbers",
            "[GameOptions]\nNumberOfPlayers=4294967298\nCompPlayDelay=99999999999999999999\n",
            "Lazor", 0, 2 },
        { "hex past 32 bits", "[GameOptions]\nNumberOfPlayers=0x100000002\n", "Lazor", 0, 2 },
        { "only line ends", QByteArray(100000, '\n'), "Lazor", 0, 2 },
        { "unclosed section", "[PlayerNames\nS=Ana\n[GameOptions]\nNumberOfPlayers=1\n", "Lazor", 1,
            2 },
    };
    for (const auto& c : cases) {
        WriteAll(Path(), c.text);
        const TIni ini(Path());
        EXPECT_EQ(ini.S, c.name) << c.what;
        EXPECT_EQ(ini.NumberOfPlayers, c.players) << c.what;
        EXPECT_EQ(ini.CompPlayDelay, c.delay) << c.what;
    }
}

// A file past the size limit is neither read nor overwritten: the player is
// told the settings cannot be saved and keeps them for the run.
TEST_F(IniHardening, AnOversizedFileIsNeitherReadNorOverwritten)
{
    const QByteArray huge = "[PlayerNames]\nS=Ana\n" + QByteArray(TIniFile::MaxFileSize, ';');
    WriteAll(Path(), huge);
    TScopedRecordingSink sink;
    TIni ini(Path());
    EXPECT_EQ(ini.S, "Lazor");
    EXPECT_THROW(ini.SetPlayerNames("A", "B", "C", "D"), EIniFileException);
    EXPECT_EQ(ini.S, "A");
    EXPECT_EQ(QFileInfo(Path()).size(), huge.size());
}

// What a writer killed between creating its temporary copy and the rename
// leaves behind goes at the next save once it is old enough not to be
// another save's; every other neighbour stays, however like a temporary name
// it looks: the player's own copies are named so.
TEST_F(IniHardening, StaleTemporaryCopiesAreRemovedAtTheNextSave)
{
    const QStringList stale { "Zaviko.ini.zaviko-tmp-aB3dE9", "Zaviko.ini.zaviko-tmp-000000" };
    const QStringList kept { "Zaviko.ini.zaviko-tmp-young1", "Zaviko.ini.bak", "Zaviko.ini.ab-cd1",
        "Zaviko.ini.abcdefg", "Other.ini.aB3dE9", "Other.ini.zaviko-tmp-aB3dE9",
        "Zaviko.ini.backup", "Zaviko.ini.mine01", "Zaviko.ini.aB3dE9", "Zaviko.stat.backup",
        "Zaviko.sav.backup", "Zaviko.stat.2024q1", "Zaviko.ini.zaviko-tmp-ab-cd1" };
    for (const QString& name : stale + kept) {
        WriteAll(dir.filePath(name), "[A]\nK=half");
        if (name == "Zaviko.ini.zaviko-tmp-young1") continue;
        QFile file(dir.filePath(name));
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFile::FileModificationTime);
    }
    TIni ini(Path());
    ini.SetPlayerNames("A", "B", "C", "D");
    QStringList expected = kept + QStringList { "Zaviko.ini" };
    expected.sort();
    EXPECT_EQ(FilesIn(dir.path()), expected);
}

// The settings file beside a program in a folder that cannot be written.
TEST(SettingsBesideTheProgram, AnExistingFileIsNeverPassedOverInSilence)
{
    QTemporaryDir dir;
    const QString program = dir.filePath("app/Zaviko"), config = dir.filePath("config");
    QDir().mkpath(dir.filePath("app"));
    const QString beside = dir.filePath("app/Zaviko.ini"), own = config + "/Zaviko.ini";

    // No file beside a read-only folder: the user's own.
    EXPECT_EQ(ChooseSettingsFileName(program, config, false), own);
    EXPECT_FALSE(QFile::exists(own));
    // A writable folder: beside the program, as always.
    EXPECT_EQ(ChooseSettingsFileName(program, config, true), beside);

    // A writable file: used where it is, and saved there in place.
    WriteAll(beside, "[PlayerNames]\nS=Ana\n");
    EXPECT_EQ(ChooseSettingsFileName(program, config, false), beside);
    TIni ini(ChooseSettingsFileName(program, config, false));
    EXPECT_EQ(ini.S, "Ana");
    ini.SetPlayerNames("Bora", "W", "N", "E");
    EXPECT_TRUE(ReadAll(beside).contains("S=Bora"));

    // A read-only file: it becomes the start of the user's own file, which
    // a later change to the read-only one no longer overrides.
    QFile::setPermissions(beside, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    if (QFileInfo(beside).isWritable()) GTEST_SKIP() << "root writes every file";
    EXPECT_EQ(ChooseSettingsFileName(program, config, false), own);
    EXPECT_EQ(ReadAll(own), ReadAll(beside));
}

} // namespace
