#include "ui/window/after_first_paint.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Watches the window's platform window for its first exposure. The expose
// event paints the window as it is handled, so a zero timer started here
// fires after that paint.
class TFirstExposeWatch : public QObject {
public:
    TFirstExposeWatch(QWidget* window, std::function<void()> fn)
        : QObject(window)
        , FWindow(window)
        , FFn(std::move(fn))
    {
        window->windowHandle()->installEventFilter(this);
        QTimer::singleShot(FirstPaintFallbackMs, this, [this] { Fire(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { Fire(); });
        }
        return false;
    }

private:
    void Fire()
    {
        if (FFired) return;
        FFired = true;
        deleteLater();
        if (FWindow) FFn();
    }

    QPointer<QWidget> FWindow;
    std::function<void()> FFn;
    bool FFired = false;
};

} // namespace

void CallAfterFirstPaint(QWidget* window, std::function<void()> fn)
{
    if (!window->windowHandle()) {
        QTimer::singleShot(0, window, std::move(fn));
        return;
    }
    new TFirstExposeWatch(window, std::move(fn));
}
