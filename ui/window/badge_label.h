#pragma once

#include <QColor>
#include <QLabel>

// A note on the table: its text on a translucent rounded box, optionally
// ringed, which the label paints itself. A style sheet would give each such
// label a style of its own, built while the window is, before it shows.
class TBadgeLabel : public QLabel {
public:
    struct TLook {
        QColor background;
        QColor text;
        int radius = 3;
        int padX = 4; // room between the box's edge and the text, in pixels
        int padY = 0;
        int ring = 0; // a white ring this wide, 0 for none
    };

    TBadgeLabel(QWidget* parent, const TLook& look);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TLook FLook;
};
