#include "ui/diagnostics/frame_probe.h"

#include "ui/diagnostics/event_times.h"
#include "ui/diagnostics/flight_figures.h"
#include "ui/diagnostics/startup_steps.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <algorithm>
#include <ctime>

std::unique_ptr<TFrameProbe> TFrameProbe::FromEnvironment(QWidget* window)
{
    const QString path = qEnvironmentVariable("ZAVIKO_FRAME_LOG");
    if (path.isEmpty()) return nullptr;
    return std::unique_ptr<TFrameProbe>(new TFrameProbe(path, window));
}

TFrameProbe::TFrameProbe(const QString& path, QWidget* window)
    : FPath(path)
    , FWindow(window)
{
    EventTimes::Start();
    // Watches paints only until the window's first one.
    qApp->installEventFilter(this);
    FTimer.setTimerType(Qt::PreciseTimer);
    FTimer.setInterval(TickMs);
    connect(&FTimer, &QTimer::timeout, this, &TFrameProbe::Tick);
    FTimer.start();
    FSinceTick.start();
    FTickCpuNs = ThreadCpuNs();
}

TFrameProbe::~TFrameProbe()
{
    QFile file(FPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    const QString text = QStringLiteral("first_frame_done_epoch_ms %1\nfirst_frame_cpu_ms %2\n"
                                        "longest_startup_frame_ms %3\nlongest_frame_ms %4\n"
                                        "longest_frame_cpu_ms %5\nframes %6\n"
                                        "frames_over_50ms %7\n")
                             .arg(FFirstFrameDoneMs)
                             .arg(FFirstFrameCpuMs, 0, 'f', 1)
                             .arg(FLongestStartNs / 1e6, 0, 'f', 1)
                             .arg(FLongestNs / 1e6, 0, 'f', 1)
                             .arg(FLongestCpuNs / 1e6, 0, 'f', 1)
                             .arg(FFrames)
                             .arg(FSlowFrames);
    file.write(text.toUtf8());
    const TFlightFigures& flights = FlightFigures();
    const double flyingS = flights.flyingNs / 1e9;
    file.write(
        QStringLiteral("flight_frames %1\nflight_seconds %2\nflight_fps %3\n"
                       "longest_flight_frame_gap_ms %4\nlongest_flight_paint_ms %5\n"
                       "flight_paints %6\nlongest_flight_paint_cpu_ms %7\n"
                       "mean_flight_paint_cpu_ms %8\nflight_gaps_over_17ms %9\n"
                       "flight_gaps_over_25ms %10\nflight_gaps_over_17ms_busy %11\n"
                       "flight_gap_p50_ms %12\nflight_gap_p99_ms %13\n"
                       "longest_flight_paint_area %14x%15\n"
                       "longest_flight_paint_after_ms %16\n"
                       "mean_flight_paint_ms %17\nflight_paints_over_16ms %18\n")
            .arg(flights.frames)
            .arg(flyingS, 0, 'f', 1)
            .arg(flyingS > 0 ? flights.frames / flyingS : 0.0, 0, 'f', 1)
            .arg(flights.longestGapNs / 1e6, 0, 'f', 1)
            .arg(flights.longestPaintNs / 1e6, 0, 'f', 1)
            .arg(flights.paints)
            .arg(flights.longestPaintCpuNs / 1e6, 0, 'f', 1)
            .arg(flights.paints > 0 ? flights.paintCpuNs / 1e6 / flights.paints : 0.0, 0, 'f', 2)
            .arg(flights.gapsOver17ms)
            .arg(flights.gapsOver25ms)
            .arg(flights.gapsOver17msBusy)
            .arg(FlightGapPercentileMs(flights, 0.5), 0, 'f', 1)
            .arg(FlightGapPercentileMs(flights, 0.99), 0, 'f', 1)
            .arg(flights.longestPaintWidth)
            .arg(flights.longestPaintHeight)
            .arg(flights.longestPaintEpochMs - FFirstFrameDoneMs)
            .arg(flights.paints > 0 ? flights.paintNs / 1e6 / flights.paints : 0.0, 0, 'f', 2)
            .arg(flights.paintsOver16ms)
            .toUtf8());
    // What held the GUI thread longest while cards flew.
    for (const EventTimes::TCost& cost : EventTimes::Slowest(8))
        file.write(QStringLiteral("flight_event %1 %2 %3 %4\n")
                       .arg(cost.longestNs / 1e6, 0, 'f', 1)
                       .arg(cost.totalNs / 1e6, 0, 'f', 1)
                       .arg(cost.count)
                       .arg(cost.what)
                       .toUtf8());
    for (const auto& [step, epochMs] : StartupSteps::Noted())
        file.write(QStringLiteral("step_%1_epoch_ms %2\n").arg(step).arg(epochMs).toUtf8());
}

bool TFrameProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == FWindow) {
        FPainted = true;
        qApp->removeEventFilter(this);
    }
    return false;
}

void TFrameProbe::Tick()
{
    // The time past the interval is time the thread spent on something else.
    const qint64 ns = std::max<qint64>(0, FSinceTick.nsecsElapsed() - TickMs * 1000000LL);
    FSinceTick.start();
    const qint64 cpu = ThreadCpuNs();
    const qint64 cpuNs = cpu - FTickCpuNs;
    FTickCpuNs = cpu;
    ++FFrames;
    if (FFirstFrameDoneMs < 0) {
        FLongestStartNs = std::max(FLongestStartNs, ns);
        // The first tick after the window's first paint: it is on the screen.
        if (FPainted) {
            FFirstFrameDoneMs = QDateTime::currentMSecsSinceEpoch();
            // Wall time depends on the machine's load; processor time less so.
            FFirstFrameCpuMs = 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
        }
        return;
    }
    FLongestNs = std::max(FLongestNs, ns);
    // The tick's own interval counts as part of the frame.
    if (ns + TickMs * 1000000LL > SlowFrameNs) ++FSlowFrames;
    FLongestCpuNs = std::max(FLongestCpuNs, cpuNs);
}
