#include "ui/window/table_proxy.h"

#include <QPaintEngine>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace {

// What a paint reaches, in the painter's logical coordinates, each device
// rectangle widened to whole logical pixels; empty when the painter has no
// clip of the paint event or is turned.
QRegion ExposedLogicalRegion(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine) return {};
    const QRegion device = engine->systemClip();
    const QTransform toDevice = painter.deviceTransform();
    if (device.isEmpty() || toDevice.type() > QTransform::TxScale) return {};
    const QTransform toLogical = toDevice.inverted();
    QRegion logical;
    for (const QRect& rect : device)
        logical += toLogical.mapRect(QRectF(rect)).toAlignedRect();
    return logical;
}

} // namespace

void TTableProxy::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    QWidget* table = this->widget();
    const QRect whole = rect().toAlignedRect();
    const QRegion exposed = ExposedLogicalRegion(*painter) & whole;
    if (!table || !table->isVisible() || exposed.rectCount() < 2) {
        QGraphicsProxyWidget::paint(painter, option, widget);
        return;
    }
    // The view's repaint is the paint event's clip; the table draws each of
    // its rectangles and nothing between them.
    const QRegion reached = exposed & option->exposedRect.toAlignedRect();
    if (reached.isEmpty()) return;
    table->render(painter, reached.boundingRect().topLeft(), reached);
}
