#include "settings/atomic_file.h"
#include "settings/ini.h"
#include "settings/ini_file.h"
#include "settings/program_files.h"
#include "tests/settings/file_helpers.h"
#include "tests/support/recording_sink.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const QByteArray kDefaultFile
    = "[PlayerNames]\nS=Lazor\nW=Dunjo\nN=Tomir\nE=Savel\n\n"
      "[GameOptions]\nNumberOfPlayers=0\nNumberOfDecks=0\nCompPlays=1\nCompPlayDelay=2\n"
      "CompWaitForPlay=1\nClockwise=1\nCompCardsTight=0\nHumanCardsTight=1\n"
      "CanViewMyCollectedCards=1\nCanViewOtherCollectedCards=1\nLog=0\n";

// The fifteen fields in the order of the keys in the file, joined by "|".
QString Fields(const TIni& ini)
{
    QStringList fields { ini.S, ini.W, ini.N, ini.E };
    for (int value : { ini.NumberOfPlayers, ini.NumberOfDecks, ini.CompPlays, ini.CompPlayDelay,
             ini.CompWaitForPlay, int(ini.Clockwise), int(ini.CompCardsTight),
             int(ini.HumanCardsTight), int(ini.CanViewMyCollectedCards),
             int(ini.CanViewOtherCollectedCards), int(ini.Log) })
        fields << QString::number(value);
    return fields.join('|');
}

const QString kDefaults = "Lazor|Dunjo|Tomir|Savel|0|0|1|2|1|1|0|1|1|1|0";

class IniTest : public ::testing::Test {
protected:
    QString Path() const { return dir.filePath("Zaviko.ini"); }
    TIniFile With(const QByteArray& text)
    {
        WriteAll(Path(), text);
        return TIniFile(Path());
    }
    QTemporaryDir dir;
};
using IniFile = IniTest;
using Settings = IniTest;

TEST_F(IniFile, FindsSectionsAndKeysWhateverTheirCaseAndReadsUpTo2047Characters)
{
    const TIniFile ini = With("; S=commented\n[Other]\nS=wrong section\n[ gameOPTIONS ]\n"
                              "  clockWISE = 0 \nEmpty=\n;Log=5\nName=first\nname=second\nLong="
        + QByteArray(3000, 'x'));
    EXPECT_EQ(ini.ReadString("GameOptions", "Clockwise", "d"), "0");
    EXPECT_EQ(ini.ReadString("gameoptions", "EMPTY", "d"), "");
    EXPECT_EQ(ini.ReadString("GameOptions", "Log", "d"), "d"); // a comment is no key
    EXPECT_EQ(ini.ReadString("GameOptions", "S", "d"), "d"); // keys belong to their section
    EXPECT_EQ(ini.ReadString("GameOptions", "Name", "d"), "first");
    EXPECT_EQ(ini.ReadString("Missing", "S", "d"), "d");
    EXPECT_EQ(ini.ReadString("GameOptions", "Long", ""), QString(2047, 'x'));
}

TEST_F(IniFile, ReadsIntegersInDecimalAndHexadecimalElseTheDefault)
{
    const std::vector<std::pair<const char*, int>> cases
        = { { "10", 10 }, { "-1", -1 }, { "+5", 5 }, { "0x2", 2 }, { "0X1f", 31 }, { "$ff", 255 },
              { "$FFFFFFFF", -1 }, { "2147483647", 2147483647 }, { "-2147483648", -2147483647 - 1 },
              { "2147483648", 77 }, { "$100000000", 77 }, { "0x", 77 }, { "0x-1", 77 }, { "$", 77 },
              { "abc", 77 }, { "12abc", 77 }, { "1 2", 77 }, { "-", 77 }, { "", 77 } };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(With("[N]\nK=" + QByteArray(text)).ReadInteger("N", "K", 77), value) << text;
}

TEST_F(IniFile, WritesInPlaceAndKeepsEveryLineThatIsNotOurs)
{
    TIniFile ini = With("; settings\r\n[GameOptions]\r\n  CLOCKWISE = 1\r\nUnknown=keep me\r\n\r\n"
                        "; next section\r\n[Other]\r\nX=1\r\n");
    ini.WriteBool("gameoptions", "Clockwise", false);
    ini.WriteInteger("GameOptions", "Log", 1);
    ini.WriteString("PlayerNames", "S", "Ana\n[GameOptions]\r\nLog=5"); // cannot forge a key
    ini.UpdateFile();
    EXPECT_EQ(ReadAll(Path()),
        "; settings\r\n[GameOptions]\r\n  CLOCKWISE =0\r\nUnknown=keep me\r\nLog=1\r\n\r\n"
        "; next section\r\n[Other]\r\nX=1\r\n\r\n[PlayerNames]\r\nS=Ana [GameOptions]  Log=5\r\n");
}

