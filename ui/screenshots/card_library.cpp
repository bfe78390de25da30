#include "ui/screenshots/card_library.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

constexpr int DotsBackId = 69;

// The twelve pixels outside the bevelled corners of a 71 x 96 picture.
constexpr QPoint CornerPixels[] = { { 0, 0 }, { 1, 0 }, { 0, 1 }, { 69, 0 }, { 70, 0 }, { 70, 1 },
    { 0, 94 }, { 0, 95 }, { 1, 95 }, { 69, 95 }, { 70, 95 }, { 70, 94 } };

QImage keyed(const QImage& raw, QRgb key)
{
    QImage out = raw.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (line[x] == key) line[x] = qRgba(0, 0, 0, 0);
    }
    return out;
}

// The black line with bevelled corners that the game draws over every picture.
void outline(QImage& image, int scale)
{
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const QPolygonF line { { 2.5, 0.5 }, { 68.5, 0.5 }, { 70.5, 2.5 }, { 70.5, 93.5 },
        { 68.5, 95.5 }, { 2.5, 95.5 }, { 0.5, 93.5 }, { 0.5, 2.5 } };
    painter.drawPolygon(line);
    painter.end();
    for (const QPoint& p : CornerPixels)
        for (int dy = 0; dy < scale; ++dy)
            for (int dx = 0; dx < scale; ++dx)
                image.setPixel(p.x() * scale + dx, p.y() * scale + dy, qRgba(0, 0, 0, 0));
}

} // namespace

bool CardLibrary::load(QString* error)
{
    library.setFileName(QCoreApplication::applicationDirPath() + QStringLiteral("/zucards"));
    if (!library.load()) {
        *error = library.errorString();
        return false;
    }
    const auto version = reinterpret_cast<VersionFn>(library.resolve("ZuCardsInterfaceVersion"));
    draw = reinterpret_cast<DrawFn>(library.resolve("ZuCardsDrawBitmap"));
    if (version == nullptr || draw == nullptr || version() != 1) {
        *error
            = QStringLiteral("%1: not a card-image library of version 1").arg(library.fileName());
        draw = nullptr;
        return false;
    }
    return true;
}

QImage CardLibrary::picture(int id, int scale) const
{
    QImage raw(71 * scale, 96 * scale, QImage::Format_RGB32);
    if (draw == nullptr || draw(id, scale, raw.bits(), static_cast<int>(raw.bytesPerLine())) != 0)
        return {};
    QImage image = keyed(raw, id == DotsBackId ? 0xffffffff : 0xffff00ff);
    outline(image, scale);
    return image;
}
