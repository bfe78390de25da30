#include "tests/zucards/card_library.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace testcards;

namespace {

bool isRedInk(QRgb p)
{
    return qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90;
}
bool isDarkInk(QRgb p)
{
    return qRed(p) < 70 && qGreen(p) < 70 && qBlue(p) < 70;
}
bool isInk(QRgb p)
{
    return qRed(p) + qGreen(p) + qBlue(p) < 600;
}

// Pieces of ink between the two index columns, ignoring specks of edge smoothing.
int inkPieces(const QImage& image, int scale)
{
    const int left = 14 * scale, right = 57 * scale, h = image.height();
    std::vector<char> seen(image.width() * h, 0);
    int pieces = 0;
    for (int y0 = 0; y0 < h; ++y0)
        for (int x0 = left; x0 < right; ++x0) {
            if (seen[y0 * image.width() + x0] || !isInk(image.pixel(x0, y0))) continue;
            std::vector<QPoint> stack { { x0, y0 } };
            seen[y0 * image.width() + x0] = 1;
            int size = 0;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++size;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int x = p.x() + dx, y = p.y() + dy;
                        if (x < left || x >= right || y < 0 || y >= h) continue;
                        if (seen[y * image.width() + x] || !isInk(image.pixel(x, y))) continue;
                        seen[y * image.width() + x] = 1;
                        stack.push_back({ x, y });
                    }
            }
            if (size >= 10 * scale * scale) ++pieces;
        }
    return pieces;
}

double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

TEST(ImageLibraryDrawing, RedAndBlackSuitsPrintInTheirColour)
{
    for (int suit = 0; suit < 4; ++suit) {
        const bool red = suit == 1 || suit == 2;
        for (int rank = 1; rank <= 10; ++rank) {
            const QImage image = picture(faceId(suit, rank), 1);
            int reds = 0, darks = 0;
            for (int y = 0; y < 96; ++y)
                for (int x = 0; x < 71; ++x) {
                    reds += isRedInk(image.pixel(x, y));
                    darks += isDarkInk(image.pixel(x, y));
                }
            const int major = red ? reds : darks, minor = red ? darks : reds;
            EXPECT_GT(major, 80) << "suit " << suit << " rank " << rank;
            EXPECT_LT(minor * 10, major) << "suit " << suit << " rank " << rank;
        }
    }
}

TEST(ImageLibraryDrawing, NumberCardsShowAsManyPipsAsTheirRank)
{
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 2; rank <= 10; ++rank)
            for (const int scale : { 1, 2 })
                EXPECT_EQ(inkPieces(picture(faceId(suit, rank), scale), scale), rank)
                    << "suit " << suit << " rank " << rank << " scale " << scale;
}

TEST(ImageLibraryDrawing, EvenNumberCardsReadTheSameTurnedRound)
{
    // Pips in the lower half are printed upside down, so these layouts (without a pip on the
    // middle line, which stands upright) are symmetric.
    for (int suit = 0; suit < 4; ++suit)
        for (const int rank : { 2, 4, 10 }) {
            const QImage image = picture(faceId(suit, rank), 2);
            const QImage turned = image.transformed(QTransform().rotate(180));
            EXPECT_LT(meanDifference(image, turned), 1.0) << "suit " << suit << " rank " << rank;
        }
}

TEST(ImageLibraryDrawing, IndexRepeatsTurnedInTheOppositeCorner)
{
    const QRect corner(1, 1, 13, 26);
    for (int id = 1; id <= 52; ++id) {
        const QImage image = picture(id, 1);
        const QImage topLeft = image.copy(corner);
        const QImage bottomRight = image.copy(QRect(
            71 - corner.right() - 1, 96 - corner.bottom() - 1, corner.width(), corner.height()));
        const QImage turned = bottomRight.transformed(QTransform().rotate(180));
        EXPECT_LT(meanDifference(topLeft, turned), 6.0) << "id " << id;
        int ink = 0;
        for (int y = 0; y < topLeft.height(); ++y)
            for (int x = 0; x < topLeft.width(); ++x)
                ink += isInk(topLeft.pixel(x, y));
        EXPECT_GT(ink, 30) << "id " << id << " has no index";
    }
}

TEST(ImageLibraryDrawing, DoubleScaleIsTheSameDesignDrawnFiner)
{
    for (int id = 1; id <= PictureCount; ++id) {
        const QImage single = picture(id, 1);
        const QImage twice = picture(id, 2);
        int mixedBlocks = 0;
        for (int y = 0; y < 192; y += 2)
            for (int x = 0; x < 142; x += 2) {
                const QRgb p = twice.pixel(x, y);
                mixedBlocks += p != twice.pixel(x + 1, y) || p != twice.pixel(x, y + 1)
                    || p != twice.pixel(x + 1, y + 1);
            }
        EXPECT_GT(mixedBlocks, 100) << "id " << id << " looks like an enlarged small picture";
        const QImage reduced
            = twice.scaled(71, 96, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(single, reduced), 16.0) << "id " << id << " differs in design";
    }
}

TEST(ImageLibraryDrawing, WholeDeckDrawsQuickly)
{
    picture(1, 1); // fonts and paths are prepared once per process
    QElapsedTimer timer;
    timer.start();
    for (int id = 1; id <= PictureCount; ++id)
        for (const int scale : { 1, 2 })
            picture(id, scale);
    const qint64 elapsed = timer.elapsed();
    RecordProperty("milliseconds", static_cast<int>(elapsed));
    std::printf("all 138 pictures in %lld ms\n", static_cast<long long>(elapsed));
    // Generous, as the machine is shared; the game draws the deck once at start-up.
    EXPECT_LT(elapsed, 1500);
}
