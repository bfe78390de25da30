// The accessibility tests' main: a real X display and a live AT-SPI bus
// (scripts/with-a11y-bus.sh), on which Qt's bridge makes accessibility active
// and events flow as they do to a screen reader.
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    QElapsedTimer waited;
    waited.start();
    // The bridge connects to the bus after the start.
    while (!QAccessible::isActive() && waited.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!QAccessible::isActive()) {
        std::fprintf(stderr,
            "accessibility is not active: no AT-SPI bus (run through "
            "scripts/with-a11y-bus.sh)\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
