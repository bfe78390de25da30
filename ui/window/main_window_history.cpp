// "Opcije" -> "Tok igre": the match's moves in a panel docked beside the
// table, kept open or closed in the settings (`MoveHistory`).
#include "ui/window/main_window.h"

#include "cards/zucard.h"
#include "game/controller/match_controller.h"
#include "settings/ini.h"
#include "ui/window/game_option_setting.h"
#include "ui/window/move_history_panel.h"

#include <QAction>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace {

const QString kMoveHistoryKey = QStringLiteral("MoveHistory");

} // namespace

void TForm1::CreateHistoryPanel()
{
    FHistory = new TMoveHistoryPanel(
        [this](int seat) {
            const TZuCardGroup* group = FController ? FController->Seat(seat) : nullptr;
            return group ? group->PlayerName() : QString();
        },
        this);
    addDockWidget(Qt::RightDockWidgetArea, FHistory);
    FHistory->hide();
}

void TForm1::RestoreHistoryPanel()
{
    if (ReadGameOption(FSettings->FileName, kMoveHistoryKey, false)) {
        // A kept window size already holds the panel; a first start widens.
        FHistoryShown = true;
        FHistory->show();
        FitHistoryPanel(true);
    }
    // The action's check follows the panel's every show and hide, also those
    // of the window's own first show and its closing: only a change counts.
    connect(FHistory->toggleViewAction(), &QAction::toggled, this, [this](bool shown) {
        if (FClosing || shown == FHistoryShown) return;
        FHistoryShown = shown;
        FitHistoryPanel(shown);
        StoreGameOption(FSettings->FileName, kMoveHistoryKey, shown);
    });
}

void TForm1::FitHistoryPanel(bool shown)
{
    // The panel's least width and the splitter beside it.
    const int dock = FHistory->minimumSizeHint().width();
    const int panel
        = dock + style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    const QSize least = FTableMinimum + QSize(shown ? panel : 0, 0);
    const bool free = !isMaximized() && !isFullScreen();
    // Before the new least size, which may widen the window by itself.
    const int before = this->width();
    setMinimumSize(least);
    resizeDocks({ FHistory }, { dock }, Qt::Horizontal);
    if (!free) return;
    // The table keeps its size: the window takes the panel's width on or off.
    const int width = std::max(least.width(), before + (shown ? panel : -panel));
    if (isVisible() || !shown || before < least.width()) resize(width, height());
    if (!isVisible() && shown && before < least.width()) {
        // A first start: the widened window goes in the middle of the screen,
        // its left edge (and menu) on it when it is wider than the screen.
        const QRect area = screen()->availableGeometry();
        QPoint corner = area.center() - rect().center();
        corner.setX(std::max(corner.x(), area.left()));
        move(corner);
    }
}

void TForm1::ShowHistory(const TMoveHistory& history)
{
    if (FHistory) FHistory->ShowHistory(history);
    SoundHistory(history);
}
