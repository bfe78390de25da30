#include "ui/window/table_felt.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
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

} // namespace

void TTableFelt::Paint(QPainter& painter, QSize table, const QRect& area)
{
    // The light and the grain are drawn at each paint, only where it paints:
    // no copy of the whole cloth is kept (it would hold about 8 MB at a
    // maximised 1920 x 1080 window). The grain lines up with the corner.
    if (FGrain.isNull()) FGrain = QPixmap::fromImage(Grain());
    // The light falls a little above the middle, where the rows lie.
    const QPointF centre(table.width() / 2.0, table.height() * 0.42);
    QRadialGradient light(centre, 0.75 * std::max(table.width(), table.height()));
    light.setColorAt(0.0, kLit);
    light.setColorAt(0.55, kMid);
    light.setColorAt(1.0, kEdge);
    painter.fillRect(area, light);
    painter.drawTiledPixmap(area, FGrain, QPoint(area.x() % kGrainSize, area.y() % kGrainSize));
}

void TTableFelt::PaintShadows(QPainter& painter, const std::vector<QRect>& cards)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Three widening layers, faint at the rim: a soft edge without a blur pass.
    for (const QRect& card : cards)
        for (int layer = 0; layer < 3; ++layer) {
            QPainterPath path;
            const QRectF shadow
                = QRectF(card).translated(1.5, 2.5).adjusted(-layer, -layer, layer, layer);
            path.addRoundedRect(shadow, 5 + layer, 5 + layer);
            painter.fillPath(path, QColor(0, 0, 0, 38 - 10 * layer));
        }
    painter.restore();
}
