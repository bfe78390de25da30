#include "cards/sprite/zugraphics_sprite_background.h"

#include <QPainter>

#include <cstdlib>

void TZuSpriteBackground::Save(TZuSpriteSurface& surface, const QRect& rect)
{
    if (rect.isEmpty()) {
        Clear();
        return;
    }
    FImage = QImage(rect.size(), QImage::Format_ARGB32_Premultiplied);
    FImage.fill(Qt::transparent);
    Put(surface.ReadForm(rect), QRect(QPoint(0, 0), rect.size()), QPoint(0, 0));
}

void TZuSpriteBackground::RestoreAll(TZuSpriteSurface& surface, QPoint at) const
{
    if (!FImage.isNull()) RestoreStrip(surface, FImage.rect(), at);
}

bool TZuSpriteBackground::Scroll(TZuSpriteSurface& surface, QPoint at, int dx, int dy)
{
    if (std::abs(dx) >= Size().width() || std::abs(dy) >= Size().height()) {
        RestoreAll(surface, at);
        return true;
    }
    // Nothing moves: the caller saves afresh, which here reads the form without
    // the sprite, so the sprite never ends up in its own background.
    if (dx == 0 && dy == 0) return true;
    ScrollColumns(surface, at, dx);
    ScrollRows(surface, at, dy);
    return false;
}

void TZuSpriteBackground::ScrollColumns(TZuSpriteSurface& surface, QPoint at, int dx)
{
    const int w = Size().width(), h = Size().height();
    if (dx > 0) {
        RestoreStrip(surface, QRect(0, 0, dx, h), at);
        Shift(QRect(dx, 0, w - dx, h), QPoint(0, 0));
        ReadStrip(surface, QRect(at.x() + w, at.y(), dx, h), QPoint(w - dx, 0));
        return;
    }
    const int m = -dx, c = w - m;
    RestoreStrip(surface, QRect(c, 0, m, h), at);
    Shift(QRect(0, 0, c, h), QPoint(m, 0));
    ReadStrip(surface, QRect(at.x() - m, at.y(), m, h), QPoint(0, 0));
}

void TZuSpriteBackground::ScrollRows(TZuSpriteSurface& surface, QPoint at, int dy)
{
    const int w = Size().width(), h = Size().height();
    if (dy > 0) {
        RestoreStrip(surface, QRect(0, 0, w, dy), at);
        Shift(QRect(0, dy, w, h - dy), QPoint(0, 0));
        ReadStrip(surface, QRect(at.x(), at.y() + h, w, dy), QPoint(0, h - dy));
        return;
    }
    const int m = -dy;
    RestoreStrip(surface, QRect(0, h - m, w, m), at);
    Shift(QRect(0, 0, w, h - m), QPoint(0, m));
    ReadStrip(surface, QRect(at.x(), at.y() - m, w, m), QPoint(0, 0));
}

// strip is in buffer coordinates; it goes to the same place relative to at.
void TZuSpriteBackground::RestoreStrip(
    TZuSpriteSurface& surface, const QRect& strip, QPoint at) const
{
    if (strip.isEmpty()) return;
    surface.Restore(strip.translated(at), FImage, strip);
}

void TZuSpriteBackground::Shift(const QRect& from, QPoint to)
{
    if (from.isEmpty()) return;
    // Source and target overlap: copy the source out first.
    Put(FImage.copy(from), QRect(QPoint(0, 0), from.size()), to);
}

void TZuSpriteBackground::ReadStrip(TZuSpriteSurface& surface, const QRect& formRect, QPoint to)
{
    if (formRect.isEmpty()) return;
    Put(surface.ReadForm(formRect), QRect(QPoint(0, 0), formRect.size()), to);
}

void TZuSpriteBackground::Put(const QImage& source, const QRect& part, QPoint to)
{
    if (source.isNull()) return;
    QPainter painter(&FImage);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(to, source, part);
}