TEST_F(IniFile, InterruptedWriteLeavesTheOldFileWhole)
{
    TIniFile ini = With("[A]\nK=old\n");
    ini.WriteString("A", "K", "new");
    bool interrupted = false;
    SetBeforeReplaceHook([&](const QString& path) {
        interrupted = path == Path();
        throw std::runtime_error("power cut");
    });
    EXPECT_THROW(ini.UpdateFile(), std::runtime_error);
    SetBeforeReplaceHook(nullptr);

    EXPECT_TRUE(interrupted);
    EXPECT_EQ(ReadAll(Path()), "[A]\nK=old\n");
    EXPECT_EQ(FilesIn(dir.path()), QStringList { "Zaviko.ini" }); // no half-written leftovers

    ini.UpdateFile();
    EXPECT_EQ(ReadAll(Path()), "[A]\nK=new\n");
}

TEST_F(IniFile, FileThatCannotBeReadIsNotOverwritten)
{
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    WriteAll(Path(), "[A]\nK=precious\n");
    QFile::setPermissions(Path(), QFile::WriteOwner);
    TIniFile ini(Path());
    ini.WriteString("A", "K", "new");
    EXPECT_THROW(ini.UpdateFile(), EIniFileException);
    QFile::setPermissions(Path(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(ReadAll(Path()), "[A]\nK=precious\n");
}

TEST_F(Settings, MissingFileGetsTheFifteenKeysInOrderAndTheDefaults)
{
    const TIni ini(Path());
    EXPECT_EQ(ReadAll(Path()), kDefaultFile);
    EXPECT_EQ(Fields(ini), kDefaults);
}

TEST_F(Settings, ReadingFallsBackPerKey)
{
    const QByteArray partial = "[playernames]\ns=\n"
                               "[gameoptions]\n"
                               "numberofplayers=3\nNumberOfDecks=2\nCompPlays=7\nCompPlayDelay=99\n"
                               "clockwise=yes\nLog=5\nCompCardsTight=-1\n";
    WriteAll(Path(), partial);
    TIni ini(Path());
    // An empty value is a value; a boolean is an integer tested for non-zero,
    // and "yes" is no integer, so Clockwise keeps its default.
    EXPECT_EQ(Fields(ini), "|Dunjo|Tomir|Savel|0|0|1|2|1|1|1|1|1|1|1");
    EXPECT_EQ(ReadAll(Path()), partial); // an existing file is not completed

    WriteAll(
        Path(), "[GameOptions]\nNumberOfPlayers=-1\nClockwise=0\nHumanCardsTight=0x0\nLog=abc\n");
    ini.ReadSettings();
    EXPECT_EQ(Fields(ini), "Lazor|Dunjo|Tomir|Savel|0|0|1|2|1|0|0|0|1|1|0");
    WriteAll(Path(), "[GameOptions]\nNumberOfPlayers=0x2\nNumberOfDecks=1\n");
    ini.ReadSettings();
    EXPECT_EQ(Fields(ini), "Lazor|Dunjo|Tomir|Savel|2|1|1|2|1|1|0|1|1|1|0");
}

// Values the options dialog could not show fall back to their defaults; the
// limits are the dialog's own.
TEST_F(Settings, ReadingKeepsStrengthAndPausesInTheDialogsRanges)
{
    struct Case {
        const char* key;
        const char* text;
        int expected;
    };
    const std::vector<Case> cases = { { "CompPlays", "0", 0 }, { "CompPlays", "2", 2 },
        { "CompPlays", "3", 3 }, { "CompPlays", "4", 1 }, { "CompPlays", "-1", 1 },
        { "CompPlays", "7", 1 }, { "CompPlayDelay", "0", 0 }, { "CompPlayDelay", "10", 10 },
        { "CompPlayDelay", "11", 2 }, { "CompPlayDelay", "99", 2 }, { "CompPlayDelay", "-3", 2 },
        { "CompWaitForPlay", "0", 0 }, { "CompWaitForPlay", "5", 5 }, { "CompWaitForPlay", "6", 1 },
        { "CompWaitForPlay", "0x7fffffff", 1 }, { "CompWaitForPlay", "-1", 1 } };
    for (const Case& c : cases) {
        WriteAll(Path(), QByteArray("[GameOptions]\n") + c.key + "=" + c.text + "\n");
        const TIni ini(Path());
        const int read = QByteArray(c.key) == "CompPlays" ? ini.CompPlays
            : QByteArray(c.key) == "CompPlayDelay"        ? ini.CompPlayDelay
                                                          : ini.CompWaitForPlay;
        EXPECT_EQ(read, c.expected) << c.key << "=" << c.text;
    }
}

TEST_F(Settings, WritesRewriteOurKeysInOrderWithoutRangeChecksAndKeepTheRest)
{
    const QByteArray names = "; who plays\n[PlayerNames]\nS=Ana\nW=Bor\nN=Cica\nE=Dule\nX=extra\n";
    WriteAll(Path(), names + "[GameOptions]\nLog=1\nFuture=42\n");
    TIni ini(Path());
    // Accepting the options unchanged.
    ini.SetGameOptions(ini.NumberOfPlayers, ini.NumberOfDecks, ini.CompPlays, ini.CompPlayDelay,
        ini.CompWaitForPlay, ini.Clockwise, ini.CompCardsTight, ini.HumanCardsTight,
        ini.CanViewMyCollectedCards, ini.CanViewOtherCollectedCards, ini.Log);
    EXPECT_EQ(ReadAll(Path()),
        names
            + "[GameOptions]\nLog=1\nFuture=42\nNumberOfPlayers=0\nNumberOfDecks=0\nCompPlays=1\n"
              "CompPlayDelay=2\nCompWaitForPlay=1\nClockwise=1\nCompCardsTight=0\n"
              "HumanCardsTight=1\nCanViewMyCollectedCards=1\nCanViewOtherCollectedCards=1\n");

    ini.SetPlayerNames("Ann", "Bo", "Cy", "Di");
    ini.SetGameOptions(5, 1, 2, 0, 3, false, true, false, false, true, true);
    EXPECT_EQ(TIniFile(Path()).ReadInteger("GameOptions", "NumberOfPlayers", -9), 5);
    EXPECT_EQ(Fields(TIni(Path())), "Ann|Bo|Cy|Di|0|1|2|0|3|0|1|0|0|1|1");
}

TEST_F(Settings, UnwritableFileLeavesTheDefaultsThenTheNewValuesForTheRun)
{
    TScopedRecordingSink sink;
    const QString path = dir.filePath("missing/Zaviko.ini");
    // The component's own message is English; the player reads the game's language.
    const std::string refused = "Unable to write to " + path.toStdString();
    TIni ini(path);
    EXPECT_EQ(Fields(ini), kDefaults);
    const std::string shown = "Podesavanja ne mogu da se sacuvaju u " + path.toStdString() + ".";
    EXPECT_EQ(sink.shown.errors, std::vector<std::string> { shown }); // the player is told once

    EXPECT_THROW(ini.SetPlayerNames("Ana", "Bor", "Cica", "Dule"), EIniFileException);
    EXPECT_EQ(MessageOf<EIniFileException>([&] {
        ini.SetGameOptions(1, 1, 0, 5, 4, false, true, false, false, false, true);
    }),
        refused);
    EXPECT_EQ(Fields(ini), "Ana|Bor|Cica|Dule|1|1|0|5|4|0|1|0|0|0|1");
    EXPECT_EQ(sink.shown.errors.size(), 1u);
}

TEST(ProgramFiles, BesideTheProgramElseInTheUsersConfigurationFolder)
{
    QTemporaryDir dir;
    const QString config = dir.filePath("config/zaviko");
    EXPECT_EQ(
        ChooseProgramFileName(dir.filePath("Zaviko"), ".ini", config), dir.filePath("Zaviko.ini"));
    EXPECT_EQ(ChooseProgramFileName(dir.filePath("Zaviko.exe"), ".log", config),
        dir.filePath("Zaviko.log"));
    EXPECT_FALSE(QDir(config).exists());

    // A folder the program cannot write to; a missing one stands in for a
    // read-only one, which these tests cannot make when they run as root.
    EXPECT_EQ(ChooseProgramFileName(dir.filePath("absent/Zaviko"), ".ini", config),
        config + "/Zaviko.ini");
    EXPECT_TRUE(QDir(config).exists());
}

} // namespace
