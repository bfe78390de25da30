#include "ui/window/table_layout.h"

#include "cards/card/zucard_types.h"

#include <algorithm>
#include <cmath>

namespace {

// The smallest table's own places: the hands' edges and the deck's corner.
constexpr int kNorthTop = 32;
constexpr int kSouthTop = 424;
constexpr int kWestLeft = 16;
constexpr int kEastFromRight = 84;
constexpr int kRowGap = 10;
constexpr int kDeckBeside = 12;
constexpr int kDeckAbove = 8;
constexpr int kPanelGap = 4;
constexpr int kNameAbove = 20;
constexpr int kNameClear = 4;
constexpr int kNameRoom = 200;
constexpr int kPileGap = 10;

} // namespace

TTableShape TTableLayout::ShapeFor(QSize area) const
{
    if (FMinimum.isEmpty() || area.isEmpty()) return { 1.0, FMinimum };
    const qreal scale = std::max(1.0,
        std::min(qreal(area.width()) / FMinimum.width(), qreal(area.height()) / FMinimum.height()));
    // The table takes the whole view at that scale: the longer side gets
    // more table, not a band of empty green.
    const QSize table(int(std::floor(area.width() / scale + 1e-6)),
        int(std::floor(area.height() / scale + 1e-6)));
    return { scale, table.expandedTo(FMinimum) };
}

int TTableLayout::NameRoom(QSize table) const
{
    // A wider table gives the names more of its width.
    return kNameRoom + std::max(0, table.width() - FMinimum.width()) / 3;
}

TTablePlaces TTableLayout::Place(QSize table, const TTableParts& parts) const
{
    const int dx = std::max(0, table.width() - FMinimum.width());
    const int dy = std::max(0, table.height() - FMinimum.height());
    const int centre = table.width() + parts.frameExtra;
    TTablePlaces places;
    places.north
        = QRect(QPoint((centre - parts.north.width()) / 2, kNorthTop + dy / 6), parts.north);
    places.south
        = QRect(QPoint((centre - parts.south.width()) / 2, kSouthTop + dy - dy / 6), parts.south);
    const int sideTop = (table.height() - parts.west.height()) / 2;
    places.west = QRect(QPoint(kWestLeft + dx / 8, sideTop), parts.west);
    places.east = QRect(QPoint(FMinimum.width() - kEastFromRight + dx - dx / 8,
                            (table.height() - parts.east.height()) / 2),
        parts.east);
    const int rowsTop = (table.height() - parts.talon1.height() - parts.talon2.height()) / 2;
    places.talon1 = QRect(QPoint((centre - parts.talon1.width()) / 2, rowsTop), parts.talon1);
    places.talon2
        = QRect(QPoint(places.talon1.x(), rowsTop + parts.talon1.height() + kRowGap), parts.talon2);
    // The deck in the lower left corner, beside the left-hand column, whose
    // loose cards reach down to the corner, and left of the human's hand.
    places.deck = QRect(QPoint(places.west.x() + ZuCardWidth + kDeckBeside,
                            table.height() - parts.deck.height() - kDeckAbove),
        parts.deck);
    PlacePanel(table, parts, places);
    PlaceLabels(table, parts, places);
    if (!parts.pile.isEmpty()) PlacePiles(table, parts, places);
    return places;
}

void TTableLayout::PlacePanel(QSize table, const TTableParts& parts, TTablePlaces& places) const
{
    places.panel = QRect(QPoint(table.width() - parts.panel.width() - kPanelGap,
                             table.height() - parts.panel.height() - kPanelGap),
        parts.panel);
    if (!parts.panelShown) return;
    // On a short table the side columns' loose cards reach down to the
    // panel's corner: both columns rise clear of it while their names still
    // fit above them, else the panel steps left of the column.
    if (parts.sidesShown && places.panel.intersects(places.east)) {
        const int top = places.panel.y() - kPanelGap - places.east.height();
        if (top - kNameAbove >= 0 && places.west.height() == places.east.height()) {
            places.east.moveTop(top);
            places.west.moveTop(top);
        } else {
            places.panel.moveLeft(places.east.x() - kPanelGap - places.panel.width());
        }
    }
    // The panel keeps its corner; a wide hand beneath it steps left, and as
    // far as the left column allows. Only when even that is not enough does
    // the panel rise above the hand.
    if (!places.panel.intersects(places.south)) return;
    const int leftmost = parts.sidesShown ? places.west.right() + 1 + kPanelGap : kPanelGap;
    places.south.moveLeft(std::max(leftmost, places.panel.x() - kPanelGap - places.south.width()));
    if (places.panel.intersects(places.south))
        places.panel.moveTop(places.south.y() - kPanelGap - places.panel.height());
}

void TTableLayout::PlaceLabels(QSize table, const TTableParts& parts, TTablePlaces& places) const
{
    const std::array<const QRect*, 4> seats { &places.south, &places.west, &places.north,
        &places.east };
    // A name sits above its hand; the right-hand seat's name steps left
    // rather than off the table.
    for (int seat = 0; seat < 4; ++seat) {
        const int x
            = std::min(seats[seat]->x(), table.width() - kNameClear - parts.labels[seat].width());
        places.labels[seat] = QPoint(x, seats[seat]->y() - kNameAbove);
    }
    // The human's name and last move stay readable above the hint's raised card.
    places.labels[0] = QPoint(
        places.south.x(), places.south.y() - HandRaise - kNameClear - parts.labels[0].height());
}

void TTableLayout::PlacePiles(QSize table, const TTableParts& parts, TTablePlaces& places) const
{
    const QSize pile = parts.pile;
    auto beside = [&](const QRect& hand, bool right) {
        const int x = right ? hand.right() + 1 + kPileGap : hand.x() - kPileGap - pile.width();
        return QRect(QPoint(x, hand.y() + (hand.height() - pile.height()) / 2), pile);
    };
    // The side columns' piles face the table from their tops, clear of the
    // deck below the left one.
    places.piles[1] = QRect(QPoint(places.west.right() + 1 + kPileGap, places.west.y()), pile);
    places.piles[3]
        = QRect(QPoint(places.east.x() - kPileGap - pile.width(), places.east.y()), pile);
    places.piles[2] = beside(places.north, true);
    // The player's pile right of the hand, else left of it, else above its
    // right end, wherever the panel and the deck leave room.
    const QRect table0(QPoint(0, 0), table);
    const auto clear = [&](const QRect& r) {
        return table0.contains(r) && !(parts.panelShown && r.intersects(places.panel))
            && !r.intersects(places.deck);
    };
    const QRect right = beside(places.south, true);
    const QRect left = beside(places.south, false);
    places.piles[0] = clear(right) ? right
        : clear(left)              ? left
                                   : QRect(QPoint(places.south.right() + 1 - pile.width(),
                                               places.south.y() - HandRaise - pile.height()),
                                       pile);
}
