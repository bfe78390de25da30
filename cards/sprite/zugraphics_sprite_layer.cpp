#include "cards/sprite/zugraphics_sprite_layer.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

int renderingForm = 0;

} // namespace

bool ZuRenderingForm()
{
    return renderingForm > 0;
}

QImage ZuRenderForm(QWidget* form, const QRect& rect)
{
    QImage image(rect.size(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return image;
    image.fill(Qt::transparent);
    const QRect area = rect.intersected(form->rect());
    if (area.isEmpty()) return image;
    QPainter painter(&image);
    ++renderingForm;
    // render() puts the top-left of the source region at the target offset.
    form->render(
        &painter, area.topLeft() - rect.topLeft(), QRegion(area), QWidget::DrawWindowBackground);
    for (QObject* object : form->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow() || !child->isVisibleTo(form)
            || qobject_cast<TZuSpriteLayer*>(child))
            continue;
        const QRect part = child->geometry().intersected(area);
        if (part.isEmpty()) continue;
        // A child paints its background only when it fills it on screen too.
        child->render(&painter, part.topLeft() - rect.topLeft(),
            QRegion(part.translated(-child->pos())), QWidget::DrawChildren);
    }
    --renderingForm;
    return image;
}

TZuSpriteLayer::TZuSpriteLayer(QWidget* form)
    : QWidget(form)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    FollowForm();
    form->installEventFilter(this);
    show();
}

qreal TZuSpriteLayer::Scale() const
{
    // Whole pixels only, so that strips cleared and drawn meet without seams.
    return std::clamp(std::ceil(devicePixelRatioF()), 1.0, 2.0);
}

void TZuSpriteLayer::FollowForm()
{
    const QSize size = parentWidget()->size();
    // A layer nothing has drawn on yet holds no picture: a table whose cards
    // fly on another stage, or never fly, spends no memory on one.
    if (!FPicture.isNull()) MakePicture(size);
    setGeometry(QRect(QPoint(0, 0), size));
}

void TZuSpriteLayer::MakePicture(QSize size)
{
    const qreal scale = Scale();
    if (!FPicture.isNull() && FPicture.deviceIndependentSize().toSize() == size
        && FPicture.devicePixelRatio() == scale)
        return;
    QImage picture(size * scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    if (!FPicture.isNull()) {
        QPainter painter(&picture);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), FPicture);
    }
    FPicture = picture;
}

QImage& TZuSpriteLayer::Drawable()
{
    if (FPicture.isNull()) MakePicture(parentWidget()->size());
    return FPicture;
}

bool TZuSpriteLayer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) FollowForm();
    return false;
}

QImage TZuSpriteLayer::ReadForm(const QRect& rect)
{
    return ZuRenderForm(parentWidget(), rect);
}

void TZuSpriteLayer::Restore(const QRect& formRect, const QImage&, const QRect&)
{
    if (FPicture.isNull()) return; // nothing was drawn to clear
    QPainter painter(&FPicture);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(formRect, Qt::transparent);
    FDirty += formRect;
}

void TZuSpriteLayer::DrawPicture(QPoint at, const QImage& picture)
{
    if (picture.isNull()) return;
    const QRect place(at, picture.deviceIndependentSize().toSize());
    QPainter painter(&Drawable());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(place, picture);
    FDirty += place;
    FPainted |= place;
}

void TZuSpriteLayer::KeepOnTop()
{
    const QObjectList& siblings = parentWidget()->children();
    for (auto it = siblings.crbegin(); it != siblings.crend(); ++it) {
        if (!(*it)->isWidgetType() || static_cast<QWidget*>(*it)->isWindow()) continue;
        if (*it != this) raise();
        return;
    }
}

void TZuSpriteLayer::Flush()
{
    if (FDirty.isEmpty()) return;
    // repaint, not update: each step of a flight reaches the screen before the
    // next one, where updates would merge into one.
    repaint(FDirty);
    FDirty = QRegion();
}

bool TZuSpriteLayer::HoldsPixels() const
{
    const qreal scale = FPicture.devicePixelRatio();
    const QRect area
        = QRect(FPainted.topLeft() * scale, FPainted.size() * scale).intersected(FPicture.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(FPicture.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(line[x]) != 0) return true;
    }
    return false;
}

void TZuSpriteLayer::ClearLeftovers()
{
    if (FPainted.isEmpty()) return;
    if (HoldsPixels()) Restore(FPainted, QImage(), QRect());
    FPainted = QRect();
}

void TZuSpriteLayer::paintEvent(QPaintEvent* event)
{
    if (FPainted.isEmpty()) return;
    QPainter painter(this);
    const qreal scale = FPicture.devicePixelRatio();
    for (const QRect& r : event->region().intersected(FPainted))
        painter.drawImage(r, FPicture,
            QRectF(r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale));
}
