// Kills a writer (SIGKILL) at many moments of its saves and checks what it
// leaves: the settings and score-grid files are always one whole version,
// never a mix or a cut, and every log line written before the kill is, once,
// in the live log or an archive.
#include "game/rules/match_file.h"
#include "game/rules/match_statistics.h"
#include "settings/atomic_file.h"
#include "settings/ini.h"
#include "settings/ini_file.h"
#include "settings/write_journal.h"
#include "ui/score_grid/score_grid_file.h"
#include "tests/settings/file_helpers.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <thread>

#include <signal.h>
#include <sys/stat.h>

namespace {

class CrashSafety : public ::testing::Test {
protected:
    // Starts the writer, lets it run for a random while after it is set up,
    // kills it and returns what it printed.
    QByteArray RunAndKill(const char* what, const QString& path, long first, int maxMicros,
        const QString& userFolder = QString())
    {
        QProcess writer;
        QStringList args { what, path, QString::number(first) };
        if (!userFolder.isEmpty()) args << userFolder;
        writer.start(QCoreApplication::applicationDirPath() + "/crash_writer", args);
        EXPECT_TRUE(writer.waitForStarted(10000));
        while (!writer.canReadLine() && writer.waitForReadyRead(10000)) { }
        EXPECT_EQ(writer.readLine(), "ready\n");
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<int>(0, maxMicros)(rng)));
        ::kill(pid_t(writer.processId()), SIGKILL);
        writer.waitForFinished(10000);
        return writer.readAllStandardOutput();
    }

    QString FilePath(const char* name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    std::mt19937 rng { 20261208 };
};

// The number n when all four names are version n, 0 for the defaults, else -1.
long SettingsVersion(const QString& path)
{
    const TIniFile ini(path);
    if (ini.ReadString("PlayerNames", "S", "") == "Lazor"
        && ini.ReadString("PlayerNames", "E", "") == "Savel")
        return 0;
    const QString s = ini.ReadString("PlayerNames", "S", "");
    const long n = s.mid(1).toLong();
    for (const char* seat : { "S", "W", "N", "E" })
        if (ini.ReadString("PlayerNames", seat, "") != seat + QString::number(n)) return -1;
    return n;
}

TEST_F(CrashSafety, SettingsFileIsAlwaysOneWholeVersion)
{
    const QString path = FilePath("Zaviko.ini");
    const TIni defaults(path); // written before the first writer starts
    long first = 1, leftovers = 0;
    std::set<long> seen;
    for (int round = 0; round < 120; ++round) {
        RunAndKill("settings", path, first, 30000);
        const long n = SettingsVersion(path);
        ASSERT_GE(n, 0) << "round " << round << ":\n" << ReadAll(path).toStdString();
        seen.insert(n);
        first += 100000;
        leftovers += FilesIn(dir.path()).size() - 1;
        // Leftovers are aged past the point where no save can own them.
        for (const QString& name : FilesIn(dir.path())) {
            QFile file(dir.filePath(name));
            file.open(QIODevice::ReadWrite);
            file.setFileTime(
                QDateTime::currentDateTime().addSecs(-600), QFile::FileModificationTime);
        }
    }
    // Kills fell in many different saves, not only before the first.
    EXPECT_GT(seen.size(), 60u);
    RunAndKill("settings", path, first, 20000);
    std::printf("settings: 121 kills, %zu versions seen, %ld temporary copies left behind\n",
        seen.size(), leftovers);
    // The next save clears what earlier kills left.
    EXPECT_EQ(RemoveStaleTemporaries(path, 60), 0);
    EXPECT_LE(FilesIn(dir.path()).size(), 2) << FilesIn(dir.path()).join(' ').toStdString();
}

