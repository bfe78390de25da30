// The sprite's form hooks and cursor following.
#include "cards/sprite/zugraphics_sprite.h"

#include "cards/sprite/zugraphics_lock.h"
#include "cards/sprite/zugraphics_sprite_layer.h"

#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QResizeEvent>

#include <cstdlib>

bool TZuSprite::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (InForm(watched)) KeyHook(static_cast<QKeyEvent*>(event));
        break;
    case QEvent::Resize:
        if (watched == FForm) ResizeHook(static_cast<QResizeEvent*>(event));
        break;
    case QEvent::Paint:
        if (watched == FForm) PaintHook();
        break;
    default:
        break;
    }
    // The form's own handlers always run too.
    return false;
}

bool TZuSprite::InForm(QObject* object) const
{
    if (!FForm || !object->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(object);
    return widget == FForm || FForm->isAncestorOf(widget);
}

void TZuSprite::KeyHook(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape) return;
    if (event->type() == QEvent::KeyPress) {
        if (FEnabled && HasOption(doDetectEscKey)) FAborted = true;
    } else if (!event->isAutoRepeat()) {
        // A held key repeats as release-press pairs on some systems; only the
        // real release ends the abort.
        FAborted = false;
    }
}

// A resize has already happened when Qt reports it: refusing it puts the form
// back to the size it had, once the current event is done.
void TZuSprite::ResizeHook(QResizeEvent* event)
{
    if (!(HasOption(doWindowPreventResize) && AnimationLocked()) || !FAcceptedSize.isValid()) {
        FAcceptedSize = event->size();
        return;
    }
    if (event->size() == FAcceptedSize) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (FForm && FForm->size() != FAcceptedSize) FForm->resize(FAcceptedSize);
        },
        Qt::QueuedConnection);
}

// The layer paints over the form after the form paints, so the sprite never
// disappears under a form repaint; this only puts the picture in again. A paint
// for reading the background is no repaint of the screen: drawing then would
// put the picture back over a strip just restored.
void TZuSprite::PaintHook()
{
    if (HasOption(doAutoRefresh) && FVisible && FLayer && !ZuRenderingForm())
        FLayer->DrawPicture(QPoint(FX, FY), FBitmap);
}

void TZuSprite::SetSnapToCursor(bool b)
{
    if (b == FSnapToCursor) return;
    FSnapToCursor = b;
    if (b) {
        FSavedIncrementX = FIncrementX;
        FSavedIncrementY = FIncrementY;
        // Put a visible sprite's background back before dropping it, so that no
        // picture stays behind where the sprite was.
        if (FVisible && FLayer) FBackground.RestoreAll(*FLayer, QPoint(FX, FY));
        FBackground.Clear();
        FFirstFollow = true;
        FollowCursor();
        FTimer.start();
    } else {
        FTimer.stop();
        QCoreApplication::processEvents();
        SetVisible(false);
        FIncrementX = FSavedIncrementX;
        FIncrementY = FSavedIncrementY;
    }
}

void TZuSprite::FollowCursor()
{
    // A tick that comes in while a flight processes messages waits for the next.
    if (!FForm || FFlying > 0) return;
    const QPoint cursor = FForm->mapFromGlobal(QCursor::pos());
    if (cursor.x() <= 0 || cursor.x() >= FForm->width() || cursor.y() <= 0
        || cursor.y() >= FForm->height()) {
        SetVisible(false);
        if (OnOutClient) OnOutClient(this);
        return;
    }
    const QPoint target = cursor - QPoint(FCursorDeltaX, FCursorDeltaY);
    if (FFirstFollow) {
        if (FCursorCenter) SetCursorCenter(true);
        FHome = target;
        FFirstFollow = false;
    }
    if (target != QPoint(FX, FY)) {
        FIncrementX = std::abs(target.x() - FX);
        FIncrementY = std::abs(target.y() - FY);
        FDestX = target.x();
        FDestY = target.y();
        if (!FEnabled || FAborted)
            QCoreApplication::processEvents();
        else
            Move();
    }
    if (!FVisible) SetVisible(true);
}
