#include "ui/window/score_panel.h"

#include "ui/dialogs/dialog_font.h"
#include "ui/score_grid/score_grid.h"

#include <QApplication>
#include <QToolButton>

#include <algorithm>

namespace {

// Rows are 16 pixels of text and one of grid line; Qt counts the line in.
constexpr int kRowStep = 17;
constexpr int kButtonSize = 15;

} // namespace

TScorePanel::TScorePanel(QWidget* parent, int rows, const std::vector<TRowButton>& buttons,
    int gridWidth, int panelWidth)
    : QFrame(parent)
    , FGridWidth(gridWidth)
    , FPanelWidth(panelWidth)
{
    const int height = rows * kRowStep + 4;
    // The panel sits on the green table but looks like the rest of the
    // desktop: grey face, grey grid lines.
    // Every role set explicitly, or the table's green would still propagate.
    QPalette desktop = QApplication::palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        desktop.setBrush(QPalette::ColorRole(role), desktop.brush(QPalette::ColorRole(role)));
    setPalette(desktop);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFixedSize(panelWidth, height);

    FGrid = new TPubStrGrid(this);
    FGrid->setFont(DialogFont());
    FGrid->setFrameShape(QFrame::NoFrame);
    FGrid->SetReadOnly(true);
    FGrid->SetRowCount(rows);
    FGrid->SetColCount(5);
    FGrid->SetDefaultRowHeight(kRowStep);
    FGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FGrid->SetColor(palette().color(QPalette::Button));
    // Inside the panel's one-pixel bevel.
    FGrid->setGeometry(1, 1, gridWidth, height - 2);

    // The buttons stand right of the grid on their row; two seats sharing a
    // row (pairs) stand side by side.
    std::vector<int> perRow(rows, 0);
    for (const TRowButton& b : buttons) {
        auto* button = new QToolButton(this);
        button->setText(QStringLiteral("\u00bb"));
        button->setAutoRaise(false);
        button->setFocusPolicy(Qt::NoFocus);
        const int x = gridWidth + 1 + perRow[b.row]++ * kButtonSize;
        button->setGeometry(x, 1 + b.row * kRowStep, kButtonSize, kRowStep - 1);
        const int seat = b.seat;
        connect(button, &QToolButton::clicked, this, [this, seat] {
            if (OnSeatClick) OnSeatClick(seat);
        });
        FButtons.push_back(button);
        FSeats.push_back(seat);
    }
}

void TScorePanel::Widen(int extra)
{
    extra = std::max(0, extra);
    const int step = extra - FExtra;
    if (step == 0) return;
    FExtra = extra;
    setFixedSize(FPanelWidth + extra, height());
    FGrid->resize(FGridWidth + extra, FGrid->height());
    for (QToolButton* button : FButtons)
        button->move(button->x() + step, button->y());
}
