#pragma once

// The card-image library. It is loaded at run time from the program's folder and offers
// every card face and back as a picture by integer identifier, so a different deck can be
// dropped in without rebuilding the game.

#if defined(ZUCARDS_BUILDING)
#define ZUCARDS_EXPORT __attribute__((visibility("default")))
#else
#define ZUCARDS_EXPORT
#endif

extern "C" {
// Resource identifiers run 1..69 in the library's own order: 1..13 clubs, 14..26 diamonds,
// 27..39 hearts, 40..52 spades, each suit ace, 2..10, jack, queen, king; 53 red joker,
// 54 blue joker; 55..69 the fifteen backs in this order: default, labyrinth, ivy black,
// ivy blue, fish cyan, fish blue, Hawaii, ice cream, robot, tricky, flower, castle, X, O, dots.
ZUCARDS_EXPORT int ZuCardsInterfaceVersion(void);

// Draws bitmap `id` at `scale` (1 or 2) into `pixels`: (71*scale) x (96*scale) pixels,
// 32-bit 0xffRRGGBB (QImage::Format_RGB32 layout), rows `bytesPerLine` apart.
// Returns 0 on success, -1 for an unknown id or scale or a too small bytesPerLine.
ZUCARDS_EXPORT int ZuCardsDrawBitmap(int id, int scale, unsigned char* pixels, int bytesPerLine);

// Whether bitmap `id` can be drawn at `scale`, without drawing it: 0 when ZuCardsDrawBitmap
// would draw it into a large enough buffer, -1 when it would refuse. A program can check
// the whole library at start and draw each picture only when it is first shown.
ZUCARDS_EXPORT int ZuCardsHasBitmap(int id, int scale);
// Draws bitmap `id` at any `scale` from 1 to 16, for a view that shows the cards larger:
// `width` x `height` must be round(71*scale) x round(96*scale); `pixels` and `bytesPerLine`
// as above, both 4-byte aligned. Returns 0 on success, -1 for anything else.
ZUCARDS_EXPORT int ZuCardsDrawBitmapScaled(
    int id, double scale, int width, int height, unsigned char* pixels, int bytesPerLine);
}
