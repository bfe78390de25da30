// The game starts on whatever a damaged or foreign settings file holds: what
// cannot be read takes its default, and nothing is reported or lost.
#include "tests/settings/file_helpers.h"
#include "tests/ui/main_window_fixture.h"

namespace {

using HostileSettings = MainWindowTest;

TEST_F(HostileSettings, TheGameStartsWithDefaultsForWhatCannotBeRead)
{
    QByteArray garbage(8192, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919 + 13) % 256);
    const struct {
        const char* what;
        QByteArray text;
        QString south;
        int players;
    } cases[] = {
        { "binary garbage", garbage, "Lazor", 0 },
        { "an 8-bit name", "[PlayerNames]\r\nS=\xC8ika\r\n[GameOptions]\r\nNumberOfPlayers=1",
            QString::fromUtf8("\xC4\x8C"
                              "ika"),
            1 },
        { "a name of 5000 characters", "[PlayerNames]\nS=" + QByteArray(5000, 'a') + "\n",
            QString(2047, 'a'), 0 },
        { "numbers past 32 bits",
            "[GameOptions]\nNumberOfPlayers=8589934593\nCompPlays=0x1FFFFFFFF\n", "Lazor", 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteAll(dir.filePath("Zaviko.ini"), c.text);
        TForm1& window = Make();
        EXPECT_EQ(window.Settings().S, c.south);
        EXPECT_EQ(window.Settings().NumberOfPlayers, c.players);
        EXPECT_EQ(window.Settings().CompPlays, 1);
        EXPECT_EQ(window.PlayerS->PlayerName(), c.south);
        EXPECT_TRUE(sink.shown.errors.empty());
        form.reset();
        // The file is only read: what the program did not write is still there.
        EXPECT_EQ(ReadAll(dir.filePath("Zaviko.ini")), c.text);
    }
}

} // namespace
