#include "zucards/canvas.h"

#include <QHash>
#include <QPainterPath>

#include <mutex>

namespace zucards {

namespace {

// The pixels outside the bevelled corners, in card units: three at each corner.
constexpr QPoint CornerPixels[] = { { 0, 0 }, { 1, 0 }, { 0, 1 }, { 69, 0 }, { 70, 0 }, { 70, 1 },
    { 0, 94 }, { 0, 95 }, { 1, 95 }, { 69, 95 }, { 70, 95 }, { 70, 94 } };

// The outline of `text` in `font`. Turning glyphs into outlines is most of the
// cost of drawing a face, and each index appears on both ends of four cards,
// so each outline is made once per library load.
QPainterPath textPath(const QFont& font, const QString& text)
{
    static std::mutex lock;
    static QHash<QString, QPainterPath> paths;
    const std::lock_guard<std::mutex> guard(lock);
    const QString key = font.key() + QChar(0x1f) + text;
    auto it = paths.find(key);
    if (it == paths.end()) {
        QPainterPath path;
        path.addText(0, 0, font, text);
        it = paths.insert(key, path);
    }
    return *it;
}

} // namespace

void keyCorners(QImage& image, qreal scale, QRgb key)
{
    for (const QPoint& p : CornerPixels) {
        for (int y = CardPixel(p.y(), scale); y < CardPixel(p.y() + 1, scale); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = CardPixel(p.x(), scale); x < CardPixel(p.x() + 1, scale); ++x)
                line[x] = key;
        }
    }
}

void fillBody(QImage& image, qreal scale, const QColor& body, QRgb key)
{
    image.fill(body.rgb());
    keyCorners(image, scale, key);
}

void beginCardPainter(QPainter& painter, QImage& image, qreal scale)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
}

QFont indexFont(qreal pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setStretch(QFont::Condensed);
    font.setBold(true);
    font.setPixelSize(qRound(pixelSize));
    return font;
}

void drawFittedText(QPainter& painter, const QString& text, const QFont& font, const QColor& colour,
    QPointF centre, qreal maxWidth)
{
    // As outlines rather than hinted glyphs: the turned index then matches the upright one
    // exactly, and the letters keep their shape at both scales.
    const QPainterPath path = textPath(font, text);
    const QRectF box = path.boundingRect();
    const qreal squeeze = box.width() > maxWidth ? maxWidth / box.width() : 1.0;
    // Centred on the ink itself, so letters and digits of any height sit alike.
    painter.save();
    painter.translate(centre);
    painter.scale(squeeze, 1.0);
    painter.translate(-box.center());
    // A hair of outline gives the small letters the weight of printed ink.
    painter.setPen(QPen(colour, 0.35));
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.restore();
}

QPainterPath polygonPath(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

} // namespace zucards
