// What the scaled table view repaints while cards fly: the places of the
// flying cards, not the table between them, and the screen then shows what a
// fresh paint of the view draws.
#include "tests/support/pixel_difference.h"
#include "tests/support/run_until.h"
#include "ui/window/flight_stage.h"
#include "ui/window/seat_marks.h"
#include "ui/window/table_felt.h"
#include "ui/window/table_view.h"

#include <QGraphicsScene>
#include <QGuiApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A table that notes what its paints covered.
class TNotedSurface : public TTableSurface {
public:
    QRegion painted;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        painted += event->region();
        TTableSurface::paintEvent(event);
    }
};

qint64 Area(const QRegion& region)
{
    qint64 area = 0;
    for (const QRect& r : region)
        area += qint64(r.width()) * r.height();
    return area;
}

// The felt of a `table` painted into a picture the way the view paints it:
// the painter at `toDevice`, one Paint for each of `areas`, no clip.
QImage Felt(
    TTableFelt& felt, QSize table, const QTransform& toDevice, const std::vector<QRect>& areas)
{
    QImage picture(QSize(900, 500), QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setTransform(toDevice);
    for (const QRect& area : areas)
        felt.Paint(painter, table, area);
    return picture;
}

} // namespace

TEST(TableFelt, APaintInPiecesMatchesAWholeOneAndKeepsToTheTable)
{
    const QSize table(400, 220);
    // Rectangles of a paint meeting at edges that fall between device pixels.
    std::vector<QRect> pieces;
    for (int y = 0; y < table.height(); y += 37)
        for (int x = 0; x < table.width(); x += 53)
            pieces.push_back(QRect(x, y, 53, 37) & QRect(QPoint(0, 0), table));
    for (const qreal scale : { 1.0, 0.75, 1.8539, 2.0 }) {
        const QTransform toDevice = QTransform::fromTranslate(3, 5).scale(scale, scale);
        TTableFelt felt;
        const QImage whole = Felt(felt, table, toDevice, { QRect(QPoint(0, 0), table) });
        // No seam: each piece's light and grain line up with the whole's.
        EXPECT_EQ(PixelsDiffering(whole, Felt(felt, table, toDevice, pieces), 0), 0) << scale;
        // The cloth moves with the table, by whole device pixels here.
        const QImage moved = Felt(felt, table,
            QTransform::fromTranslate(17, 11).scale(scale, scale), { QRect(QPoint(0, 0), table) });
        const QRect device = toDevice.mapRect(QRect(QPoint(0, 0), table)).adjusted(1, 1, -1, -1);
        EXPECT_EQ(PixelsDiffering(whole.copy(device), moved.copy(device.translated(14, 6)), 0), 0)
            << scale;
        // The light falls above the middle and fades towards the corners.
        const QPoint lit = toDevice.map(QPointF(200, 92)).toPoint();
        const QPoint corner = toDevice.map(QPointF(4, 216)).toPoint();
        EXPECT_GT(qGreen(whole.pixel(lit)), qGreen(whole.pixel(corner)) + 40) << scale;
    }
}

TEST(TableViewPaint, CardsFlyingApartRepaintOnlyTheirPlaces)
{
    for (const TTableLook look : { TTableLook::Classic, TTableLook::Modern }) {
        auto* table = new TNotedSurface;
        table->setFixedSize(400, 300);
        table->SetLook(look);
        // Below a bar, as in the window, so the view paints at an offset.
        QWidget window;
        window.resize(810, 640);
        TTableView view(table, &window);
        view.setGeometry(10, 40, 800, 600); // the table at twice its size
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        view.SettleNow();
        auto* stage = new TFlightStage;
        stage->SetArea(QRectF(0, 0, 400, 300));
        stage->SetPictureScale(view.Scale());
        view.scene()->addItem(stage);
        QImage card(71, 96, QImage::Format_ARGB32_Premultiplied);
        card.fill(Qt::darkRed);
        RunUntil([] { return false; }, 50);

        // Two cards at opposite corners, in one frame and then the next.
        for (const QPointF shift : { QPointF(0, 0), QPointF(6, 4) }) {
            table->painted = {};
            stage->ShowFrames(
                { { &card, QPointF(5, 5) + shift }, { &card, QPointF(320, 200) - shift } });
            ASSERT_TRUE(RunUntil([&] { return !table->painted.isEmpty(); }, 5000));
            RunUntil([] { return false; }, 30);
            // Each card's place is about 80 x 100 of the table's 400 x 300.
            EXPECT_LT(Area(table->painted), 400 * 300 / 4)
                << int(look) << ": " << table->painted.boundingRect().width() << " x "
                << table->painted.boundingRect().height();
        }
        const QImage shown = window.screen()
                                 ->grabWindow(window.winId(), 10, 40, view.width(), view.height())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        const QImage fresh = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), fresh.size());
        EXPECT_EQ(PixelsDiffering(shown, fresh, 2), 0) << int(look);
    }
}

// The seats' marks are placed again at every arrangement of the table; marks
// that neither moved nor were covered must not be repainted, or the four of
// them, far apart, had the whole table between them repainted with them.
TEST(TableViewPaint, MarksPlacedAgainRepaintNothingUnlessCovered)
{
    auto* table = new TNotedSurface;
    table->setFixedSize(400, 300);
    std::array<QLabel*, 4> names {};
    const std::array<QPoint, 4> at { QPoint(150, 280), QPoint(5, 140), QPoint(150, 5),
        QPoint(330, 140) };
    for (int seat = 0; seat < 4; ++seat) {
        names[seat] = new QLabel(QStringLiteral("Igrac"), table);
        names[seat]->move(at[seat]);
    }
    auto& marks = *new TSeatMarks(table, names); // the table owns it
    QWidget window;
    window.resize(810, 640);
    TTableView view(table, &window);
    view.setGeometry(10, 40, 800, 600);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (int seat = 0; seat < 4; ++seat)
        marks.ShowLastMove(seat, 10, {});
    RunUntil([] { return false; }, 50);

    table->painted = {};
    marks.Place();
    RunUntil([] { return false; }, 50);
    EXPECT_TRUE(table->painted.isEmpty())
        << table->painted.boundingRect().width() << " x " << table->painted.boundingRect().height();

    // A label shown over the north seat's mark: that mark comes back on top.
    auto* cover = new QLabel(QStringLiteral("preko"), table);
    cover->setGeometry(marks.Mark(2)->geometry());
    cover->show();
    marks.Place();
    EXPECT_EQ(table->children().last(), marks.Mark(2));
}
