#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

// How the table is drawn: "Klasicni" (the flat green table the game always had)
// or "Savremeni" (felt, rounded cards, piles).
enum class TTableLook { Classic, Modern };

// The table's logical size and the scale it is shown at for a view of a given
// size: the scale that fits the smallest table, and a table that fills the view.
struct TTableShape {
    qreal scale = 1.0;
    QSize table;
};

// Each part's own size as it draws itself now; the layout places them.
struct TTableParts {
    QSize north, south, west, east; // the hands
    bool sidesShown = true;
    QSize talon1, talon2;
    QSize deck;
    QSize panel;
    bool panelShown = false;
    std::array<QSize, 4> labels {}; // S, W, N, E
    // Each side's pile of taken cards by its hand; empty when not shown.
    QSize pile;
    // The window frame's width, which the centred rows count in, as the
    // smallest table always did.
    int frameExtra = 0;
};

// Where each part goes, in table coordinates.
struct TTablePlaces {
    QRect north, south, west, east, talon1, talon2, deck, panel;
    std::array<QPoint, 4> labels {}; // S, W, N, E
    std::array<QRect, 4> piles {}; // S, W, N, E; empty without piles
};

// Pure geometry: places the seats, the table rows, the deck and the score
// panel for a table of any size. At the smallest table (the window at its
// minimum) the places are the long-standing ones to the pixel; a larger table
// keeps the hands by the edges and the rows in the middle, moving the seats a
// little inward as the table grows so its middle does not empty.
class TTableLayout {
public:
    // The hint's raise and ring above the human's hand, which its name clears.
    static constexpr int HandRaise = 8 + 3;

    explicit TTableLayout(QSize minimum)
        : FMinimum(minimum)
    {
    }

    QSize Minimum() const { return FMinimum; }
    // The scale and table that fill `area` with the cards as large as its
    // shorter side allows (never below 1x nor below the smallest table).
    TTableShape ShapeFor(QSize area) const;
    TTablePlaces Place(QSize table, const TTableParts& parts) const;
    // How wide a seat's name may show before it is elided.
    int NameRoom(QSize table) const;

private:
    void PlacePanel(QSize table, const TTableParts& parts, TTablePlaces& places) const;
    void PlaceLabels(QSize table, const TTableParts& parts, TTablePlaces& places) const;
    void PlacePiles(QSize table, const TTableParts& parts, TTablePlaces& places) const;

    QSize FMinimum;
};