// With the settings' folder refusing new files, each save rewrites the file
// in place, which cuts it first: what a kill leaves may be cut, but the
// journal in the per-user folder lets the next start finish the rewrite, so
// the file it reads is always one whole version.
TEST_F(CrashSafety, SettingsRewrittenInPlaceAreOneWholeVersionAfterTheNextStart)
{
    const QString path = FilePath("Zaviko.ini");
    const TIni defaults(path);
    // The writer's per-user folder, where its journal goes.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(FilePath("user")));
    const QString journals = FilePath("user/crash_writer");
    long first = 1, cut = 0, finished = 0;
    std::set<long> seen;
    const int rounds = qEnvironmentVariableIntValue("ZAVIKO_CRASH_ROUNDS") > 0
        ? qEnvironmentVariableIntValue("ZAVIKO_CRASH_ROUNDS")
        : 40;
    for (int round = 0; round < rounds; ++round) {
        RunAndKill("settings-in-place", path, first, 30000);
        first += 100000;
        if (SettingsVersion(path) < 0) ++cut;
        if (FinishJournaledWrite(path, journals)) ++finished;
        const long n = SettingsVersion(path);
        ASSERT_GE(n, 0) << "round " << round << ":\n" << ReadAll(path).toStdString();
        seen.insert(n);
        // A whole file is never left for a journal to overwrite later.
        ASSERT_FALSE(QFile::exists(JournalName(path, journals))) << round;
    }
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_GT(seen.size(), size_t(rounds / 2));
    std::printf("settings in place: %d kills, %zu versions seen, %ld cut, %ld finished\n", rounds,
        seen.size(), cut, finished);
    EXPECT_EQ(FilesIn(dir.path()), QStringList { "Zaviko.ini" });
}

// The number every cell holds, or -1 for a file that is damaged or mixed.
long GridVersion(const QString& path)
{
    TGridFileData data;
    QString reason;
    if (!ParseGridFile(ReadAll(path), data, reason) || data.cells.empty()) return -1;
    for (const auto& cell : data.cells)
        if (cell.text != data.cells.front().text) return -1;
    return data.cells.size() == 120 ? data.cells.front().text.toLong() : -1;
}

TEST_F(CrashSafety, ScoreGridFileAndItsBackupAreAlwaysWhole)
{
    const QString path = FilePath("grid.txt");
    long first = 1;
    std::set<long> seen;
    // At least 60 kills, more where the writer runs slowly (a loaded machine,
    // a sanitizer), until the kills have fallen in enough different saves.
    int round = 0;
    for (; round < 60 || (round < 300 && seen.size() <= 30u); ++round) {
        RunAndKill("grid", path, first, 40000);
        if (!QFile::exists(path) && round < 3) continue; // killed before the first save
        const long n = GridVersion(path);
        ASSERT_GE(n, 0) << "round " << round << ":\n" << ReadAll(path).left(400).toStdString();
        if (QFile::exists(path + "BAK")) {
            ASSERT_GE(GridVersion(path + "BAK"), 0) << round;
        }
        seen.insert(n);
        first += 100000;
    }
    EXPECT_GT(seen.size(), 30u);
    std::printf("score grid: %d kills, %zu versions seen\n", round, seen.size());
}

// The version of a whole statistics file (its hints), -1 for anything else.
long StatisticsVersion(const QString& path)
{
    std::string error;
    const auto stats = TMatchStatistics::LoadText(ReadAll(path).toStdString(), error);
    return stats ? stats->Of(kPairs, 1).hints : -1;
}

// The version of a whole saved match (its moves), -1 for anything else.
long MatchVersion(const QString& path)
{
    std::string error;
    const auto match = LoadMatchText(ReadAll(path).toStdString(), error);
    return match ? match->state.MovesMade : -1;
}

