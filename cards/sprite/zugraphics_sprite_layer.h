#pragma once

#include "cards/sprite/zugraphics_sprite_background.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

// The form's pixels in rect as the form shows them without any sprite layer:
// its own background and painting, then its other children in stacking order.
// Logical pixels (device pixel ratio 1); parts outside the form are transparent.
QImage ZuRenderForm(QWidget* form, const QRect& rect);
// True while ZuRenderForm paints: the paint events it sends are not the screen's.
bool ZuRenderingForm();

// What a sprite draws on: a transparent child covering its form's client area,
// on top of the other children and invisible to the mouse. It holds only the
// sprite's pixels, in a picture of the form's size made when it is first drawn
// on; everywhere else the live form shows through.
//
// Restoring the background clears the layer there instead of painting the saved
// pixels back: the form shows the same pixels, and if the form has changed under
// the sprite meanwhile (a card group redrawn), it shows the new ones.
class TZuSpriteLayer : public QWidget, public TZuSpriteSurface {
    Q_OBJECT
public:
    explicit TZuSpriteLayer(QWidget* form);

    QImage ReadForm(const QRect& rect) override;
    void Restore(const QRect& formRect, const QImage& background, const QRect& source) override;

    // Draws the picture at (at) in form coordinates, replacing what the layer
    // held there (the picture's own transparent corners let the form show).
    void DrawPicture(QPoint at, const QImage& picture);
    // Puts the layer back above children added to the form after it.
    void KeepOnTop();
    // Shows every change since the last flush on the screen now.
    void Flush();
    // Clears whatever the layer still holds (a trail left without auto-erase, or
    // a picture whose background was dropped) and forgets it.
    void ClearLeftovers();

    // The layer's own pixels, in form coordinates (for tests and pictures);
    // null until something is drawn on the layer.
    const QImage& Picture() const { return FPicture; }
    // Whether the layer holds any non-transparent pixel.
    bool HoldsPixels() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FollowForm();
    // Makes the picture the form's size, keeping what it held.
    void MakePicture(QSize size);
    // The picture to draw on, made on first use.
    QImage& Drawable();
    qreal Scale() const;

    QImage FPicture;
    QRegion FDirty;
    // Bounds of every pixel drawn since the layer was last clean.
    QRect FPainted;
};
