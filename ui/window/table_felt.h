#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <vector>

class QPainter;

// The modern table's cloth: green felt under a soft light from above the
// middle, its fine grain drawn once, and the soft shadow each card casts.
class TTableFelt {
public:
    void Paint(QPainter& painter, QSize table, const QRect& area);
    // The shadows of the cards (table coordinates) that reach into `area`.
    void PaintShadows(QPainter& painter, const std::vector<QRect>& cards, const QRegion& area);
    // Where the shadows of cards lying at `before` and at `after` differ
    // (table coordinates): the cards of only one of them, with their shadows.
    static QRegion ShadowChanges(const std::vector<QRect>& before, const std::vector<QRect>& after);

private:
    // One shadow, drawn at the painter's scale for a card of one size.
    struct TShadow {
        QSize card;
        qreal scale = 0;
        QImage picture;
    };
    const QImage& Shadow(QSize card, qreal scale, qreal pixelRatio);
    // The light over a table of `table` logical pixels, coarser than the
    // device's pixels at `deviceScale` by a fixed factor.
    static QImage Light(QSize table, qreal deviceScale);
    // The gradient and the grain worked out at the painter's own transform:
    // for a painter that is turned or sheared, which the table never is.
    void PaintExactly(QPainter& painter, QSize table, const QRect& area);

    QPixmap FGrain;
    QImage FLight;
    QSize FLightTable;
    qreal FLightScale = 0;
    QPixmap FDeviceGrain; // the grain's tile at FLightScale
    std::vector<TShadow> FShadows;
};
