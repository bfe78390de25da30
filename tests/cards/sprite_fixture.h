#pragma once

#include "cards/zugraphics.h"
#include "cards/sprite/zugraphics_sprite_layer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <string>
#include <vector>

// A colour that differs for every pixel of a small area, so that a strip read
// from the wrong column or row shows.
inline QImage PatternImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(
                x, y, qRgb((x * 7 + y) & 255, (y * 5 + x / 3) & 255, ((x ^ y) * 3) & 255));
    return image;
}

// A card-like picture: white body, dark border, red pip, transparent corners.
inline QImage CardPictureForTest(QSize size = QSize(71, 96))
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x20, 0x20, 0x20));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 3, 3);
    painter.setBrush(QColor(0xc0, 0x10, 0x20));
    painter.drawEllipse(QPointF(size.width() / 2.0, size.height() / 2.0), 13, 18);
    return image;
}

// A form that paints a pixel pattern, counts the synchronise events it gets,
// and refuses to close when asked to.
class TPatternForm : public QWidget {
public:
    TPatternForm()
    {
        resize(320, 240);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    int synchronizeEvents = 0;
    bool refuseClose = false;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == ZuSynchronizeEvent) ++synchronizeEvents;
        return QWidget::event(e);
    }
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, PatternImage(size())); }
    void closeEvent(QCloseEvent* e) override { e->setAccepted(!refuseClose); }
};

// The form as it looks on screen, sprite layer included.
inline QImage Screen(QWidget& form)
{
    return form.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// base with the picture drawn over it at at; a null base stands for the
// sprite layer of a form of that size, transparent but for the picture.
inline QImage WithPicture(QImage base, const QImage& picture, QPoint at, QSize layer = {})
{
    if (base.isNull()) {
        base = QImage(layer, QImage::Format_ARGB32_Premultiplied);
        base.fill(Qt::transparent);
    }
    QPainter painter(&base);
    painter.drawImage(at, picture);
    painter.end();
    return base;
}

// "" when the images are equal, else where they first differ: for EXPECT_EQ(..., "").
inline std::string ImageDiff(const QImage& actual, const QImage& expected)
{
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (a.size() != e.size()) return "the sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != e.pixel(x, y))
                return "differs first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "";
}

// Shows the form and makes it the active window (the default draw options only
// draw on the active window).
inline void ShowActive(QWidget& form)
{
    form.show();
    form.activateWindow();
    for (int i = 0; i < 100 && !form.isActiveWindow(); ++i)
        QCoreApplication::processEvents();
}

// A sprite on a pattern form that records its steps and finished flights.
struct TSpriteOnForm {
    TPatternForm form;
    TZuSprite sprite { &form };
    QImage card = CardPictureForTest();
    std::vector<QPoint> steps;
    int afterMoves = 0;
    unsigned lockAtAfterMove = 99;

    explicit TSpriteOnForm(bool shown = true)
    {
        if (shown) ShowActive(form);
        sprite.AfterStep = [this](QObject*) { steps.push_back(At()); };
        sprite.AfterMove = [this](QObject*) {
            ++afterMoves;
            lockAtAfterMove = AnimationLockCount();
        };
    }
    QPoint At() const { return { sprite.X(), sprite.Y() }; }
    void Fly(int x, int y, int destX, int destY) { sprite.Fly(x, y, destX, destY, &card, false); }
};
