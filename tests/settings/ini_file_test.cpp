#include "settings/atomic_file.h"
#include "settings/ini_file.h"
#include "tests/settings/file_helpers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class IniFile : public ::testing::Test {
protected:
    QString Path() const { return dir.filePath("test.ini"); }
    TIniFile With(const QByteArray& text)
    {
        WriteAll(Path(), text);
        return TIniFile(Path());
    }
    QTemporaryDir dir;
};

TEST_F(IniFile, FindsSectionsAndKeysWhateverTheirCase)
{
    const TIniFile ini = With("; S=commented\n"
                              "[Other]\nS=wrong section\n"
                              "[ gameOPTIONS ]\n"
                              "  clockWISE = 0 \n"
                              "Empty=\n"
                              ";Log=5\n"
                              "Name=first\nname=second\n");
    EXPECT_EQ(ini.ReadString("GameOptions", "Clockwise", "d"), "0");
    EXPECT_EQ(ini.ReadString("gameoptions", "EMPTY", "d"), "");
    EXPECT_EQ(ini.ReadString("GameOptions", "Log", "d"), "d"); // a comment is no key
    EXPECT_EQ(ini.ReadString("GameOptions", "S", "d"), "d"); // keys belong to their section
    EXPECT_EQ(ini.ReadString("GameOptions", "Name", "d"), "first");
    EXPECT_EQ(ini.ReadString("Missing", "S", "d"), "d");
}

TEST_F(IniFile, ReadsStringsUpTo2047Characters)
{
    const TIniFile ini = With("[A]\nLong=" + QByteArray(3000, 'x') + "\nCrLf=value\r\n");
    EXPECT_EQ(ini.ReadString("A", "Long", ""), QString(2047, 'x'));
    EXPECT_EQ(ini.ReadString("A", "CrLf", ""), "value");
}

TEST_F(IniFile, ReadsIntegersInDecimalAndHexadecimalElseTheDefault)
{
    const std::vector<std::pair<const char*, int>> cases = {
        { "10", 10 },
        { "-1", -1 },
        { "+5", 5 },
        { "0x2", 2 },
        { "0X1f", 31 },
        { "$ff", 255 },
        { "$FFFFFFFF", -1 },
        { "2147483647", 2147483647 },
        { "-2147483648", -2147483647 - 1 },
        { "2147483648", 77 },
        { "$100000000", 77 },
        { "0x", 77 },
        { "0x-1", 77 },
        { "$", 77 },
        { "abc", 77 },
        { "12abc", 77 },
        { "1 2", 77 },
        { "-", 77 },
        { "", 77 },
    };
    QByteArray text = "[N]\n";
    for (size_t i = 0; i < cases.size(); ++i)
        text += "K" + QByteArray::number(int(i)) + "=" + cases[i].first + "\n";
    const TIniFile ini = With(text);
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(ini.ReadInteger("N", "K" + QString::number(i), 77), cases[i].second)
            << "text " << cases[i].first;
    EXPECT_EQ(ini.ReadInteger("N", "Missing", 77), 77);
}

TEST_F(IniFile, ReadsBooleansAsIntegersTestedForNonZero)
{
    const TIniFile ini = With("[B]\nTwo=2\nMinus=-1\nHexZero=0x0\nZero=0\nWord=abc\n");
    EXPECT_TRUE(ini.ReadBool("B", "Two", false));
    EXPECT_TRUE(ini.ReadBool("B", "Minus", false));
    EXPECT_FALSE(ini.ReadBool("B", "HexZero", true));
    EXPECT_FALSE(ini.ReadBool("B", "Zero", true));
    EXPECT_TRUE(ini.ReadBool("B", "Word", true));
    EXPECT_FALSE(ini.ReadBool("B", "Word", false));
}

TEST_F(IniFile, WritesInPlaceAndKeepsEveryLineThatIsNotOurs)
{
    TIniFile ini = With("; settings\r\n"
                        "[GameOptions]\r\n"
                        "  CLOCKWISE = 1\r\n"
                        "Unknown=keep me\r\n"
                        "\r\n"
                        "; next section\r\n"
                        "[Other]\r\n"
                        "X=1\r\n");
    ini.WriteBool("gameoptions", "Clockwise", false);
    ini.WriteInteger("GameOptions", "Log", 1);
    ini.WriteString("PlayerNames", "S", "Ana");
    ini.UpdateFile();
    EXPECT_EQ(ReadAll(Path()),
        "; settings\r\n"
        "[GameOptions]\r\n"
        "  CLOCKWISE =0\r\n"
        "Unknown=keep me\r\n"
        "Log=1\r\n"
        "\r\n"
        "; next section\r\n"
        "[Other]\r\n"
        "X=1\r\n"
        "\r\n"
        "[PlayerNames]\r\n"
        "S=Ana\r\n");
}

TEST_F(IniFile, ValueWithLineBreaksCannotForgeOtherKeys)
{
    TIniFile ini(Path());
    ini.WriteString("PlayerNames", "S", "Ana\n[GameOptions]\r\nLog=1");
    ini.UpdateFile();
    const TIniFile back(Path());
    EXPECT_EQ(back.ReadString("PlayerNames", "S", ""), "Ana [GameOptions]  Log=1");
    EXPECT_EQ(back.ReadString("GameOptions", "Log", "none"), "none");
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
    EXPECT_EQ(FilesIn(dir.path()), QStringList { "test.ini" }); // no half-written leftovers

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

TEST_F(IniFile, RefusedWriteRaisesUnableToWrite)
{
    const QString path = dir.filePath("gone/test.ini");
    TIniFile ini(path);
    ini.WriteString("A", "K", "v");
    try {
        ini.UpdateFile();
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path.toStdString());
    }
}

} // namespace
