// The writer the crash tests kill: it saves one of our files over and over
// until it is killed, each save a complete, recognisable version. It prints
// "ready" once set up and, for the log, the number of each line once Write
// has returned. Usage: crash_writer settings|grid|log|log-deferred|statistics|match <path>
// <first number> [per-user folder]; with a per-user folder the statistics and
// the saved match are written as when the settings' folder cannot be written.
#include "game/rules/match_rules.h"
#include "settings/ini.h"
#include "settings/log_file.h"
#include "game/controller/saved_match_store.h"
#include "ui/score_grid/score_grid.h"
#include "game/controller/statistics_store.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <random>
#include <sstream>
#include <cstring>

namespace {

// Version n of the names: every name carries n, so a mix of two versions shows.
void WriteSettings(const QString& path, long first)
{
    TIni ini(path);
    std::puts("ready");
    std::fflush(stdout);
    for (long n = first;; ++n) {
        const QString v = QString::number(n);
        ini.SetPlayerNames("S" + v, "W" + v, "N" + v, "E" + v);
    }
}

// Version n of the table: every cell holds n. The backup is removed before
// each save, so every save is the one that makes a first backup.
void WriteGrid(const QString& path, long first)
{
    TPubStrGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(40);
    std::puts("ready");
    std::fflush(stdout);
    for (long n = first;; ++n) {
        for (int r = 0; r < grid.RowCount(); ++r)
            for (int c = 1; c < grid.ColCount(); ++c)
                grid.SetCells(c, r, QString::number(n));
        QFile::remove(path + "BAK");
        grid.SaveToFile(path);
    }
}

// Lines "line <n>" with a small MaxSize, so archives come every few lines;
// `deferred`: with the log's syncing deferred, as at the game's start.
void WriteLog(const QString& path, long first, bool deferred)
{
    TLogFile log;
    if (deferred) log.DeferSync();
    log.SetLogFileName(path);
    log.SetOptions({});
    log.SetMaxSize(1024);
    log.SetArchiveMode(bkSize);
    log.Open();
    std::puts("ready");
    std::fflush(stdout);
    for (long n = first;; ++n) {
        log.Write(QStringLiteral("line %1 %2\r\n").arg(n).arg(QString(40, 'x')));
        std::printf("%ld\n", n);
        std::fflush(stdout);
    }
}

// Version n of the statistics: n hints, one more at each save, counting on
// from what the last writer left.
void WriteStatistics(const QString& settings, const QString& user)
{
    TStatisticsStore store(settings, user, user.isEmpty());
    std::puts("ready");
    std::fflush(stdout);
    for (;;)
        store.Record({ TMatchEventKind::HintShown, kPairs, 1 });
}

// Version n of the saved match: n moves made.
void WriteMatch(const QString& settings, const QString& user, long first)
{
    TSavedMatchStore store(settings, user, user.isEmpty());
    TSavedMatch match;
    StartMatch(match.state, kEachForHimself, 1, true);
    DealNewDeck(match.state, FreshDeck(1));
    std::ostringstream random;
    random << std::mt19937_64(5);
    match.randomState = random.str();
    std::puts("ready");
    std::fflush(stdout);
    for (long n = first;; ++n) {
        // A count the cards allow: a hand plays at most its two decks' cards.
        match.state.MovesMade = int(n % 40000);
        match.state.HandsPlayed = match.state.MovesMade / 104;
        store.Save(match);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s settings|grid|log <path> <first number>\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[2]);
    const long first = std::atol(argv[3]);
    if (std::strcmp(argv[1], "settings") == 0) WriteSettings(path, first);
    if (std::strcmp(argv[1], "grid") == 0) WriteGrid(path, first);
    if (std::strcmp(argv[1], "log") == 0) WriteLog(path, first, false);
    if (std::strcmp(argv[1], "log-deferred") == 0) WriteLog(path, first, true);
    const QString user = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
    if (std::strcmp(argv[1], "statistics") == 0) WriteStatistics(path, user);
    if (std::strcmp(argv[1], "match") == 0) WriteMatch(path, user, first);
    return 2;
}
