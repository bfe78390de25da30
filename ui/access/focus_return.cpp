#include "ui/access/focus_return.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// The window that should be active: the innermost modal dialog still open,
// else the main window.
QWidget* NextActive(QWidget* main)
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->isVisible() ? modal : main;
}

// True when no visible window of the program has the focus.
bool FocusLost()
{
    const QWidget* active = QApplication::activeWindow();
    const QWindow* focus = QGuiApplication::focusWindow();
    return !active || !active->isVisible() || !focus || !focus->isVisible();
}

class TFocusReturn : public QObject {
public:
    explicit TFocusReturn(QWidget* main)
        : QObject(main)
        , FMain(main)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && watched != FMain && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->isWindow())
            // After the closing window's own code has run (a dialog that
            // closes after its message box), once the hiding is complete.
            QTimer::singleShot(0, this, [this] { Return(); });
        return false;
    }

private:
    void Return()
    {
        if (!FMain || !FMain->isVisible() || FMain->isMinimized() || !FocusLost()) return;
        QWidget* next = NextActive(FMain);
        next->raise();
        next->activateWindow();
    }

    QPointer<QWidget> FMain;
};

} // namespace

void ReturnFocusOnClose(QWidget* mainWindow)
{
    qApp->installEventFilter(new TFocusReturn(mainWindow));
}
