#include "cards/sprite/zugraphics_control.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

TZuCustomGraphicControl::TZuCustomGraphicControl(QWidget* parent)
    : QWidget(parent)
    , FBrushColor(parent ? parent->palette().color(QPalette::Window) : QColor(Qt::white))
{
    // The control paints every pixel itself, from its picture or its brush.
    setAttribute(Qt::WA_OpaquePaintEvent);
    FBitmap = QImage(0, 0, QImage::Format_ARGB32_Premultiplied);
}

void TZuCustomGraphicControl::SetSeeThrough(bool b)
{
    if (b == FSeeThrough) return;
    FSeeThrough = b;
    if (b) FSolidBrush = FBrushColor;
    FBrushColor = b ? QColor(Qt::transparent) : FSolidBrush;
    setAttribute(Qt::WA_OpaquePaintEvent, !b);
    RedrawAtPictureScale();
    update();
}

qreal TZuCustomGraphicControl::PictureScale() const
{
    return std::clamp(std::ceil(devicePixelRatioF()), 1.0, 2.0) * FViewScale;
}

QSize TZuCustomGraphicControl::BitmapSize() const
{
    return FBitmap.isNull() ? QSize(0, 0) : FBitmap.deviceIndependentSize().toSize();
}

void TZuCustomGraphicControl::SetBitmapSize(int width, int height)
{
    if (BitmapSize() == QSize(width, height) && !FBitmap.isNull()) return;
    const qreal scale = PictureScale();
    FBitmap = QImage(std::max(0, int(width * scale)), std::max(0, int(height * scale)),
        QImage::Format_ARGB32_Premultiplied);
    FBitmap.setDevicePixelRatio(scale);
    FBitmap.fill(FBrushColor);
    PictureChanged();
}

void TZuCustomGraphicControl::SetViewScale(qreal scale)
{
    scale = std::clamp(scale, 1.0, 16.0);
    if (qFuzzyCompare(scale, FViewScale)) return;
    FViewScale = scale;
    RedrawAtPictureScale();
}

void TZuCustomGraphicControl::RedrawAtPictureScale()
{
    const QSize size = BitmapSize();
    FBitmap = QImage();
    SetBitmapSize(size.width(), size.height());
}

void TZuCustomGraphicControl::SetAutoSize(bool b)
{
    FAutoSize = b;
    if (b) PictureChanged();
}

void TZuCustomGraphicControl::SynchronizeForm()
{
    if (!FSynchronize) return;
    QEvent event(ZuSynchronizeEvent);
    if (QWidget* form = window(); form && form != this) QCoreApplication::sendEvent(form, &event);
}

void TZuCustomGraphicControl::PictureChanged()
{
    if (FAutoSize) {
        if (!FLoading) resize(BitmapSize());
        return;
    }
    SynchronizeForm();
    update();
}

void TZuCustomGraphicControl::PaintArea(const QRect& rect)
{
    if (FDrawLock > 0 || !isVisible()) return;
    SynchronizeForm();
    repaint(rect.intersected(this->rect()));
}

void TZuCustomGraphicControl::ShowAll()
{
    if (FDrawLock > 0) return;
    SynchronizeForm();
    repaint();
}

void TZuCustomGraphicControl::paintEvent(QPaintEvent* event)
{
    if (FDrawLock > 0) return;
    QPainter painter(this);
    const QRect clip = event->rect();
    const QRect picture(QPoint(0, 0), BitmapSize());
    if (!FGraphicEmpty) {
        const QRect shown = clip.intersected(picture);
        if (!shown.isEmpty()) {
            painter.setCompositionMode(FSeeThrough ? QPainter::CompositionMode_SourceOver
                                                   : QPainter::CompositionMode_Source);
            painter.drawImage(shown, FBitmap,
                QRectF(shown.topLeft() * FBitmap.devicePixelRatio(),
                    shown.size() * FBitmap.devicePixelRatio()));
        }
    }
    // Whatever the picture does not cover shows the brush, or what lies beneath.
    if (FSeeThrough) return;
    QRegion rest = QRegion(clip);
    if (!FGraphicEmpty) rest -= picture;
    for (const QRect& r : rest)
        painter.fillRect(r, FBrushColor);
}

void TZuCustomGraphicControl::resizeEvent(QResizeEvent* event)
{
    if (FAutoSize && !FLoading && size() != BitmapSize()) resize(BitmapSize());
    QWidget::resizeEvent(event);
}
