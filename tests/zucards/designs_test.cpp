#include "tests/zucards/card_library.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace testcards;

namespace {

constexpr int FirstBackId = 55;
constexpr int RedJokerId = 53;
constexpr int BlueJokerId = 54;

bool near(QRgb p, int r, int g, int b)
{
    return std::abs(qRed(p) - r) < 40 && std::abs(qGreen(p) - g) < 40
        && std::abs(qBlue(p) - b) < 40;
}

int countNear(const QImage& image, const QRect& area, int r, int g, int b)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += near(image.pixel(x, y), r, g, b);
    return count;
}

bool isBlueInk(QRgb p)
{
    return qBlue(p) > 120 && qRed(p) < 90 && qBlue(p) > qGreen(p) + 40;
}
bool isRedInk(QRgb p)
{
    return qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90;
}

} // namespace

TEST(ImageLibraryDesigns, BacksFrameTheirDesignWithAPlainBorder)
{
    for (int id = FirstBackId; id <= PictureCount; ++id)
        for (const int scale : { 1, 2 }) {
            const QImage image = picture(id, scale);
            const QRgb border = image.pixel(2 * scale, 48 * scale);
            // Two card pixels all round, just inside where the game draws its outline.
            for (int y = 2 * scale; y < 94 * scale; ++y)
                for (int x = 2 * scale; x < 69 * scale; ++x) {
                    const bool inRing
                        = x < 4 * scale || x >= 67 * scale || y < 4 * scale || y >= 92 * scale;
                    if (inRing) {
                        ASSERT_EQ(image.pixel(x, y), border)
                            << "id " << id << " at " << x << "," << y;
                    }
                }
            const QRect middle(10 * scale, 10 * scale, 51 * scale, 76 * scale);
            const int plain = countNear(image, middle, qRed(border), qGreen(border), qBlue(border));
            EXPECT_LT(plain, middle.width() * middle.height() / 2)
                << "id " << id << " has no design";
        }
}

TEST(ImageLibraryDesigns, RedJokerIsRedAndBlueJokerIsBlue)
{
    const auto inks = [](int id, int* reds, int* blues) {
        const QImage image = picture(id, 1);
        *reds = *blues = 0;
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 71; ++x) {
                *reds += isRedInk(image.pixel(x, y));
                *blues += isBlueInk(image.pixel(x, y));
            }
    };
    int reds = 0, blues = 0;
    inks(RedJokerId, &reds, &blues);
    EXPECT_GT(reds, 300);
    EXPECT_LT(blues, reds / 10);
    inks(BlueJokerId, &reds, &blues);
    EXPECT_GT(blues, 300);
    EXPECT_LT(reds, blues / 10);
}

TEST(ImageLibraryDesigns, CourtsArePrintedInRedBlueAndYellow)
{
    const QRect frame(15, 9, 41, 78);
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 11; rank <= 13; ++rank) {
            const QImage image = picture(faceId(suit, rank), 2);
            const QRect area(frame.topLeft() * 2, frame.size() * 2);
            EXPECT_GT(countNear(image, area, 0xd0, 0x10, 0x1c), 400) << suit << "/" << rank;
            EXPECT_GT(countNear(image, area, 0x1d, 0x3f, 0xa8), 400) << suit << "/" << rank;
            EXPECT_GT(countNear(image, area, 0xf4, 0xc4, 0x20), 400) << suit << "/" << rank;
        }
}

TEST(ImageLibraryDesigns, CourtFiguresDifferBetweenSuitsAndRanks)
{
    // Compared inside the frame only, so that the corner indices cannot make the difference.
    const QRect frame(15, 9, 41, 78);
    for (int a = 0; a < 12; ++a)
        for (int b = a + 1; b < 12; ++b) {
            const QImage first = picture(faceId(a / 3, 11 + a % 3), 1).copy(frame);
            const QImage second = picture(faceId(b / 3, 11 + b % 3), 1).copy(frame);
            int differing = 0;
            for (int y = 0; y < frame.height(); ++y)
                for (int x = 0; x < frame.width(); ++x)
                    differing += first.pixel(x, y) != second.pixel(x, y);
            EXPECT_GT(differing, frame.width() * frame.height() / 5)
                << "courts " << a << " and " << b;
        }
}
