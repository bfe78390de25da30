// The match in play against every way the game can stop. Killed at a random
// moment, the game leaves its match on the disk as of a completed move, no
// older than the last one it had written, and the next start goes on from
// exactly that; each stop signal closes the game as "Gotovo" does, the match
// kept and the program ending normally.
#include "game/rules/match_file.h"
#include "settings/ini.h"
#include "tests/settings/file_helpers.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <thread>

#include <signal.h>

namespace {

// What the game printed before it stopped, and how it ended.
struct TPlayed {
    std::vector<std::pair<int, QByteArray>> kept; // each completed move: moves, digest
    std::vector<int> saved; // each move on the disk
    bool over = false; // the match ended, so no file is kept
    bool closed = false;
    QProcess::ExitStatus status = QProcess::NormalExit;
    int code = 0;
};

class MatchStops : public ::testing::Test {
protected:
    QString Save() const { return dir.filePath("Zaviko.sav"); }
    static int Rounds(int quick)
    {
        const int asked = qEnvironmentVariableIntValue("ZAVIKO_CRASH_ROUNDS");
        return asked > 0 ? asked : quick;
    }

    // Starts the game on the match in `dir` (or a new one), lets it play
    // until a move is on the disk and a random while after, then sends `signal`.
    TPlayed PlayAndStop(int signal)
    {
        QProcess game;
        game.start(
            QCoreApplication::applicationDirPath() + "/crash_writer", { "play", dir.path(), "0" });
        EXPECT_TRUE(game.waitForStarted(10000));
        QByteArray out;
        while (!out.contains("\nsaved ") && game.waitForReadyRead(20000))
            out += game.readAllStandardOutput();
        EXPECT_TRUE(out.contains("\nsaved ")) << out.toStdString();
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<int>(0, 400000)(rng)));
        ::kill(pid_t(game.processId()), signal);
        EXPECT_TRUE(game.waitForFinished(20000));
        out += game.readAllStandardOutput();
        TPlayed played;
        played.status = game.exitStatus();
        played.code = game.exitCode();
        for (const QByteArray& line : out.split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (line == "kept none")
                played.over = true;
            else if (words.size() == 3 && words[0] == "kept")
                played.kept.emplace_back(words[1].toInt(), words[2]);
            else if (words.size() == 2 && words[0] == "saved")
                played.saved.push_back(words[1].toInt());
            else if (line == "closed")
                played.closed = true;
        }
        return played;
    }

    QTemporaryDir dir;
    std::mt19937 rng { 20261209 };
};

QByteArray Digest(const QByteArray& text)
{
    return QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex();
}

int MovesIn(const QString& path)
{
    std::string error;
    const auto match = LoadMatchText(ReadAll(path).toStdString(), error);
    return match ? match->state.MovesMade : -1;
}

TEST_F(MatchStops, AKilledGameKeepsItsLastMoveAndTheNextStartGoesOnFromIt)
{
    QByteArray onDisk; // the digest of what the last kill left
    const int rounds = Rounds(5);
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const TPlayed played = PlayAndStop(SIGKILL);
        ASSERT_FALSE(played.kept.empty());
        ASSERT_FALSE(played.saved.empty());
        // The match resumed is the one the kill left, to the last byte.
        if (!onDisk.isEmpty()) {
            EXPECT_EQ(played.kept.front().second, onDisk);
        }
        if (played.over) return; // the match ended: nothing left to keep
        const QByteArray text = ReadAll(Save());
        ASSERT_GE(MovesIn(Save()), played.saved.back()) << text.toStdString();
        // Exactly one of the completed moves, never one half made.
        onDisk = Digest(text);
        EXPECT_TRUE(std::any_of(played.kept.begin(), played.kept.end(), [&](const auto& kept) {
            return kept.second == onDisk;
        })) << text.toStdString();
    }
}

TEST_F(MatchStops, EachStopSignalClosesTheGameAsGotovoDoesWithTheMatchKept)
{
    for (const int signal : { SIGTERM, SIGINT, SIGHUP, SIGQUIT }) {
        SCOPED_TRACE(strsignal(signal));
        const TPlayed played = PlayAndStop(signal);
        ASSERT_EQ(played.status, QProcess::NormalExit);
        EXPECT_EQ(played.code, 0);
        EXPECT_TRUE(played.closed);
        ASSERT_FALSE(played.kept.empty());
        if (played.over) return;
        EXPECT_EQ(MovesIn(Save()), played.kept.back().first);
    }
}

// The program itself, copied with its card library to a folder of its own
// (its settings live beside it): a stop signal while it asks whether to go
// on with the saved match ends it normally, the match left for the next start.
TEST_F(MatchStops, TheProgramEndsNormallyOnEachStopSignalAndKeepsTheSavedMatch)
{
    const QString bin = QCoreApplication::applicationDirPath();
    for (const char* name : { "Zaviko", "libzucards.so" })
        ASSERT_TRUE(QFile::copy(bin + "/" + name, dir.filePath(name))) << name;
    PlayAndStop(SIGKILL); // a match under way to offer
    const QByteArray saved = ReadAll(Save());
    ASSERT_GT(MovesIn(Save()), 0);
    for (const int signal : { SIGTERM, SIGINT, SIGHUP, SIGQUIT }) {
        SCOPED_TRACE(strsignal(signal));
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", dir.filePath("user"));
        game.setProcessEnvironment(env);
        game.start(dir.filePath("Zaviko"), {});
        ASSERT_TRUE(game.waitForStarted(10000));
        // Until the program catches the signal (a bit in its SigCgt mask).
        const QString status = QStringLiteral("/proc/%1/status").arg(game.processId());
        const quint64 bit = quint64(1) << (signal - 1);
        bool caught = false;
        for (int i = 0; i < 2000 && !caught && game.state() == QProcess::Running; ++i) {
            for (const QByteArray& line : ReadAll(status).split('\n'))
                if (line.startsWith("SigCgt:"))
                    caught = (line.mid(7).trimmed().toULongLong(nullptr, 16) & bit) != 0;
            if (!caught) game.waitForFinished(5);
        }
        ASSERT_TRUE(caught) << "the program never caught the signal";
        ::kill(pid_t(game.processId()), signal);
        ASSERT_TRUE(game.waitForFinished(20000));
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(game.exitCode(), 0);
        EXPECT_EQ(ReadAll(Save()), saved);
    }
}

} // namespace
