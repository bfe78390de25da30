#include "ui/window/badge_label.h"

#include <QPainter>

TBadgeLabel::TBadgeLabel(QWidget* parent, const TLook& look)
    : QLabel(parent)
    , FLook(look)
{
    const int x = look.padX + look.ring, y = look.padY + look.ring;
    setContentsMargins(x, y, x, y);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, look.text);
    setPalette(palette);
}

void TBadgeLabel::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        // The ring's pen is centred on its edge: inset by half its width.
        const qreal inset = FLook.ring / 2.0;
        painter.setPen(FLook.ring > 0 ? QPen(Qt::white, FLook.ring) : QPen(Qt::NoPen));
        painter.setBrush(FLook.background);
        painter.drawRoundedRect(
            QRectF(rect()).adjusted(inset, inset, -inset, -inset), FLook.radius, FLook.radius);
    }
    QLabel::paintEvent(event);
}
