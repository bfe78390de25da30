#include "cards/sprite/zugraphics_sprite_quit.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

bool quitRequested = false;
bool terminating = false;

// Notes every quit request the application receives.
class QuitWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Quit && watched == QCoreApplication::instance())
            quitRequested = true;
        return false;
    }
};

// The application refuses a quit when a window refuses to close; it then stays
// visible, which is how QApplication itself tells a refused quit.
bool AnyWindowOpen()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::Desktop
            && !w->testAttribute(Qt::WA_DontShowOnScreen))
            return true;
    return false;
}

} // namespace

bool ZuApplicationTerminating()
{
    if (QCoreApplication::closingDown()) return true;
    // A request is judged after the application handled it: by then the flight
    // that asks has returned from processing messages.
    if (quitRequested) {
        quitRequested = false;
        if (!AnyWindowOpen()) terminating = true;
    }
    return terminating;
}

void ZuSetApplicationTerminating(bool b)
{
    terminating = b;
    quitRequested = false;
}

void ZuWatchApplicationQuit()
{
    static QPointer<QuitWatcher> watcher;
    QCoreApplication* app = QCoreApplication::instance();
    if (watcher || !app) return;
    watcher = new QuitWatcher;
    watcher->setParent(app);
    app->installEventFilter(watcher);
}
