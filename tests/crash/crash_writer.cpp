// The writer the crash tests kill: it saves one of our files over and over
// until it is killed, each save a complete, recognisable version. It prints
// "ready" once set up and, for the log, the number of each line once Write
// has returned. Usage: crash_writer
// settings|settings-in-place|grid|log|log-deferred|statistics|match|play <path> <first number>
// [per-user folder]; with a per-user folder the statistics and the saved match are written as when
// the settings' folder cannot be written.
#include "game/rules/match_rules.h"
#include "settings/atomic_file.h"
#include "settings/ini.h"
#include "log/log_file.h"
#include "game/controller/saved_match_store.h"
#include "ui/score_grid/score_grid.h"
#include "game/controller/statistics_store.h"
#include "cards/zucard.h"
#include "cards/pictures/zucard_pictures.h"
#include "game/controller/match_controller.h"
#include "game/controller/match_saver.h"
#include "platform/message_sink.h"
#include "ui/window/main_window.h"
#include "ui/desktop/stop_signals.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTimer>

#include <QApplication>
#include <QFile>
#include <QFileInfo>

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

// As WriteSettings, with the settings' folder refusing new files (a
// read-only folder beside a writable settings file), so every save rewrites
// the file in place through its journal in the per-user folder.
void WriteSettingsInPlace(const QString& path, long first)
{
    const QString folder = QFileInfo(path).absolutePath();
    SetNewFilesRefusedHook(
        [folder](const QString& target) { return QFileInfo(target).absolutePath() == folder; });
    WriteSettings(path, first);
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

// Answers every question "Da": go on with the saved match, start, leave.
class TYesSink : public TMessageSink {
public:
    void Information(const std::string&) override { }
    bool Confirmation(const std::string&) override { return true; }
    void Error(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    void Message(const std::string&) override { }
};

// The human's move when it is the human's turn: the first card.
// A box the match opens (the end of a hand) is closed at once.
void PlayWhenOnTurn(TForm1& form)
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
        return;
    }
    TMatchController& match = form.Controller();
    // Not before the question about the saved match has been answered.
    if (match.FirstActivation() || match.Busy() || match.Stopping() || match.State().GameOver
        || match.CurrentPlayer() != form.PlayerS)
        return;
    int slot = 0;
    while (slot < form.PlayerS->SlotCount() && form.PlayerS->CardAt(slot)->Empty())
        ++slot;
    if (slot == form.PlayerS->SlotCount()) return;
    bool playIt = false, faceDown = false;
    TZuTablePos pos = tpAuto;
    form.PlayerS->OnCardClick(
        form.PlayerS, form.PlayerS->CardAt(slot), slot, playIt, pos, faceDown, Qt::LeftButton);
}

// The game's window in `folder` with zero pauses, going on with the match
// saved there (or a new one) and playing the human's moves as fast as the
// match lets it. It prints "saved <moves>" once each move is on the disk,
// stops on the stop signals as the program does, and prints "closed" when
// the window has closed.
int PlayMatch(const QString& folder)
{
    SetMessageSink(std::make_unique<TYesSink>());
    AcquireCardPictures();
    TIni(QDir(folder).filePath("Zaviko.ini"))
        .SetGameOptions(0, 0, 0, 0, 0, true, false, true, true, true, false);
    int result = 0;
    {
        TForm1 form(folder);
        CatchStopSignals(&form, [&form](int) { form.CloseOnStopSignal(); });
        // Each completed move as the window hands it over, by its moves and
        // a digest of its text, so the tests can tell which one a file holds.
        auto progress = form.Controller().OnMatchProgress;
        form.Controller().OnMatchProgress = [progress](const std::optional<TSavedMatch>& match) {
            progress(match);
            if (match)
                std::printf("kept %d %s\n", match->state.MovesMade,
                    QCryptographicHash::hash(
                        QByteArray::fromStdString(SaveMatchText(*match)), QCryptographicHash::Sha1)
                        .toHex()
                        .constData());
            else
                std::puts("kept none");
            std::fflush(stdout);
        };
        auto written = form.MatchSaver().OnWritten;
        form.MatchSaver().OnWritten = [written](int moves, bool ok) {
            written(moves, ok);
            if (ok) std::printf("saved %d\n", moves);
            std::fflush(stdout);
        };
        form.show();
        QTimer player;
        QObject::connect(&player, &QTimer::timeout, &form, [&form] { PlayWhenOnTurn(form); });
        player.start(0);
        std::puts("ready");
        std::fflush(stdout);
        result = QApplication::exec();
    }
    ReleaseCardPictures();
    std::puts("closed");
    std::fflush(stdout);
    return result;
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
    if (std::strcmp(argv[1], "settings-in-place") == 0) WriteSettingsInPlace(path, first);
    if (std::strcmp(argv[1], "grid") == 0) WriteGrid(path, first);
    if (std::strcmp(argv[1], "log") == 0) WriteLog(path, first, false);
    if (std::strcmp(argv[1], "log-deferred") == 0) WriteLog(path, first, true);
    const QString user = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
    if (std::strcmp(argv[1], "statistics") == 0) WriteStatistics(path, user);
    if (std::strcmp(argv[1], "match") == 0) WriteMatch(path, user, first);
    if (std::strcmp(argv[1], "play") == 0) return PlayMatch(path);
    return 2;
}
