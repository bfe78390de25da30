#include <QCoreApplication>

#include <gtest/gtest.h>

// For the tests of the layers below the window (platform, settings): an
// event loop for queued calls, and no widgets, so the programs link Qt Core only.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
