// The table's layout on its own: the smallest table's places to the pixel,
// and no part over another nor off the table at any size and shape.
#include "ui/window/table_layout.h"
#include "ui/window/window_size_setting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const QSize kMinimum(772, 532);
constexpr int kCardW = 71;
constexpr int kCardH = 96;

// Six cards in a row or a column, stepping by `step`.
QSize Row(int step)
{
    return { 5 * step + kCardW, kCardH };
}
QSize Column(int step)
{
    return { kCardW, 5 * step + kCardH };
}

struct TShapeCase {
    std::string name;
    TTableParts parts;
};

// The parts as the three modes show them at their widest: loose hands, the
// largest score panel of the mode, names elided at their room.
std::vector<TShapeCase> Cases()
{
    std::vector<TShapeCase> cases;
    for (int mode = 0; mode < 3; ++mode)
        for (bool tight : { false, true }) {
            TTableParts parts;
            parts.north = Row(38);
            parts.south = tight ? Row(16) : Row(38);
            parts.west = parts.east = Column(50);
            parts.sidesShown = mode != 2;
            parts.talon1 = parts.talon2 = QSize(451, kCardH);
            parts.deck = QSize(139, 96);
            // The score grid's rows: a line a seat (two for the pairs).
            parts.panel = mode == 0 ? QSize(215, 92) : QSize(mode == 1 ? 255 : 215, 56);
            parts.panelShown = true;
            parts.labels.fill(QSize(200, 14));
            cases.push_back(
                { "mode " + std::to_string(mode) + (tight ? " tight" : " loose"), parts });
        }
    return cases;
}

std::vector<std::pair<std::string, QRect>> Rects(const TTablePlaces& p, const TTableParts& parts)
{
    std::vector<std::pair<std::string, QRect>> rects { { "north", p.north }, { "south", p.south },
        { "talon1", p.talon1 }, { "talon2", p.talon2 }, { "deck", p.deck }, { "panel", p.panel },
        { "south name", QRect(p.labels[0], parts.labels[0]) },
        { "north name", QRect(p.labels[2], parts.labels[2]) } };
    if (!parts.pile.isEmpty()) {
        rects.push_back({ "south pile", p.piles[0] });
        rects.push_back({ "north pile", p.piles[2] });
    }
    if (parts.sidesShown && !parts.pile.isEmpty()) {
        rects.push_back({ "west pile", p.piles[1] });
        rects.push_back({ "east pile", p.piles[3] });
    }
    if (parts.sidesShown) {
        rects.push_back({ "west", p.west });
        rects.push_back({ "east", p.east });
        rects.push_back({ "west name", QRect(p.labels[1], parts.labels[1]) });
        rects.push_back({ "east name", QRect(p.labels[3], parts.labels[3]) });
    }
    return rects;
}

TEST(TableLayoutTest, TheSmallestTableKeepsItsPlacesToThePixel)
{
    const TTableLayout layout(kMinimum);
    const TTableShape shape = layout.ShapeFor(kMinimum);
    EXPECT_EQ(shape.scale, 1.0);
    EXPECT_EQ(shape.table, kMinimum);
    TTableParts parts = Cases()[1].parts; // four players, the human's hand tight
    parts.panelShown = false;
    parts.labels = { QSize(20, 14), QSize(30, 14), QSize(40, 14), QSize(200, 14) };
    const TTablePlaces p = layout.Place(kMinimum, parts);
    EXPECT_EQ(p.north, QRect(255, 32, 261, 96));
    EXPECT_EQ(p.south, QRect(310, 424, 151, 96));
    EXPECT_EQ(p.west, QRect(16, 93, 71, 346));
    EXPECT_EQ(p.east, QRect(688, 93, 71, 346));
    EXPECT_EQ(p.talon1, QRect(160, 170, 451, 96));
    EXPECT_EQ(p.talon2, QRect(160, 276, 451, 96));
    EXPECT_EQ(p.deck, QRect(99, 428, 139, 96));
    EXPECT_EQ(p.panel.topLeft(), QPoint(553, 436));
    EXPECT_EQ(p.labels[0], QPoint(310, 424 - 11 - 4 - 14));
    EXPECT_EQ(p.labels[1], QPoint(16, 73));
    EXPECT_EQ(p.labels[2], QPoint(255, 12));
    EXPECT_EQ(p.labels[3], QPoint(772 - 4 - 200, 73)) << "steps left, clear of the edge";
    EXPECT_EQ(layout.NameRoom(kMinimum), 200);

    // A shown panel over a wide hand: the hand steps left of it.
    parts.south = QSize(400, kCardH);
    parts.west = parts.east = Column(16);
    parts.panelShown = true;
    const TTablePlaces beside = layout.Place(kMinimum, parts);
    EXPECT_EQ(beside.south.x(), 553 - 4 - 400);
    EXPECT_EQ(beside.panel.y(), 436);
    // The side columns' loose cards rise clear of the panel's corner.
    parts.east = parts.west = Column(50);
    parts.south = Row(16);
    const TTablePlaces clear = layout.Place(kMinimum, parts);
    EXPECT_EQ(clear.east.bottom() + 1 + 4, clear.panel.y());
    EXPECT_EQ(clear.west.y(), clear.east.y());
    EXPECT_EQ(clear.panel.topLeft(), QPoint(553, 436));
    // The window frame counts in the centring as it always did.
    parts.frameExtra = 10;
    EXPECT_EQ(layout.Place(kMinimum, parts).north.x(), 260);
}

