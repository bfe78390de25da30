// zaviko_net_load: one zaviko-server process and many tables of four bots on
// loopback; prints moves per second, the time from a move sent to every seat
// having it, the server's memory per table and its processor share.
#include "net/programs/load_table.h"
#include "net/programs/process_figures.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using namespace zaviko::net;

struct TFigures {
    int tables = 0;
    double seconds = 0;
    long moves = 0;
    std::vector<qint64> latencies;
    qint64 residentBefore = 0, residentDuring = 0;
    double processor = 0;
    bool failed = false;
};

qint64 Percentile(std::vector<qint64>& values, double p)
{
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

// Runs one size against a fresh server; the event loop turns until every
// table plays and then for `seconds` (or until `moves` are made).
TFigures RunSize(const QString& serverPath, int tables, double seconds, long moves, int thinkMs)
{
    TFigures f;
    f.tables = tables;
    QProcess server;
    server.setProcessChannelMode(QProcess::SeparateChannels);
    server.setStandardErrorFile(QProcess::nullDevice());
    server.start(serverPath,
        { "--port", "0", "--bind", "127.0.0.1", "--max-tables", QString::number(tables), "--seed",
            "1" });
    if (!server.waitForStarted() || !server.waitForReadyRead(10000)) {
        f.failed = true;
        return f;
    }
    const int port = server.readLine().trimmed().toInt();
    const qint64 pid = server.processId();
    f.residentBefore = ResidentBytes(pid);
    QUrl url;
    url.setScheme("ws");
    url.setHost("127.0.0.1");
    url.setPort(port);
    url.setPath("/");

    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<TLoadTable>> all;
    bool measuring = false;
    QEventLoop loop;
    for (int i = 0; i < tables; ++i) {
        all.push_back(std::make_unique<TLoadTable>(url, i, clock, thinkMs));
        all.back()->delivered = [&](qint64 us) {
            if (!measuring) return;
            f.latencies.push_back(us);
            if (++f.moves >= moves && moves > 0) loop.quit();
        };
    }
    double cpuStart = 0;
    qint64 startMs = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const bool failed
            = std::any_of(all.begin(), all.end(), [](auto& t) { return t->Failed(); });
        if (failed) {
            f.failed = true;
            return loop.quit();
        }
        if (!measuring
            && std::all_of(all.begin(), all.end(), [](auto& t) { return t->Playing(); })) {
            measuring = true;
            startMs = clock.elapsed();
            cpuStart = ProcessorSeconds(pid);
            f.residentDuring = ResidentBytes(pid);
        }
        if (measuring && moves == 0 && clock.elapsed() - startMs >= seconds * 1000) loop.quit();
        if (measuring) f.residentDuring = std::max(f.residentDuring, ResidentBytes(pid));
    });
    poll.start(50);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit); // a run that never starts ends
    loop.exec();
    f.seconds = (clock.elapsed() - startMs) / 1000.0;
    f.processor = measuring ? (ProcessorSeconds(pid) - cpuStart) / std::max(f.seconds, 1e-3) : 0;
    if (!measuring) f.failed = true;
    all.clear();
    server.kill();
    server.waitForFinished();
    return f;
}

void Print(TFigures& f)
{
    if (f.failed) {
        std::printf(
            "%5d tables: FAILED (a table could not be opened, joined or played)\n", f.tables);
        return;
    }
    const qint64 median = Percentile(f.latencies, 0.5), p99 = Percentile(f.latencies, 0.99);
    const qint64 worst = f.latencies.empty() ? 0 : f.latencies.back();
    std::printf("%5d tables: %8.0f moves/s  latency median %6.2f ms  p99 %7.2f ms  worst %7.2f ms"
                "  memory %6.1f KB/table  processor %5.1f %%\n",
        f.tables, double(f.moves) / std::max(f.seconds, 1e-3), median / 1000.0, p99 / 1000.0,
        worst / 1000.0, double(f.residentDuring - f.residentBefore) / 1024.0 / f.tables,
        100.0 * f.processor);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Load figures of zaviko-server with bot tables on loopback.");
    parser.addHelpOption();
    const QCommandLineOption sizes(
        "sizes", "Table counts, comma-separated.", "list", "10,100,1000");
    const QCommandLineOption seconds("seconds", "Measured seconds per size.", "s", "10");
    const QCommandLineOption moves(
        "moves", "End each size after this many moves instead.", "n", "0");
    const QCommandLineOption think("think-ms",
        "Each bot waits this long before a move "
        "(0: full speed).",
        "ms", "0");
    parser.addOptions({ sizes, seconds, moves, think });
    parser.process(app);
    const QString serverPath
        = QDir(QCoreApplication::applicationDirPath()).filePath("zaviko-server");
    bool failed = false;
    for (const QString& size : parser.value(sizes).split(',')) {
        TFigures f = RunSize(serverPath, size.toInt(), parser.value(seconds).toDouble(),
            parser.value(moves).toLong(), parser.value(think).toInt());
        Print(f);
        failed = failed || f.failed || f.moves == 0;
    }
    return failed ? 1 : 0;
}
