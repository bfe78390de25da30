#include "zucards/zucards.h"

#include "zucards/backs.h"
#include "zucards/canvas.h"
#include "zucards/courts.h"
#include "zucards/faces.h"
#include "zucards/jokers.h"

#include <cstdint>
#include <cstring>

namespace {

using namespace zucards;

constexpr int CardsPerSuit = 13;
constexpr int RedJokerId = 53;
constexpr int FirstBackId = 55;
constexpr int LastId = FirstBackId + BackCount - 1;

void drawFacePicture(QImage& image, qreal scale, int id)
{
    fillBody(image, scale, ink::Paper, KeyMagenta);
    QPainter painter;
    beginCardPainter(painter, image, scale);
    if (id >= RedJokerId) {
        drawJoker(painter, id != RedJokerId);
    } else {
        const auto suit = static_cast<Suit>((id - 1) / CardsPerSuit);
        const int rank = (id - 1) % CardsPerSuit + 1;
        if (rank == 1)
            drawAce(painter, suit);
        else if (rank <= 10)
            drawNumberFace(painter, suit, rank);
        else
            drawCourt(painter, suit, rank);
    }
    painter.end();
    keyCorners(image, scale, KeyMagenta);
}

void drawPicture(QImage& image, qreal scale, int id)
{
    if (id >= FirstBackId)
        drawBack(image, scale, id - FirstBackId);
    else
        drawFacePicture(image, scale, id);
}

} // namespace

extern "C" {

int ZuCardsInterfaceVersion(void)
{
    return 1;
}

int ZuCardsHasBitmap(int id, int scale)
{
    return id < 1 || id > LastId || (scale != 1 && scale != 2) ? -1 : 0;
}

int ZuCardsDrawBitmap(int id, int scale, unsigned char* pixels, int bytesPerLine)
{
    if (ZuCardsHasBitmap(id, scale) != 0 || pixels == nullptr) return -1;
    const int width = CardWidth * scale;
    if (bytesPerLine < width * 4) return -1;
    const bool aligned = bytesPerLine % 4 == 0 && reinterpret_cast<std::uintptr_t>(pixels) % 4 == 0;
    if (aligned) {
        // Painting into the caller's buffer directly: the picture never exists twice.
        QImage image(pixels, width, CardHeight * scale, bytesPerLine, QImage::Format_RGB32);
        drawPicture(image, scale, id);
        return 0;
    }
    // Qt paints 32-bit pixels only on aligned rows; other buffers get a copy.
    QImage image(width, CardHeight * scale, QImage::Format_RGB32);
    drawPicture(image, scale, id);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(pixels + static_cast<std::ptrdiff_t>(y) * bytesPerLine, image.constScanLine(y),
            static_cast<std::size_t>(width) * 4);
    return 0;
}

int ZuCardsDrawBitmapScaled(
    int id, double scale, int width, int height, unsigned char* pixels, int bytesPerLine)
{
    if (id < 1 || id > LastId || !(scale >= 1.0 && scale <= 16.0) || pixels == nullptr
        || width != qRound(CardWidth * scale) || height != qRound(CardHeight * scale)
        || bytesPerLine < width * 4 || bytesPerLine % 4 != 0
        || reinterpret_cast<std::uintptr_t>(pixels) % 4 != 0)
        return -1;
    QImage image(pixels, width, height, bytesPerLine, QImage::Format_RGB32);
    drawPicture(image, scale, id);
    return 0;
}
}
