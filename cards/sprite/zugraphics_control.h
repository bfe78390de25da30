#pragma once

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QWidget>

// Sent to the owning form before a control or sprite paints, and handled before
// the paint goes on; the form may use it to finish its own drawing first.
constexpr QEvent::Type ZuSynchronizeEvent = QEvent::Type(QEvent::User + 1);

// A control without a window of its own in spirit: it keeps its whole picture
// in an off-screen image and copies changed areas to the screen.
class TZuCustomGraphicControl : public QWidget {
    Q_OBJECT
public:
    explicit TZuCustomGraphicControl(QWidget* parent = nullptr);

    // The off-screen picture, in logical pixels; sharp at device pixel ratio 2.
    QImage& Bitmap() { return FBitmap; }
    const QImage& Bitmap() const { return FBitmap; }
    QSize BitmapSize() const;
    // Resizes the picture (cleared to the brush) and reacts as to any picture change.
    void SetBitmapSize(int width, int height);
    QColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(const QColor& colour) { FBrushColor = colour; }

    void BeginDraw() { ++FDrawLock; }
    void EndDraw()
    {
        if (FDrawLock > 0) --FDrawLock;
    }
    int DrawLock() const { return FDrawLock; }

    bool Synchronize() const { return FSynchronize; }
    void SetSynchronize(bool b) { FSynchronize = b; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool b);
    // While the control is being loaded, sizing to the picture waits.
    void SetLoading(bool b) { FLoading = b; }

    // How much larger than its logical size a view shows the control (a
    // window that scales its whole table, 1 to 16). The off-screen picture
    // and the card pictures in it are kept at this times the device pixel
    // ratio, so the view shows them drawn at its size, never stretched.
    qreal ViewScale() const { return FViewScale; }
    void SetViewScale(qreal scale);

    // A see-through control shows what lies beneath it (a table drawn with
    // light and shade) wherever its picture has no card: its brush is
    // transparent and it paints over its parent instead of every pixel.
    // Off, it fills its empty parts with the parent's colour at creation.
    bool SeeThrough() const { return FSeeThrough; }
    void SetSeeThrough(bool b);

    // Copies one rectangle of the picture to the screen at once.
    void PaintArea(const QRect& rect);
    // Copies the whole picture to the screen at once.
    void ShowAll();
    // Tells the form that painting is about to happen.
    void SynchronizeForm();

protected:
    bool GraphicEmpty() const { return FGraphicEmpty; }
    void SetGraphicEmpty(bool b) { FGraphicEmpty = b; }
    // The picture's device pixel ratio: 2 on hi-DPI screens, else 1, times
    // the view scale.
    qreal PictureScale() const;
    void PictureChanged();
    // Makes the picture again at the present picture scale and redraws it.
    virtual void RedrawAtPictureScale();
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage FBitmap;
    QColor FBrushColor;
    QColor FSolidBrush;
    bool FSeeThrough = false;
    qreal FViewScale = 1.0;
    int FDrawLock = 0;
    bool FSynchronize = true;
    bool FGraphicEmpty = true;
    bool FAutoSize = false;
    bool FLoading = false;
};
