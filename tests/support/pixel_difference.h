#pragma once

#include <QImage>
#include <QRegion>

#include <algorithm>
#include <cstdlib>

// Pixels of two pictures of one size whose colours differ by more than
// `shades` in some channel, outside `skip`: a paint in pieces may round the
// felt's light a shade apart from a paint of the whole.
inline int PixelsDiffering(const QImage& a, const QImage& b, int shades, const QRegion& skip = {})
{
    int differ = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int most = std::max({ std::abs(qRed(p) - qRed(q)),
                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q)) });
            differ += most > shades && !skip.contains(QPoint(x, y));
        }
    return differ;
}
