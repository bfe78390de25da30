#include "cards/pictures/zucard_paint.h"

#include "cards/pictures/zucard_pictures.h"
#include "cards/card/zucard_single.h"

#include <QHash>
#include <QMutex>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

void ZuPaintCard(QImage& target, const TZuSingleCard& card, QPoint corner, const QRect& clip)
{
    // Drawn for the target's resolution: a scaled view gets pictures drawn at its size.
    const QImage* picture = CardPictureAt(card.PictureNumber(), target.devicePixelRatio());
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

// The rounding is drawn into the picture's alpha, which a clip path would
// cut pixel-sharp.
QImage ZuRoundedCardPicture(const QImage& picture, qreal radius)
{
    QImage shaped(picture.size(), QImage::Format_ARGB32_Premultiplied);
    shaped.setDevicePixelRatio(picture.devicePixelRatio());
    shaped.fill(Qt::transparent);
    QPainter painter(&shaped);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card(QPointF(0, 0), picture.deviceIndependentSize());
    QPainterPath path;
    path.addRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.fillPath(path, Qt::white);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.drawImage(QPointF(0, 0), picture);
    // A fine edge keeps a white card apart from a light table.
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(QPen(QColor(0, 0, 0, 70), 1));
    painter.drawPath(path);
    return shaped;
}

namespace {

QMutex roundedLock;
QHash<QPair<qint64, int>, QImage> rounded;

// The rounded copies, made once a picture and radius: a hand is painted
// again at every change, its pictures are not. Emptied when it grows past a
// deck and a half at one scale.
QImage RoundedOnce(const QImage& picture, qreal radius)
{
    const QMutexLocker locked(&roundedLock);
    const QPair<qint64, int> key(picture.cacheKey(), qRound(radius * 16));
    auto found = rounded.find(key);
    if (found != rounded.end()) return *found;
    if (rounded.size() > 120) rounded.clear();
    return *rounded.insert(key, ZuRoundedCardPicture(picture, radius));
}

} // namespace

int ZuRoundedCopiesHeld()
{
    const QMutexLocker locked(&roundedLock);
    return int(rounded.size());
}

void ZuPaintCard(QImage& target, const TZuSingleCard& card, QPoint corner, const QRect& clip,
    const TZuCardFinish& finish)
{
    if (finish.cornerRadius <= 0 && !finish.markTint.isValid()) {
        ZuPaintCard(target, card, corner, clip);
        return;
    }
    const QImage* picture = CardPictureAt(card.PictureNumber(), target.devicePixelRatio());
    if (!picture || picture->isNull()) return;
    QPainter painter(&target);
    painter.setClipRect(clip);
    const qreal radius = std::max(finish.cornerRadius, 1);
    if (ScaledPictureRounded(picture, finish.cornerRadius))
        painter.drawImage(corner, *picture);
    else
        painter.drawImage(corner, RoundedOnce(*picture, radius));
    if (!card.Negative() || !finish.markTint.isValid()) return;
    // A marked card keeps its face readable: a light wash and a ring of the tint.
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF shape(corner, picture->deviceIndependentSize());
    QPainterPath path;
    path.addRoundedRect(shape.adjusted(1.5, 1.5, -1.5, -1.5), radius, radius);
    QColor wash = finish.markTint;
    wash.setAlpha(70);
    painter.fillPath(path, wash);
    painter.setPen(QPen(finish.markTint, 3));
    painter.drawPath(path);
}
