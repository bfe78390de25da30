#pragma once

#include "cards/zugraphics.h"
#include "cards/zugraphics_sprite_layer.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QWidget>

#include <string>

// A colour that differs for every pixel of a small area, so that a strip read
// from the wrong column or row shows.
inline QRgb PatternAt(int x, int y)
{
    return qRgb((x * 7 + y) & 255, (y * 5 + x / 3) & 255, ((x ^ y) * 3) & 255);
}

inline QImage PatternImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, PatternAt(x, y));
    return image;
}

// A card-like picture: white body, red border and pip, transparent corners.
inline QImage CardPictureForTest(QSize size = QSize(71, 96))
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x20, 0x20, 0x20), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc0, 0x10, 0x20));
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    painter.drawPolygon(QPolygonF(
        { c + QPointF(0, -18), c + QPointF(13, 0), c + QPointF(0, 18), c + QPointF(-13, 0) }));
    painter.setPen(QColor(0xc0, 0x10, 0x20));
    painter.setFont(QFont(QStringLiteral("Sans"), 11, QFont::Bold));
    painter.drawText(QRectF(4, 3, 20, 16), Qt::AlignLeft, QStringLiteral("A"));
    return image;
}

// A form that paints a pixel pattern and counts the synchronise events it gets.
class TPatternForm : public QWidget {
public:
    explicit TPatternForm(QSize size = QSize(320, 240))
    {
        resize(size);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    int synchronizeEvents = 0;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == ZuSynchronizeEvent) ++synchronizeEvents;
        return QWidget::event(e);
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, PatternImage(size()));
    }
};

// Shows the form and makes it the active window (the default draw options only
// draw on the active window).
inline void ShowActive(QWidget& form)
{
    form.show();
    form.activateWindow();
    for (int i = 0; i < 100 && !form.isActiveWindow(); ++i)
        QCoreApplication::processEvents();
}

// The form as it looks on screen, sprite layer included.
inline QImage Screen(QWidget& form)
{
    return form.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// What the screen should show: the clean form with the picture over it at at.
inline QImage WithPicture(const QImage& clean, const QImage& picture, QPoint at)
{
    QImage expected = clean;
    QPainter painter(&expected);
    painter.drawImage(at, picture);
    return expected;
}

// The layer's own pixels should be exactly the picture at at.
inline QImage LayerWithPicture(QSize formSize, const QImage& picture, QPoint at)
{
    QImage expected(formSize, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    QPainter painter(&expected);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, picture);
    return expected;
}

// "" when the images are equal, else what differs: for EXPECT_EQ(..., "").
inline std::string ImageDiff(const QImage& actual, const QImage& expected)
{
    if (actual.size() != expected.size())
        return "size " + std::to_string(actual.width()) + "x" + std::to_string(actual.height())
            + " instead of " + std::to_string(expected.width()) + "x"
            + std::to_string(expected.height());
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int count = 0;
    std::string first;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != e.pixel(x, y) && count++ == 0)
                first = " first at (" + std::to_string(x) + ", " + std::to_string(y)
                    + "): " + QString::number(a.pixel(x, y), 16).toStdString() + " instead of "
                    + QString::number(e.pixel(x, y), 16).toStdString();
    return count == 0 ? std::string() : std::to_string(count) + " pixels differ," + first;
}
