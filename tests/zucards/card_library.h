#pragma once

#include <QImage>

// The card-image library as the game loads it: from the program's folder, by plain name.
namespace testcards {

using DrawFn = int (*)(int id, int scale, unsigned char* pixels, int bytesPerLine);

constexpr int PictureCount = 69;
constexpr int DotsBackId = 69;
constexpr QRgb Magenta = 0xffff00ff;
constexpr QRgb White = 0xffffffff;

using HasFn = int (*)(int id, int scale);

// Null when the library cannot be loaded; the version entry point is checked too.
DrawFn drawFunction();
// The check that a picture exists without drawing it; null when not offered.
HasFn hasFunction();

// Picture `id` at `scale`, or a null image when the library refuses.
QImage picture(int id, int scale);

// Library order: 1..13 clubs, 14..26 diamonds, 27..39 hearts, 40..52 spades.
int faceId(int suit, int rank);

bool isCornerPixel(int x, int y, int scale);

} // namespace testcards
