// Closing a dialog or a message box gives the keyboard back to the main
// window: its keys work at once, with no click on it first.
#include "tests/ui/main_window_fixture.h"
#include "tests/support/run_until.h"

#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/dialogs/options_dialog.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

// The program's own message boxes in place of the recorder, for one scope.
class TRealMessageBoxes {
public:
    TRealMessageBoxes()
        : FRecorder(SetMessageSink(MakeMessageBoxSink()))
    {
    }
    ~TRealMessageBoxes() { SetMessageSink(std::move(FRecorder)); }

private:
    std::unique_ptr<TMessageSink> FRecorder;
};

} // namespace

class FocusReturnTest : public MainWindowTest {
protected:
    // Runs `act` from the event loop on the next modal window other than
    // `after` once it is open.
    void WhenModal(std::function<void(QWidget&)> act, QWidget* after = nullptr, int tries = 5000)
    {
        QTimer::singleShot(1, form.get(), [this, act, after, tries] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != after && modal->isVisible())
                act(*modal);
            else if (tries > 0)
                WhenModal(act, after, tries - 1);
        });
    }
    // A menu item by the keys: Alt and the menu's letter, then the item's.
    void Menu(char menu, char item)
    {
        QTest::keyClick(form.get(), menu, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_TRUE(popup) << "Alt+" << menu << " opened no menu";
        QTest::keyClick(popup, item);
    }
    // The window is the active one and T, sent where the system sends keys,
    // shows or hides the score table.
    void ExpectKeysReachTheWindow(const char* after)
    {
        SCOPED_TRACE(after);
        for (int i = 0; i < 10; ++i)
            QApplication::processEvents();
        EXPECT_FALSE(QApplication::activeModalWidget());
        EXPECT_EQ(QApplication::activeWindow(), form.get());
        QWindow* focus = QGuiApplication::focusWindow();
        ASSERT_TRUE(focus);
        EXPECT_EQ(focus, form->windowHandle());
        const bool shown = Controller().ScoreTableShown();
        QTest::keyClick(focus, Qt::Key_T);
        EXPECT_NE(Controller().ScoreTableShown(), shown);
    }
};

TEST_F(FocusReturnTest, TheWindowHasTheKeysAgainAfterEveryDialogAndMessageBox)
{
    TForm1& w = Make();
    sink.shown.confirmReply = false;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    // The start's question goes to the recorder, after the first paint.
    QElapsedTimer timer;
    timer.start();
    while (Controller().FirstActivation() && timer.elapsed() < 10000)
        ServeEventsOnce();
    SeedWhereHumanStarts();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const TRealMessageBoxes boxes;

    // Another language in "Opcije...", "Prihvati", then OK on the box that
    // says it applies from the next start.
    int boxesSeen = 0;
    WhenModal([&](QWidget& modal) {
        auto* options = qobject_cast<TFOptions*>(&modal);
        if (!options) {
            ADD_FAILURE() << "opened: " << modal.metaObject()->className() << " "
                          << modal.windowTitle().toStdString();
            modal.close();
            return;
        }
        auto* language = options->findChild<QComboBox*>(QStringLiteral("ComboLanguage"));
        ASSERT_TRUE(language);
        language->setCurrentIndex((language->currentIndex() + 1) % language->count());
        WhenModal(
            [&](QWidget& box) {
                boxesSeen += qobject_cast<QMessageBox*>(&box) != nullptr;
                QTest::keyClick(&box, Qt::Key_Return);
            },
            options);
        QTest::mouseClick(
            options->findChild<QPushButton*>(QStringLiteral("ButtonAccept")), Qt::LeftButton);
    });
    Menu('o', 'o');
    EXPECT_EQ(boxesSeen, 1);
    ExpectKeysReachTheWindow("the language's message box and the options");

    // The question of "Nova" during a match, answered "Ne" by Escape.
    QTest::keyClick(&w, Qt::Key_1);
    WaitIdle();
    ASSERT_TRUE(Controller().MatchUnderway());
    WhenModal([](QWidget& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    QTest::keyClick(&w, Qt::Key_N);
    ExpectKeysReachTheWindow("the question of a new match");
    EXPECT_TRUE(Controller().MatchUnderway());

    // "O programu", closed by Escape.
    bool about = false;
    WhenModal([&](QWidget& dialog) {
        about = qobject_cast<TFAbout*>(&dialog) != nullptr;
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Menu('p', 'o');
    EXPECT_TRUE(about);
    ExpectKeysReachTheWindow("the about box");
}