TEST(TableLayoutTest, NothingOverlapsAtAnySizeAndShape)
{
    const TTableLayout layout(kMinimum);
    const QSize areas[] = { kMinimum, { 800, 600 }, { 1100, 700 }, { 1900, 600 }, { 800, 1000 },
        { 1920, 1030 }, { 2560, 1440 }, { 3840, 2160 }, { 3 * 700, 700 }, { 900, 1800 },
        { 1600, 533 }, { 773, 1546 }, { 3840, 1280 }, { 1080, 2160 } };
    for (const TShapeCase& c : Cases())
        for (const QSize& area : areas) {
            const std::string where = c.name + " at " + std::to_string(area.width()) + "x"
                + std::to_string(area.height());
            const TTableShape shape = layout.ShapeFor(area);
            ASSERT_GE(shape.scale, 1.0) << where;
            EXPECT_TRUE(shape.table.width() >= kMinimum.width()
                && shape.table.height() >= kMinimum.height())
                << where;
            // The table fills the view on both sides, to less than a table pixel.
            EXPECT_LE(area.width() - shape.table.width() * shape.scale, shape.scale) << where;
            EXPECT_LE(area.height() - shape.table.height() * shape.scale, shape.scale) << where;
            EXPECT_GE(area.width() - shape.table.width() * shape.scale, -0.01) << where;
            const auto rects = Rects(layout.Place(shape.table, c.parts), c.parts);
            const QRect table(QPoint(0, 0), shape.table);
            for (std::size_t i = 0; i < rects.size(); ++i) {
                EXPECT_TRUE(table.contains(rects[i].second))
                    << where << ": " << rects[i].first << " leaves the table";
                for (std::size_t j = i + 1; j < rects.size(); ++j)
                    EXPECT_FALSE(rects[i].second.intersects(rects[j].second))
                        << where << ": " << rects[i].first << " overlaps " << rects[j].first;
            }
        }
}

TEST(TableLayoutTest, ALargerTableGivesTheCardsAndTheNamesMoreRoom)
{
    const TTableLayout layout(kMinimum);
    // The shorter side sets the scale; the longer one gets more table.
    const TTableShape wide = layout.ShapeFor({ 1900, 600 });
    EXPECT_NEAR(wide.scale, 600.0 / 532, 1e-9);
    EXPECT_GT(wide.table.width(), 2 * kMinimum.width());
    const TTableShape tall = layout.ShapeFor({ 800, 1000 });
    EXPECT_NEAR(tall.scale, 800.0 / 772, 1e-9);
    EXPECT_EQ(tall.table.width(), 772);
    EXPECT_GT(tall.table.height(), 900);
    EXPECT_GT(layout.NameRoom(wide.table), 400);
    // The rows stay in the middle of a tall table, the hands by its edges.
    const TTablePlaces p = layout.Place(tall.table, Cases()[0].parts);
    EXPECT_NEAR(p.talon1.bottom() + 5, tall.table.height() / 2, 6);
    EXPECT_LT(p.north.y(), tall.table.height() / 4);
    EXPECT_GT(p.south.y(), tall.table.height() * 3 / 4);
}

TEST(TableLayoutTest, TheFirstWindowTakesMostOfTheScreensHeight)
{
    const QSize smallest(772, 600);
    struct TCase {
        QSize screen, expected;
    } cases[] = {
        { { 1920, 1040 }, { 1071, 832 } }, // 80% of the height, in proportion
        { { 3840, 2120 }, { 2182, 1696 } },
        { { 1024, 700 }, { 772, 600 } }, // 560 is under the smallest
        { { 800, 600 }, { 772, 600 } }, { { 640, 480 }, { 772, 600 } }, // never below the smallest
        { { 1000, 1900 }, { 900, 699 } }, // a tall screen: 90% of its width
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FirstWindowSize(smallest, c.screen), c.expected)
            << c.screen.width() << "x" << c.screen.height();
}

} // namespace
