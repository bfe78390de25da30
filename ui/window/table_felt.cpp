#include "ui/window/table_felt.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

const QColor kLit(0x2f, 0x8f, 0x52);
const QColor kMid(0x1d, 0x6e, 0x3d);
const QColor kEdge(0x0e, 0x46, 0x26);
constexpr int kGrainSize = 96;

// A fixed speckle of light and dark, so every table has the same cloth.
QImage Grain()
{
    QImage grain(kGrainSize, kGrainSize, QImage::Format_ARGB32_Premultiplied);
    std::uint32_t state = 0x2545f491u;
    for (int y = 0; y < kGrainSize; ++y)
        for (int x = 0; x < kGrainSize; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int alpha = int(state % 14);
            const int shade = (state >> 8) & 1 ? 255 : 0;
            grain.setPixel(x, y, qPremultiply(qRgba(shade, shade, shade, alpha)));
        }
    return grain;
}

// The light's picture holds one pixel for this many of the device's each
// way: the light changes by about one shade in 25 pixels, so a block of four
// shows no step, and the picture stays small (half a megabyte maximised).
constexpr qreal kLightCoarseness = 4;

// The device pixels whose centres lie inside `rect`, as a fill of `rect`
// covers them: neighbouring areas of one paint share no pixel.
QRect CoveredPixels(const QRectF& rect)
{
    const auto first = [](qreal edge) { return int(std::ceil(edge - 0.5)); };
    return QRect(QPoint(first(rect.left()), first(rect.top())),
        QPoint(first(rect.right()) - 1, first(rect.bottom()) - 1));
}

// The light over a table of `table` logical pixels: it falls a little above
// the middle, where the rows lie.
QRadialGradient LightGradient(QSize table)
{
    const QPointF centre(table.width() / 2.0, table.height() * 0.42);
    QRadialGradient light(centre, 0.75 * std::max(table.width(), table.height()));
    light.setColorAt(0.0, kLit);
    light.setColorAt(0.55, kMid);
    light.setColorAt(1.0, kEdge);
    return light;
}

int PositiveModulo(int value, int divisor)
{
    return ((value % divisor) + divisor) % divisor;
}

} // namespace

QImage TTableFelt::Light(QSize table, qreal deviceScale)
{
    const qreal perPixel = deviceScale / kLightCoarseness;
    QImage light((QSizeF(table) * perPixel).toSize() + QSize(1, 1), QImage::Format_RGB32);
    QPainter painter(&light);
    painter.scale(perPixel, perPixel);
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(light.size()) / perPixel), LightGradient(table));
    return light;
}

