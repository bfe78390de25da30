#include "ui/window/raise_over.h"

#include <QWidget>

void RaiseOverSiblings(QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    if (!parent) {
        widget->raise();
        return;
    }
    const QObjectList& siblings = parent->children();
    const QRect place = widget->geometry();
    for (qsizetype i = siblings.indexOf(widget) + 1; i < siblings.size(); ++i) {
        const auto* above = qobject_cast<const QWidget*>(siblings[i]);
        if (above && !above->isWindow() && above->isVisibleTo(parent)
            && above->geometry().intersects(place)) {
            widget->raise();
            return;
        }
    }
}
