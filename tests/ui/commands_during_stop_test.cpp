// While "Nova" stops the computers, the menu's dialogs stay shut: the stop
// would otherwise wait until the player closed them.
#include "tests/ui/main_window_fixture.h"

#include "ui/dialogs/help_viewer.h"

namespace {

TEST_F(MainWindowTest, AboutHelpAndStatisticsWaitForAStop)
{
    // A four-second reveal: "Nova" always finds the worker inside it.
    SetOptions([](TIni& s) { s.CompPlayDelay = 4; });
    TForm1& w = Make();
    for (std::uint64_t seed = 1; w.Controller().CurrentPlayer() == w.PlayerS; ++seed) {
        ASSERT_LT(seed, 50u);
        FixRandomSeed(seed);
        w.New1Click();
    }
    for (QAction* item : { w.Menu().About, w.Menu().Help, w.Menu().Statistics }) {
        SCOPED_TRACE(item->objectName().toStdString());
        w.Pocniigru1Click();
        ASSERT_TRUE(Controller().Busy());
        bool stopping = false;
        QString opened;
        // Chosen while the stop serves the worker's last hand-offs.
        QMetaObject::invokeMethod(
            &w,
            [&] {
                stopping = Controller().Stopping();
                QMetaObject::invokeMethod(
                    &w,
                    [&] {
                        if (QWidget* modal = QApplication::activeModalWidget()) {
                            opened = modal->metaObject()->className();
                            modal->close();
                        }
                    },
                    Qt::QueuedConnection);
                item->trigger();
            },
            Qt::QueuedConnection);
        const std::size_t errors = sink.shown.errors.size();
        w.New1Click();
        QApplication::processEvents();
        EXPECT_TRUE(stopping);
        EXPECT_EQ(opened.toStdString(), "");
        EXPECT_TRUE(w.findChildren<THelpViewer*>().isEmpty());
        EXPECT_EQ(sink.shown.errors.size(), errors);
        EXPECT_FALSE(Controller().Busy());
        for (std::uint64_t seed = 1; w.Controller().CurrentPlayer() == w.PlayerS; ++seed) {
            ASSERT_LT(seed, 50u);
            FixRandomSeed(seed);
            w.New1Click();
        }
    }
}

} // namespace
