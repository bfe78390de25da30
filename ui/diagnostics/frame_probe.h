#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QWidget;

// An opt-in measure of how the GUI thread keeps up, for scripts/perf.sh. When
// the environment variable ZAVIKO_FRAME_LOG names a file, the probe notes the
// wall-clock time at which the main window's first paint is done and the
// longest stretch the GUI thread was kept from its event loop (a "frame"),
// before and after that first paint, and how many frames after it took over
// 50 ms, and writes them to the file when it is destroyed. Without the
// variable nothing is installed.
//
// A frame is seen as the lateness of a short precise timer: the loop fires it
// as soon as it gets back to its events, modal loops included, whatever
// event dispatcher Qt uses. The figures are high by up to one tick.
class TFrameProbe : public QObject {
public:
    static std::unique_ptr<TFrameProbe> FromEnvironment(QWidget* window);
    ~TFrameProbe() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TFrameProbe(const QString& path, QWidget* window);
    void Tick();

    static constexpr int TickMs = 2;
    // A frame longer than this is one the player may notice.
    static constexpr qint64 SlowFrameNs = 50'000'000;
    QString FPath;
    QWidget* FWindow;
    QTimer FTimer;
    QElapsedTimer FSinceTick;
    bool FPainted = false; // the first paint of the window has been seen
    qint64 FFirstFrameDoneMs = -1; // since the epoch
    double FFirstFrameCpuMs = -1; // the process's processor time by then
    qint64 FLongestStartNs = 0; // frames up to the first paint's
    qint64 FLongestNs = 0; // frames after it
    qint64 FLongestCpuNs = 0; // the most processor time the thread used in one of them
    qint64 FTickCpuNs = 0;
    qint64 FFrames = 0;
    qint64 FSlowFrames = 0; // after the first paint, over SlowFrameNs
};
