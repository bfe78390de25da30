#include "ui/window/after_first_paint.h"
#include "tests/support/run_until.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A window that notes its paints in the same log as the callback.
class TLoggingWindow : public QWidget {
public:
    explicit TLoggingWindow(std::vector<std::string>& log)
        : FLog(log)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override { FLog.push_back("paint"); }

private:
    std::vector<std::string>& FLog;
};

void RunEventsFor(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        ServeEventsOnce();
}

} // namespace

// The work waits for the first paint, runs once, and not again at later
// exposures or when the fallback time has passed.
TEST(AfterFirstPaint, RunsOnceAfterTheWindowsFirstPaint)
{
    std::vector<std::string> log;
    TLoggingWindow window(log);
    window.resize(200, 100);
    window.show();
    CallAfterFirstPaint(&window, [&] { log.push_back("run"); });
    EXPECT_TRUE(log.empty()) << "nothing runs before the event loop";
    RunEventsFor(FirstPaintFallbackMs + 100);
    ASSERT_EQ(std::count(log.begin(), log.end(), "run"), 1);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "paint") << "the work ran before the first paint";
    window.hide();
    window.show();
    RunEventsFor(50);
    EXPECT_EQ(std::count(log.begin(), log.end(), "run"), 1);
}

// A window that is gone before its paint drops the work rather than running
// it on a destroyed window.
TEST(AfterFirstPaint, AWindowClosedBeforeItsPaintDropsTheWork)
{
    bool ran = false;
    {
        QWidget window;
        window.show();
        CallAfterFirstPaint(&window, [&] { ran = true; });
    }
    RunEventsFor(FirstPaintFallbackMs + 100);
    EXPECT_FALSE(ran);
}
