// Drag and drop onto a card group: the program's handlers decide everything.
#include "cards/group/zucard_group.h"

#include <QDropEvent>
#include <QPointer>

bool TZuCardGroup::DragOver(QObject* source, int x, int y, const QMimeData* data)
{
    if (!OnDragDrop) return false;
    bool accept = true;
    if (OnDragOver) OnDragOver(this, source, x, y, data, accept);
    return accept;
}

void TZuCardGroup::DragDrop(QObject* source, int x, int y, const QMimeData* data)
{
    QPointer<TZuCardGroup> self(this);
    QPointer<QObject> from(source);
    if (OnDragDrop) OnDragDrop(this, source, x, y, data);
    // What the handler moved shows on both sides.
    if (auto* group = qobject_cast<TZuCardGroup*>(from.data()); group && group != self)
        group->RedrawCards(false);
    else if (auto* control = qobject_cast<QWidget*>(from.data()); control && control != self)
        control->update();
    if (self) RedrawCards(false);
}

void TZuCardGroup::dragEnterEvent(QDragEnterEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (DragOver(event->source(), at.x(), at.y(), event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TZuCardGroup::dragMoveEvent(QDragMoveEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (DragOver(event->source(), at.x(), at.y(), event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TZuCardGroup::dropEvent(QDropEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (!DragOver(event->source(), at.x(), at.y(), event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    DragDrop(event->source(), at.x(), at.y(), event->mimeData());
}