void TTableFelt::Paint(QPainter& painter, QSize table, const QRect& area)
{
    // The light comes from a small picture drawn stretched and the grain from
    // a tile at the device's scale: working the gradient out and stretching
    // the grain at each paint took about 6 ms of processor time for a whole
    // maximised table, half of its paint, most of it on the raster engine's
    // threads while the GUI thread waited. Nothing the size of the table is
    // kept (about 8 MB maximised).
    if (FGrain.isNull()) FGrain = QPixmap::fromImage(Grain());
    const QTransform toDevice = painter.deviceTransform();
    const bool scaledOnly = toDevice.type() <= QTransform::TxScale && toDevice.m11() > 0
        && qFuzzyCompare(toDevice.m11(), toDevice.m22());
    if (!scaledOnly) {
        PaintExactly(painter, table, area);
        return;
    }
    const qreal scale = toDevice.m11();
    if (FLight.isNull() || FLightTable != table || !qFuzzyCompare(FLightScale, scale)) {
        FLight = Light(table, scale);
        FLightTable = table;
        FLightScale = scale;
        const int tile = std::max(1, qRound(kGrainSize * scale));
        FDeviceGrain = FGrain.scaled(tile, tile, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    // In device pixels from here, the table's corner where the grain starts.
    const QRect pixels = CoveredPixels(toDevice.mapRect(QRectF(area)));
    if (pixels.isEmpty()) return;
    const QPointF corner = toDevice.map(QPointF(0, 0));
    painter.save();
    painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
    const qreal perPixel = 1 / kLightCoarseness;
    painter.drawImage(QRectF(pixels), FLight,
        QRectF((QPointF(pixels.topLeft()) - corner) * perPixel, QSizeF(pixels.size()) * perPixel));
    const int tile = FDeviceGrain.width();
    painter.drawTiledPixmap(pixels, FDeviceGrain,
        QPoint(PositiveModulo(pixels.x() - qRound(corner.x()), tile),
            PositiveModulo(pixels.y() - qRound(corner.y()), tile)));
    painter.restore();
}

void TTableFelt::PaintExactly(QPainter& painter, QSize table, const QRect& area)
{
    painter.fillRect(area, LightGradient(table));
    painter.drawTiledPixmap(area, FGrain, QPoint(area.x() % kGrainSize, area.y() % kGrainSize));
}

namespace {

// A shadow falls this far right and down of its card and spreads this far
// round it: three widening layers, faint at the rim, a soft edge without a
// blur pass.
const QPointF kShadowOffset(1.5, 2.5);
constexpr int kShadowLayers = 3;
constexpr int kShadowMargin = 4;

} // namespace

const QImage& TTableFelt::Shadow(QSize card, qreal scale, qreal pixelRatio)
{
    scale *= pixelRatio;
    for (const TShadow& shadow : FShadows)
        if (shadow.card == card && qFuzzyCompare(shadow.scale, scale)) return shadow.picture;
    // A new scale makes the old pictures useless; a card and the deck's pile
    // are the sizes a table shows.
    if (FShadows.size() >= 4) FShadows.clear();
    const QSize box = card + QSize(2 * kShadowMargin, 2 * kShadowMargin);
    QImage picture((QSizeF(box) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.scale(scale, scale);
    for (int layer = 0; layer < kShadowLayers; ++layer) {
        QPainterPath path;
        const QRectF shadow = QRectF(QPointF(kShadowMargin, kShadowMargin), QSizeF(card))
                                  .translated(kShadowOffset)
                                  .adjusted(-layer, -layer, layer, layer);
        path.addRoundedRect(shadow, 5 + layer, 5 + layer);
        painter.fillPath(path, QColor(0, 0, 0, 38 - 10 * layer));
    }
    painter.end();
    picture.setDevicePixelRatio(pixelRatio);
    FShadows.push_back({ card, scale, std::move(picture) });
    return FShadows.back().picture;
}

QRegion TTableFelt::ShadowChanges(const std::vector<QRect>& before, const std::vector<QRect>& after)
{
    QRegion changed;
    const auto addMissing
        = [&changed](const std::vector<QRect>& from, const std::vector<QRect>& in) {
              for (const QRect& card : from)
                  if (std::find(in.begin(), in.end(), card) == in.end())
                      changed += card.adjusted(
                          -kShadowMargin, -kShadowMargin, kShadowMargin, kShadowMargin);
          };
    addMissing(before, after);
    addMissing(after, before);
    return changed;
}

// Each shadow is the same picture for cards of a size, drawn once at the
// scale the table is shown at and copied to whole device pixels: a paint of
// the whole table no longer fills three rounded paths for every card.
void TTableFelt::PaintShadows(
    QPainter& painter, const std::vector<QRect>& cards, const QRegion& area)
{
    const QTransform device = painter.worldTransform();
    if (device.type() > QTransform::TxScale) return; // the table is never turned
    const qreal scale = device.m11();
    // A screen's own pixel ratio is not in the painter's transform.
    const qreal pixelRatio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    painter.save();
    painter.resetTransform();
    for (const QRect& card : cards) {
        const QRect box
            = card.adjusted(-kShadowMargin, -kShadowMargin, kShadowMargin, kShadowMargin);
        if (!area.intersects(box)) continue;
        const QPointF at = device.map(QPointF(box.topLeft()));
        painter.drawImage(
            QPoint(qRound(at.x()), qRound(at.y())), Shadow(card.size(), scale, pixelRatio));
    }
    painter.restore();
}
