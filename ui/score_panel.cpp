#include "ui/score_panel.h"

#include "ui/score_grid.h"

#include <QToolButton>

namespace {

constexpr int kRowHeight = 16;
constexpr int kRowStep = kRowHeight + 1; // a row and its grid line
constexpr int kButtonSize = 15;

} // namespace

TScorePanel::TScorePanel(QWidget* parent, int rows, const std::vector<TRowButton>& buttons,
    int gridWidth, int panelWidth)
    : QFrame(parent)
{
    const int height = rows * kRowStep + 4;
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFixedSize(panelWidth, height);

    FGrid = new TPubStrGrid(this);
    FGrid->SetReadOnly(true);
    FGrid->SetRowCount(rows);
    FGrid->SetColCount(5);
    FGrid->SetDefaultRowHeight(kRowHeight);
    FGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FGrid->SetColor(palette().color(QPalette::Button));
    FGrid->setGeometry(0, 0, gridWidth, height);

    // The buttons stand right of the grid on their row; two seats sharing a
    // row (pairs) stand side by side.
    std::vector<int> perRow(rows, 0);
    for (const TRowButton& b : buttons) {
        auto* button = new QToolButton(this);
        button->setText(QStringLiteral("\u00bb"));
        button->setAutoRaise(false);
        button->setFocusPolicy(Qt::NoFocus);
        const int x = gridWidth + 1 + perRow[b.row]++ * kButtonSize;
        button->setGeometry(x, 2 + b.row * kRowStep, kButtonSize, kButtonSize);
        const int seat = b.seat;
        connect(button, &QToolButton::clicked, this, [this, seat] {
            if (OnSeatClick) OnSeatClick(seat);
        });
        FButtons.push_back(button);
    }
}
