// An image library that lacks resource 41, for the loader's failure path,
// unless a test asks it to offer everything.
// Built twice: as a library that can say what it has without drawing, and,
// with PARTIAL_LIBRARY_DRAW_ONLY, as one that offers only the drawing.
#include <cstring>

#define PARTIAL_EXPORT extern "C" __attribute__((visibility("default")))

PARTIAL_EXPORT int ZuCardsInterfaceVersion()
{
    return 1;
}

static bool everything = false;

// Lets a test have the library offer resource 41 too.
PARTIAL_EXPORT void PartialLibraryOffersEverything(int offers)
{
    everything = offers != 0;
}

static bool Offered(int id)
{
    return (everything || id != 41) && id >= 1 && id <= 69;
}

#if !defined(PARTIAL_LIBRARY_DRAW_ONLY)
PARTIAL_EXPORT int ZuCardsHasBitmap(int id, int scale)
{
    return Offered(id) && (scale == 1 || scale == 2) ? 0 : -1;
}
#endif

PARTIAL_EXPORT int ZuCardsDrawBitmap(int id, int scale, unsigned char* pixels, int bytesPerLine)
{
    if (!Offered(id)) return -1;
    for (int y = 0; y < 96 * scale; ++y) {
        auto* line = reinterpret_cast<unsigned*>(pixels + y * bytesPerLine);
        for (int x = 0; x < 71 * scale; ++x)
            line[x] = 0xff000000u | unsigned(id);
    }
    return 0;
}
