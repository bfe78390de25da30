#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

// The form a sprite's background comes from and goes back to.
class TZuSpriteSurface {
public:
    virtual ~TZuSpriteSurface() = default;
    // "Read": the form's own pixels in rect (without any sprite), as an image of
    // rect's size; parts outside the form are transparent.
    virtual QImage ReadForm(const QRect& rect) = 0;
    // "Restore": puts the saved pixels source of background back on the form at
    // formRect (of the same size).
    virtual void Restore(const QRect& formRect, const QImage& background, const QRect& source) = 0;
};

// The form pixels under a sprite, in logical pixels. A move reuses the pixels that
// the old and new places share and reads only the strip the move uncovers.
class TZuSpriteBackground {
public:
    const QImage& Image() const { return FImage; }
    QSize Size() const { return FImage.size(); }
    // Empties the buffer (0 × 0).
    void Clear() { FImage = QImage(); }
    // A fresh save: the buffer takes rect's size and the form's pixels there.
    void Save(TZuSpriteSurface& surface, const QRect& rect);
    // Puts the whole buffer back on the form with its top-left at at.
    void RestoreAll(TZuSpriteSurface& surface, QPoint at) const;
    // Follows a move by (dx, dy) of a sprite whose top-left is still at at.
    // Returns whether a fresh save is needed: after a jump to a place that does
    // not overlap the old one, or after no move at all.
    bool Scroll(TZuSpriteSurface& surface, QPoint at, int dx, int dy);

private:
    void ScrollColumns(TZuSpriteSurface& surface, QPoint at, int dx);
    void ScrollRows(TZuSpriteSurface& surface, QPoint at, int dy);
    void RestoreStrip(TZuSpriteSurface& surface, const QRect& strip, QPoint at) const;
    void Shift(const QRect& from, QPoint to);
    void ReadStrip(TZuSpriteSurface& surface, const QRect& formRect, QPoint to);
    void Put(const QImage& source, const QRect& part, QPoint to);

    QImage FImage;
};
