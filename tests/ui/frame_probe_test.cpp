#include "ui/diagnostics/flight_figures.h"
#include "ui/diagnostics/frame_probe.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <ctime>
#include <map>
#include <string>

namespace {

double ThreadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Keeps the GUI thread working for `ms` of its own processor time, however
// loaded the machine is.
void Work(double ms)
{
    const double end = ThreadCpuMs() + ms;
    while (ThreadCpuMs() < end) { }
}

std::map<std::string, double> ReadFigures(const QString& path)
{
    std::map<std::string, double> figures;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return figures;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2) figures[parts[0].toStdString()] = parts[1].toDouble();
    }
    return figures;
}

TEST(FrameProbe, OffWithoutTheVariable)
{
    qunsetenv("ZAVIKO_FRAME_LOG");
    QWidget window;
    EXPECT_EQ(TFrameProbe::FromEnvironment(&window), nullptr);
}

TEST(FrameProbe, WritesTheFirstPaintAndTheLongestFrameAfterIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("frames");
    qputenv("ZAVIKO_FRAME_LOG", path.toLocal8Bit());
    const qint64 started = QDateTime::currentMSecsSinceEpoch();
    {
        QWidget window;
        window.resize(100, 100);
        window.show();
        auto probe = TFrameProbe::FromEnvironment(&window);
        qunsetenv("ZAVIKO_FRAME_LOG");
        ASSERT_NE(probe, nullptr);
        QTest::qWait(100); // the window's first paint
        // Each piece of work, then ticks after it: on a loaded machine the
        // work may take longer than any fixed wait.
        const auto frameOf = [](double ms) {
            bool done = false;
            QTimer::singleShot(0, [ms, &done] {
                Work(ms);
                done = true;
            });
            EXPECT_TRUE(QTest::qWaitFor([&done] { return done; }, 10000));
            QTest::qWait(50);
        };
        frameOf(30);
        frameOf(55); // a frame a player would notice
    }
    const auto figures = ReadFigures(path);
    ASSERT_EQ(figures.count("longest_frame_ms"), 1u) << path.toStdString();
    EXPECT_GE(figures.at("first_frame_done_epoch_ms"), started);
    EXPECT_LE(figures.at("first_frame_done_epoch_ms"), started + 100 + 1000);
    EXPECT_GT(figures.at("first_frame_cpu_ms"), 0);
    // The 55 ms of work is the longest frame, in wall time and in the thread's time.
    EXPECT_GE(figures.at("longest_frame_ms"), 54);
    EXPECT_GE(figures.at("longest_frame_cpu_ms"), 54);
    EXPECT_LT(figures.at("longest_frame_cpu_ms"), 85);
    // It is over 50 ms; the 30 ms one is not. A loaded machine may add a
    // slow frame of its own, never take one away.
    EXPECT_GE(figures.at("frames_over_50ms"), 1);
    EXPECT_LT(figures.at("frames_over_50ms"), figures.at("frames"));
    EXPECT_GT(figures.at("frames"), 2);
}

TEST(FrameProbe, FlightGapPercentilesComeFromTheGapsByTenthOfAMillisecond)
{
    TFlightFigures figures;
    EXPECT_EQ(FlightGapPercentileMs(figures, 0.99), 0.0);
    figures.gapsByTenthMs[150] = 98; // 98 gaps of 15.0 to 15.1 ms
    figures.gapsByTenthMs[200] = 1; // one of 20.0 ms
    figures.gapsByTenthMs[1000] = 1; // one of 100 ms or more
    EXPECT_DOUBLE_EQ(FlightGapPercentileMs(figures, 0.5), 15.1);
    EXPECT_DOUBLE_EQ(FlightGapPercentileMs(figures, 0.98), 15.1);
    EXPECT_DOUBLE_EQ(FlightGapPercentileMs(figures, 0.99), 20.1);
    EXPECT_DOUBLE_EQ(FlightGapPercentileMs(figures, 1.0), 100.1);
}

} // namespace
