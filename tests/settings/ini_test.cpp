#include "settings/ini.h"
#include "settings/ini_file.h"
#include "tests/settings/file_helpers.h"
#include "tests/support/recording_sink.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray kDefaultFile = "[PlayerNames]\n"
                                "S=Lazor\n"
                                "W=Dunjo\n"
                                "N=Tomir\n"
                                "E=Savel\n"
                                "\n"
                                "[GameOptions]\n"
                                "NumberOfPlayers=0\n"
                                "NumberOfDecks=0\n"
                                "CompPlays=1\n"
                                "CompPlayDelay=2\n"
                                "CompWaitForPlay=1\n"
                                "Clockwise=1\n"
                                "CompCardsTight=0\n"
                                "HumanCardsTight=1\n"
                                "CanViewMyCollectedCards=1\n"
                                "CanViewOtherCollectedCards=1\n"
                                "Log=0\n";

void ExpectDefaults(const TIni& ini)
{
    EXPECT_EQ(ini.S, "Lazor");
    EXPECT_EQ(ini.W, "Dunjo");
    EXPECT_EQ(ini.N, "Tomir");
    EXPECT_EQ(ini.E, "Savel");
    EXPECT_EQ(ini.CompPlays, 1);
    EXPECT_EQ(ini.NumberOfPlayers, 0);
    EXPECT_EQ(ini.NumberOfDecks, 0);
    EXPECT_EQ(ini.CompPlayDelay, 2);
    EXPECT_EQ(ini.CompWaitForPlay, 1);
    EXPECT_TRUE(ini.Clockwise);
    EXPECT_FALSE(ini.CompCardsTight);
    EXPECT_TRUE(ini.HumanCardsTight);
    EXPECT_TRUE(ini.CanViewMyCollectedCards);
    EXPECT_TRUE(ini.CanViewOtherCollectedCards);
    EXPECT_FALSE(ini.Log);
}

class Settings : public ::testing::Test {
protected:
    QString Path() const { return dir.filePath("Zaviko.ini"); }
    QTemporaryDir dir;
};

TEST_F(Settings, MissingFileGetsTheFifteenKeysInOrderAndTheDefaults)
{
    const TIni ini(Path());
    EXPECT_EQ(ini.FileName, Path());
    EXPECT_EQ(ReadAll(Path()), kDefaultFile);
    ExpectDefaults(ini);
}

TEST_F(Settings, ReadingChecksOnlyPlayersAndDecksAndFallsBackPerKey)
{
    const QByteArray partial = "[playernames]\ns=\n"
                               "[gameoptions]\n"
                               "numberofplayers=3\nNumberOfDecks=2\nCompPlays=7\nCompPlayDelay=99\n"
                               "clockwise=yes\nLog=5\nCompCardsTight=-1\n";
    WriteAll(Path(), partial);
    TIni ini(Path());
    EXPECT_EQ(ini.S, ""); // an empty value is a value
    EXPECT_EQ(ini.W, "Dunjo");
    EXPECT_EQ(ini.NumberOfPlayers, 0);
    EXPECT_EQ(ini.NumberOfDecks, 0);
    EXPECT_EQ(ini.CompPlays, 7);
    EXPECT_EQ(ini.CompPlayDelay, 99);
    EXPECT_EQ(ini.CompWaitForPlay, 1);
    EXPECT_TRUE(ini.Clockwise); // no integer: the default
    EXPECT_TRUE(ini.Log);
    EXPECT_TRUE(ini.CompCardsTight);
    EXPECT_EQ(ReadAll(Path()), partial); // an existing file is not completed

    WriteAll(Path(), "[GameOptions]\nNumberOfPlayers=-1\nClockwise=0\n");
    ini.ReadSettings();
    EXPECT_EQ(ini.NumberOfPlayers, 0);
    EXPECT_FALSE(ini.Clockwise);
    EXPECT_EQ(ini.S, "Lazor");

    WriteAll(Path(), "[GameOptions]\nNumberOfPlayers=0x2\nNumberOfDecks=1\n");
    ini.ReadSettings();
    EXPECT_EQ(ini.NumberOfPlayers, 2);
    EXPECT_EQ(ini.NumberOfDecks, 1);
}

