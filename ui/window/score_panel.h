#pragma once

#include <QFrame>

#include <functional>
#include <vector>

class QToolButton;
class TPubStrGrid;

// One score table on its panel: a read-only grid with, right of each seat
// row, small buttons that open that seat's taken cards.
class TScorePanel : public QFrame {
    Q_OBJECT
public:
    // A button beside a grid row, for one seat.
    struct TRowButton {
        int row;
        int seat;
    };

    TScorePanel(QWidget* parent, int rows, const std::vector<TRowButton>& buttons, int gridWidth,
        int panelWidth);

    TPubStrGrid* Grid() const { return FGrid; }
    // The buttons in the order they were given.
    const std::vector<QToolButton*>& Buttons() const { return FButtons; }
    // The seat of each button, in the same order.
    const std::vector<int>& ButtonSeats() const { return FSeats; }
    // Clicks give the seat of the button.
    std::function<void(int seat)> OnSeatClick;
    // The grid (and the panel) `extra` pixels wider than made, the buttons
    // moved along: room a wider table gives the names' column.
    void Widen(int extra);
    int Extra() const { return FExtra; }

private:
    int FGridWidth;
    int FPanelWidth;
    int FExtra = 0;
    TPubStrGrid* FGrid;
    std::vector<QToolButton*> FButtons;
    std::vector<int> FSeats;
};