// The statistics and the saved match are whole after every kill, beside the
// settings and, with their folder read-only, in the per-user folder, where
// the file beside the settings is never touched.
TEST_F(CrashSafety, StatisticsAndSavedMatchAreAlwaysOneWholeVersion)
{
    const struct {
        const char* what;
        const char* name;
        long (*version)(const QString&);
    } files[] = { { "statistics", "Zaviko.stat", StatisticsVersion },
        { "match", "Zaviko.sav", MatchVersion } };
    for (const auto& file : files)
        for (const bool readOnly : { false, true }) {
            SCOPED_TRACE(std::string(file.what) + (readOnly ? " read-only" : ""));
            const QString user = readOnly ? FilePath("user") : QString();
            const QString path = (readOnly ? user : dir.path()) + "/" + file.name;
            // Valid, so the statistics take it over without a message.
            const QByteArray beside = QByteArray::fromStdString(TMatchStatistics().SaveText());
            if (readOnly) WriteAll(FilePath(file.name), beside);
            long first = 1;
            std::set<long> seen;
            // As for the grid: more kills where the writer runs slowly.
            int round = 0;
            for (; round < 60 || (round < 300 && seen.size() <= 30u); ++round) {
                RunAndKill(file.what, FilePath("Zaviko.ini"), first, 30000, user);
                first += 1000;
                if (!QFile::exists(path) && round < 3) continue; // before the first save
                const long n = file.version(path);
                ASSERT_GE(n, 0) << "round " << round << ":\n" << ReadAll(path).toStdString();
                seen.insert(n);
            }
            EXPECT_GT(seen.size(), 30u);
            if (readOnly) {
                EXPECT_EQ(ReadAll(FilePath(file.name)), beside);
            }
            std::printf("%s%s: %d kills, %zu versions seen\n", file.what,
                readOnly ? " (read-only folder)" : "", round, seen.size());
            QFile::remove(path);
            QFile::remove(FilePath(file.name));
        }
}

// Every number in the live log and its archives, with how often it appears.
// A kill between the rotation's two steps leaves the live file under its
// archive name too (one file, two names, until the next start drops the
// live name): it is read once.
std::map<long, int> LoggedLines(const QString& folder)
{
    std::map<long, int> lines;
    std::set<std::pair<dev_t, ino_t>> read;
    static const QRegularExpression line(QStringLiteral("^line (\\d+) x+\\r$"));
    for (const QString& name : FilesIn(folder)) {
        if (!name.startsWith("Zaviko.log")) continue;
        struct stat file { };
        if (::lstat(QFile::encodeName(QDir(folder).filePath(name)).constData(), &file) == 0
            && !read.insert({ file.st_dev, file.st_ino }).second)
            continue;
        for (const QByteArray& text : ReadAll(QDir(folder).filePath(name)).split('\n')) {
            if (text.isEmpty()) continue;
            const auto match = line.match(QString::fromLatin1(text));
            EXPECT_TRUE(match.hasMatch()) << name.toStdString() << ": " << text.toStdString();
            if (match.hasMatch()) ++lines[match.captured(1).toLong()];
        }
    }
    return lines;
}

// Every other writer defers the disk's copy, as the game's start does: a
// kill still loses no line that was written.
TEST_F(CrashSafety, EveryLogLineWrittenBeforeAKillIsKeptOnceAlsoWithItsSyncDeferred)
{
    const QString path = FilePath("Zaviko.log");
    long first = 1;
    std::set<long> acknowledged;
    // At least 60 kills, more on a loaded machine, whose writer gets fewer
    // lines out before each kill, until the kills have covered enough lines
    // and archives.
    int round = 0;
    for (; round < 60
         || (round < 600 && (acknowledged.size() <= 200u || FilesIn(dir.path()).size() <= 20));
         ++round) {
        const QByteArray printed
            = RunAndKill(round % 2 == 0 ? "log" : "log-deferred", path, first, 20000);
        for (const QByteArray& n : printed.split('\n'))
            if (!n.isEmpty()) acknowledged.insert(n.toLong());
        first += 100000;
    }
    const std::map<long, int> lines = LoggedLines(dir.path());
    for (long n : acknowledged) {
        const auto it = lines.find(n);
        ASSERT_TRUE(it != lines.end()) << "line " << n << " was lost";
        ASSERT_EQ(it->second, 1) << "line " << n << " is kept twice";
    }
    // A line being written at the kill may be there, but never twice.
    for (const auto& [n, count] : lines)
        EXPECT_EQ(count, 1) << "line " << n;
    EXPECT_GT(acknowledged.size(), 200u);
    std::printf("log: %d kills, %zu lines acknowledged, %zu kept, %d files\n", round,
        acknowledged.size(), lines.size(), int(FilesIn(dir.path()).size()));
    EXPECT_GT(FilesIn(dir.path()).size(), 20);
}

} // namespace