TEST_F(Settings, AcceptingUnchangedOptionsRewritesOnlyTheOptions)
{
    const QByteArray names = "; who plays\n[PlayerNames]\nS=Ana\nW=Bor\nN=Cica\nE=Dule\nX=extra\n";
    WriteAll(Path(), names + "[GameOptions]\nLog=1\nFuture=42\n");
    TIni ini(Path());
    ini.SetGameOptions(ini.NumberOfPlayers, ini.NumberOfDecks, ini.CompPlays, ini.CompPlayDelay,
        ini.CompWaitForPlay, ini.Clockwise, ini.CompCardsTight, ini.HumanCardsTight,
        ini.CanViewMyCollectedCards, ini.CanViewOtherCollectedCards, ini.Log);
    EXPECT_EQ(ReadAll(Path()),
        names
            + "[GameOptions]\nLog=1\nFuture=42\nNumberOfPlayers=0\nNumberOfDecks=0\nCompPlays=1\n"
              "CompPlayDelay=2\nCompWaitForPlay=1\nClockwise=1\nCompCardsTight=0\n"
              "HumanCardsTight=1\nCanViewMyCollectedCards=1\nCanViewOtherCollectedCards=1\n");
}

TEST_F(Settings, WrittenValuesAreReadBackWithoutRangeChecksOnWriting)
{
    TIni ini(Path());
    ini.SetPlayerNames("Ana", "Bor", "Cica", "Dule");
    ini.SetGameOptions(5, 1, 2, 0, 3, false, true, false, false, true, true);
    const TIni back(Path());
    EXPECT_EQ(QStringList({ back.S, back.W, back.N, back.E }),
        QStringList({ "Ana", "Bor", "Cica", "Dule" }));
    EXPECT_EQ(TIniFile(Path()).ReadInteger("GameOptions", "NumberOfPlayers", -9), 5);
    EXPECT_EQ(back.NumberOfPlayers, 0);
    EXPECT_EQ(back.NumberOfDecks, 1);
    EXPECT_EQ(back.CompPlays, 2);
    EXPECT_EQ(back.CompPlayDelay, 0);
    EXPECT_EQ(back.CompWaitForPlay, 3);
    EXPECT_FALSE(back.Clockwise);
    EXPECT_TRUE(back.CompCardsTight);
    EXPECT_FALSE(back.HumanCardsTight);
    EXPECT_FALSE(back.CanViewMyCollectedCards);
    EXPECT_TRUE(back.CanViewOtherCollectedCards);
    EXPECT_TRUE(back.Log);
}

TEST_F(Settings, RefusedWritesKeepTheNewValuesForTheRun)
{
    TScopedRecordingSink sink;
    const QString path = dir.filePath("sub/Zaviko.ini");
    QDir(dir.path()).mkdir("sub");
    TIni ini(path);
    QDir(dir.filePath("sub")).removeRecursively();

    EXPECT_THROW(ini.SetPlayerNames("Ana", "Bor", "Cica", "Dule"), EIniFileException);
    EXPECT_EQ(ini.S, "Ana");
    EXPECT_EQ(ini.E, "Dule");
    try {
        ini.SetGameOptions(1, 1, 0, 5, 4, false, true, false, false, false, true);
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path.toStdString());
    }
    EXPECT_EQ(ini.NumberOfPlayers, 1);
    EXPECT_TRUE(ini.Log);
    EXPECT_TRUE(sink.shown.errors.empty());
}

TEST_F(Settings, FileThatCannotBeCreatedLeavesTheDefaultsAndTellsThePlayer)
{
    TScopedRecordingSink sink;
    const QString path = dir.filePath("missing/Zaviko.ini");
    const TIni ini(path);
    ExpectDefaults(ini);
    EXPECT_EQ(
        sink.shown.errors, std::vector<std::string> { "Unable to write to " + path.toStdString() });
}

} // namespace
