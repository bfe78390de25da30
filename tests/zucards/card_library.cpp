#include "tests/zucards/card_library.h"

#include <QCoreApplication>
#include <QLibrary>

namespace testcards {

QLibrary& library()
{
    static QLibrary library(QCoreApplication::applicationDirPath() + QStringLiteral("/zucards"));
    return library;
}

DrawFn drawFunction()
{
    static DrawFn draw = [] {
        using VersionFn = int (*)();
        const auto version
            = reinterpret_cast<VersionFn>(library().resolve("ZuCardsInterfaceVersion"));
        if (version == nullptr || version() != 1) return DrawFn(nullptr);
        return reinterpret_cast<DrawFn>(library().resolve("ZuCardsDrawBitmap"));
    }();
    return draw;
}

HasFn hasFunction()
{
    return drawFunction() ? reinterpret_cast<HasFn>(library().resolve("ZuCardsHasBitmap"))
                          : nullptr;
}

QImage picture(int id, int scale)
{
    QImage image(71 * scale, 96 * scale, QImage::Format_RGB32);
    const DrawFn draw = drawFunction();
    if (draw == nullptr
        || draw(id, scale, image.bits(), static_cast<int>(image.bytesPerLine())) != 0)
        return {};
    return image;
}

int faceId(int suit, int rank)
{
    return suit * 13 + rank;
}

bool isCornerPixel(int x, int y, int scale)
{
    const int cx = x / scale, cy = y / scale;
    const int dx = cx < 35 ? cx : 70 - cx, dy = cy < 48 ? cy : 95 - cy;
    return dx + dy <= 1;
}

} // namespace testcards
