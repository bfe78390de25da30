// How the window looks at its size and in its look ("Izgled"): the text
// around the table grows with the table, and the table is drawn flat
// ("Klasicni") or as felt with rounded cards ("Savremeni").
#include "ui/window/main_window.h"

#include "cards/zucard.h"
#include "game/controller/match_controller.h"
#include "settings/ini.h"
#include "ui/dialogs/dialog_scale.h"
#include "ui/window/badge_label.h"
#include "ui/window/capture_outline.h"
#include "ui/window/move_history_panel.h"
#include "ui/window/raise_over.h"
#include "ui/window/seat_marks.h"
#include "ui/window/table_look_setting.h"
#include "ui/window/table_view.h"
#include "ui/window/taken_pile.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTextPixels = 11;
// Beyond this the menus would crowd the window more than they help.
constexpr qreal kLargestTextScale = 3.0;
constexpr std::array<int, 3> kStatusWidths { 150, 150, 50 };
// A marked table card stands this far above its row, clear of the others
// even where its tint is hard to tell from a white face.
constexpr int kMarkLift = 6;

} // namespace

qreal TForm1::TextScale() const
{
    // From the window's size rather than the table's scale, which the text's
    // own size changes: the text settles in one step.
    if (FTableMinimum.isEmpty()) return 1.0;
    const qreal scale = std::min(
        qreal(width()) / FTableMinimum.width(), qreal(height()) / FTableMinimum.height());
    return std::clamp(scale, 1.0, kLargestTextScale);
}

void TForm1::ApplyTextScale()
{
    const qreal scale = TextScale();
    QFont text = font();
    text.setPixelSize(qRound(kTextPixels * scale));
    if (menuBar()->font().pixelSize() == text.pixelSize()) return;
    menuBar()->setFont(text);
    // Every menu, submenus too: a menu is a window of its own and takes no
    // font from the menu it opens from.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        menu->setFont(text);
        SetTextScale(menu, scale);
    }
    for (int i = 0; i < 3; ++i) {
        FStatus[i]->setFont(text);
        const int width = qRound(kStatusWidths[i] * scale);
        if (i < 2)
            FStatus[i]->setFixedWidth(width);
        else
            FStatus[i]->setMinimumWidth(width);
    }
    if (FHistory) FHistory->setFont(text);
}

void TForm1::ApplyLook()
{
    FLook = ReadTableLook(FSettings->FileName);
    const bool modern = FLook == TTableLook::Modern;
    FTable->SetLook(FLook);
    const TZuCardFinish finish
        = modern ? TZuCardFinish { 5, QColor(0xff, 0xc8, 0x1e), kMarkLift } : TZuCardFinish {};
    // Every card of the look is rounded: its pictures at the table's scale are
    // drawn so, and not kept twice.
    SetScaledPictureCorners(finish.cornerRadius);
    for (TZuCardGroup* group : { PlayerS, PlayerW, PlayerN, PlayerE, Talon1, Talon2 }) {
        group->SetSeeThrough(modern);
        group->SetCardFinish(finish);
    }
    for (TZuCardGroup* seat : { PlayerS, PlayerW, PlayerN, PlayerE })
        seat->SetCloseUp(modern);
    RealDeck->SetSeeThrough(modern);
    FMarks->SetNameColour(modern ? QColor(0xf4, 0xf4, 0xec) : QColor(Qt::black));
    if (modern && !FPiles[0])
        for (int seat = SeatS; seat <= SeatE; ++seat) {
            FPiles[seat] = new TTakenPile(FTable);
            FPiles[seat]->setObjectName(QStringLiteral("TakenPile%1").arg(seat));
            FPiles[seat]->OnOpen = [this, seat] { ShowTakenCards(seat); };
        }
    if (modern && !FOutline) {
        FOutline = new TCaptureOutline(FTable, PlayerS, { Talon1, Talon2 });
        FOutline->CaptureOf = [this](int slot) {
            return FController ? FController->CaptureOf(slot) : std::vector<TTableSlot> {};
        };
    }
    if (FOutline) FOutline->SetOn(modern && ReadCaptureOutline(FSettings->FileName));
    ShowDeckCount();
    // A row grown past six cards takes the look's room for a lifted card.
    ArrangeTable();
}

void TForm1::ShowTakenPiles()
{
    if (!FPiles[0]) return;
    const std::array<TZuCardGroup*, 4> seats { PlayerS, PlayerW, PlayerN, PlayerE };
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        TTakenPile* pile = FPiles[seat];
        if (FLook != TTableLook::Modern || seats[seat]->isHidden()) {
            pile->hide();
            continue;
        }
        pile->Show(seats[seat]->TakenCount(), seats[seat]->PlayerName(),
            seat == SeatS ? FCanViewMine : FCanViewOthers);
    }
}

void TForm1::ShowDeckCount()
{
    if (FLook != TTableLook::Modern || !FController) {
        if (FDeckCount) FDeckCount->hide();
        return;
    }
    if (!FDeckCount) {
        FDeckCount = new TBadgeLabel(FTable, { QColor(0, 0, 0, 150), Qt::white, 9, 7, 2, 2 });
        FDeckCount->setObjectName(QStringLiteral("DeckCount"));
        QFont bold = FTable->font();
        bold.setBold(true);
        bold.setPixelSize(13);
        FDeckCount->setFont(bold);
        FDeckCount->setAlignment(Qt::AlignCenter);
    }
    // The match's own deck: the visual deck's count is of its last deal.
    const int left = int(FController->State().deck.size());
    FDeckCount->setText(QString::number(left));
    FDeckCount->setAccessibleName(tr("Ostalo karata u spilu: %1").arg(left));
    FDeckCount->adjustSize();
    FDeckCount->setVisible(left > 0 && RealDeck->isVisible());
    // On the top card of the pile, in its middle.
    const QRect top(
        RealDeck->x() + RealDeck->width() - ZuCardWidth, RealDeck->y(), ZuCardWidth, ZuCardHeight);
    FDeckCount->move(top.center() - FDeckCount->rect().center());
    RaiseOverSiblings(FDeckCount);
}
