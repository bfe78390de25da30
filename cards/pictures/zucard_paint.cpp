#include "cards/pictures/zucard_paint.h"

#include "cards/pictures/zucard_pictures.h"
#include "cards/card/zucard_single.h"

#include <QPainter>

void ZuPaintCard(QImage& target, const TZuSingleCard& card, QPoint corner, const QRect& clip)
{
    // Drawn for the target's resolution: a scaled view gets pictures drawn at its size.
    const QImage* picture = CardPictureForScale(card.Picture(), target.devicePixelRatio());
    if (!picture || picture->isNull()) return;
    QPainter painter(&target);
    painter.setClipRect(clip);
    painter.drawImage(corner, *picture);
    if (!card.Negative()) return;

    QImage shape = *picture;
    {
        QPainter white(&shape);
        white.setCompositionMode(QPainter::CompositionMode_SourceIn);
        white.fillRect(QRect(QPoint(0, 0), shape.deviceIndependentSize().toSize()), Qt::white);
    }
    // Difference with opaque white is 255 - destination: an exact inversion.
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.drawImage(corner, shape);
}
