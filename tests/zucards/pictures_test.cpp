#include "tests/zucards/card_library.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QSet>

#include <cstring>
#include <vector>

using namespace testcards;

namespace {

int distinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

} // namespace

TEST(ImageLibrary, LibraryLoadsFromTheProgramFolder)
{
    ASSERT_NE(drawFunction(), nullptr);
}

TEST(ImageLibrary, RefusesUnknownRequestsAndLeavesTheBufferAlone)
{
    const DrawFn draw = drawFunction();
    ASSERT_NE(draw, nullptr);
    std::vector<unsigned char> buffer(142 * 4 * 192, 0xab);
    const auto untouched = buffer;
    EXPECT_EQ(draw(0, 1, buffer.data(), 71 * 4), -1);
    EXPECT_EQ(draw(70, 1, buffer.data(), 71 * 4), -1);
    EXPECT_EQ(draw(-5, 1, buffer.data(), 71 * 4), -1);
    EXPECT_EQ(draw(1, 0, buffer.data(), 71 * 4), -1);
    EXPECT_EQ(draw(1, 3, buffer.data(), 71 * 4 * 3), -1);
    EXPECT_EQ(draw(1, -1, buffer.data(), 71 * 4), -1);
    EXPECT_EQ(draw(1, 1, buffer.data(), 71 * 4 - 1), -1);
    EXPECT_EQ(draw(1, 2, buffer.data(), 142 * 4 - 4), -1);
    EXPECT_EQ(draw(1, 1, nullptr, 71 * 4), -1);
    EXPECT_EQ(buffer, untouched);
}

TEST(ImageLibrary, SaysWhichPicturesItHasAsItsDrawingDoes)
{
    const DrawFn draw = drawFunction();
    const HasFn has = hasFunction();
    ASSERT_NE(draw, nullptr);
    ASSERT_NE(has, nullptr);
    std::vector<unsigned char> buffer(142 * 4 * 192);
    int offered = 0;
    for (int id = -1; id <= PictureCount + 2; ++id)
        for (const int scale : { -1, 0, 1, 2, 3 }) {
            const int drawn = draw(id, scale, buffer.data(), 142 * 4);
            EXPECT_EQ(has(id, scale), drawn) << "id " << id << " scale " << scale;
            offered += drawn == 0 ? 1 : 0;
        }
    EXPECT_EQ(offered, 2 * PictureCount);
}

TEST(ImageLibrary, KeepsToItsRowsWhenTheyAreWiderThanThePicture)
{
    const DrawFn draw = drawFunction();
    ASSERT_NE(draw, nullptr);
    for (const int scale : { 1, 2 }) {
        const int used = 71 * scale * 4, stride = used + 12;
        std::vector<unsigned char> buffer(stride * 96 * scale, 0xab);
        ASSERT_EQ(draw(20, scale, buffer.data(), stride), 0);
        for (int y = 0; y < 96 * scale; ++y)
            for (int i = used; i < stride; ++i)
                ASSERT_EQ(buffer[y * stride + i], 0xab) << "row " << y << " scale " << scale;
    }
}

TEST(ImageLibrary, OddRowLengthsGetTheSamePicture)
{
    const DrawFn draw = drawFunction();
    ASSERT_NE(draw, nullptr);
    const QImage expected = picture(30, 2);
    const int used = 142 * 4, stride = used + 3;
    std::vector<unsigned char> buffer(stride * 192 + 1, 0xab);
    // Misaligned start as well as misaligned rows.
    ASSERT_EQ(draw(30, 2, buffer.data() + 1, stride), 0);
    for (int y = 0; y < 192; ++y) {
        ASSERT_EQ(std::memcmp(buffer.data() + 1 + y * stride, expected.constScanLine(y), used), 0)
            << "row " << y;
        ASSERT_EQ(buffer[1 + y * stride + used], 0xab) << "row " << y;
    }
}

TEST(ImageLibrary, EveryPictureDrawsAtBothScales)
{
    for (int id = 1; id <= PictureCount; ++id)
        for (const int scale : { 1, 2 }) {
            const QImage image = picture(id, scale);
            ASSERT_FALSE(image.isNull()) << "id " << id << " scale " << scale;
            // A card with its ink, not a blank or single-coloured rectangle.
            EXPECT_GE(distinctColours(image), 8) << "id " << id << " scale " << scale;
        }
}

TEST(ImageLibrary, KeyColourOnlyInTheCornersOutsideTheBevel)
{
    for (int id = 1; id <= PictureCount; ++id)
        for (const int scale : { 1, 2 }) {
            const QImage image = picture(id, scale);
            ASSERT_FALSE(image.isNull());
            const QRgb key = id == DotsBackId ? White : Magenta;
            int strays = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    if (isCornerPixel(x, y, scale))
                        ASSERT_EQ(pixel, key) << "id " << id << " corner " << x << "," << y;
                    else if (pixel == key)
                        ++strays;
                }
            // A key-coloured pixel inside the card would show the table through it.
            EXPECT_EQ(strays, 0) << "id " << id << " scale " << scale;
        }
}

TEST(ImageLibrary, DotsBackIsKeyedOnWhiteAndTheOthersOnMagenta)
{
    for (int id = 1; id <= PictureCount; ++id) {
        const QImage image = picture(id, 1);
        const QRgb other = id == DotsBackId ? Magenta : White;
        EXPECT_NE(image.pixel(0, 0), other) << "id " << id;
    }
    // The body of the dots back fills the edge right up to the bevel.
    const QImage dots = picture(DotsBackId, 1);
    EXPECT_NE(dots.pixel(2, 0), White);
    EXPECT_NE(dots.pixel(70, 50), White);
}

TEST(ImageLibrary, NoTwoPicturesAreAlike)
{
    for (const int scale : { 1, 2 }) {
        QSet<QByteArray> seen;
        for (int id = 1; id <= PictureCount; ++id) {
            const QImage image = picture(id, scale);
            const QByteArray bytes(
                reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
            const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
            EXPECT_FALSE(seen.contains(digest)) << "id " << id << " repeats an earlier picture";
            seen.insert(digest);
        }
    }
}
