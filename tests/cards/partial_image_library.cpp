// An image library that lacks resource 41, for the loader's failure path.
#include <cstring>

extern "C" __attribute__((visibility("default"))) int ZuCardsInterfaceVersion()
{
    return 1;
}

extern "C" __attribute__((visibility("default"))) int ZuCardsDrawBitmap(
    int id, int scale, unsigned char* pixels, int bytesPerLine)
{
    if (id == 41 || id < 1 || id > 69) return -1;
    for (int y = 0; y < 96 * scale; ++y) {
        auto* line = reinterpret_cast<unsigned*>(pixels + y * bytesPerLine);
        for (int x = 0; x < 71 * scale; ++x)
            line[x] = 0xff000000u | unsigned(id);
    }
    return 0;
}
