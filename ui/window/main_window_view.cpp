// What the match controller shows through the window, and the layout.
#include "ui/window/main_window.h"

#include "cards/zucard.h"
#include "game/controller/match_controller.h"
#include "platform/free_memory.h"
#include "settings/ini.h"
#include "ui/dialogs/deck_over_dialog.h"
#include "ui/review/analysis_window.h"
#include "ui/window/fitted_text.h"
#include "ui/window/hint_card.h"
#include "ui/access/game_speech.h"
#include "ui/access/keyboard_play.h"
#include "ui/sound/sound_cues.h"
#include "ui/score_grid/score_grid.h"
#include "ui/window/score_panel.h"
#include "ui/window/seat_marks.h"
#include "ui/window/table_layout.h"
#include "ui/window/table_notes.h"
#include "ui/window/table_view.h"
#include "ui/window/taken_cards_view.h"
#include "ui/window/taken_pile.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

void TForm1::SetStatusText(int panel, const QString& text)
{
    // The first two panels have fixed widths: a long name must not push the
    // text past their edge.
    if (panel < 2)
        ShowFitted(FStatus.at(panel), text);
    else
        FStatus.at(panel)->setText(text);
    FStatus.at(panel)->repaint();
    if (panel == 0) ShowDeckCount();
    SpeakStatus(panel, text);
    SoundStatus(panel, text);
}

void TForm1::SetScoreCell(int grid, int column, int row, const QString& text)
{
    // The names' column is fitted once the names are in
    // (SetScoreColumnWidths follows every change of them): fitting it after
    // each name measured the same texts again and again at start-up.
    ScorePanel(grid)->Grid()->SetCellIfChanged(column, row, text);
    NameScoreCells(grid, column, row);
}

void TForm1::SetScoreColumnWidths(int grid, const std::array<int, 5>& widths)
{
    FScoreWidths.at(grid) = widths;
    TScorePanel* panel = ScorePanel(grid);
    TPubStrGrid* cells = panel->Grid();
    // A translated header wider than its column takes what it needs (2
    // pixels in, 1 clear of the line) from the names' column: the grid keeps
    // its width, so the "Total" column stays whole too.
    std::array<int, 5> fitted = widths;
    const QFontMetrics metrics(cells->font());
    for (int column = 1; column < 5; ++column) {
        const int need = metrics.horizontalAdvance(cells->Cells(column, 0)) + 3;
        if (need <= fitted[column]) continue;
        fitted[0] -= need - fitted[column];
        fitted[column] = need;
    }
    // A wider table gives the names' column what its longest name needs,
    // up to a third of the width the table has grown by.
    int longest = 0;
    for (int row = 1; row < cells->RowCount(); ++row)
        longest = std::max(longest, metrics.horizontalAdvance(cells->Cells(0, row)) + 3);
    const int room = std::max(0, FTable->width() - FView->Layout().Minimum().width()) / 3;
    const int extra = std::clamp(longest - fitted[0], 0, room);
    fitted[0] += extra;
    if (extra != panel->Extra()) {
        panel->Widen(extra);
        ArrangeSeats();
    }
    // The widths are of the text; Qt counts the grid line in.
    for (int column = 0; column < 5; ++column)
        cells->SetColWidths(column, fitted[column] + 1);
}

void TForm1::WidenScoreNames()
{
    for (int grid = 0; grid < 3; ++grid)
        if (FPanels[grid] && FScoreWidths[grid]) SetScoreColumnWidths(grid, *FScoreWidths[grid]);
}

void TForm1::RefreshScoreGrid(int grid)
{
    ScorePanel(grid)->Grid()->ClearSelection();
    ScorePanel(grid)->Grid()->RepaintNow();
}

void TForm1::SetScorePanelVisible(int grid, bool visible)
{
    // A panel never shown is not made to be hidden, and then nothing moves.
    if (!visible && !FPanels.at(grid)) return;
    ScorePanel(grid)->setVisible(visible);
    // The human's hand steps aside for the panel only while it shows.
    ArrangeSeats();
}

bool TForm1::ScoreTableChecked() const
{
    return FMenu.ScoreTable->isChecked();
}

void TForm1::SetScoreTableChecked(bool checked)
{
    FMenu.ScoreTable->setChecked(checked);
}

bool TForm1::StartItemEnabled() const
{
    return FMenu.StartMatch->isEnabled();
}

void TForm1::SetStartItemEnabled(bool enabled)
{
    FMenu.StartMatch->setEnabled(enabled);
}

void TForm1::SetSideSeatsVisible(bool visible)
{
    for (QWidget* w : { static_cast<QWidget*>(PlayerW), static_cast<QWidget*>(PlayerE),
             static_cast<QWidget*>(FLabels[1]), static_cast<QWidget*>(FLabels[3]) })
        w->setVisible(visible);
    FMenu.TakenBy[SeatW]->setVisible(visible);
    FMenu.TakenBy[SeatE]->setVisible(visible);
    FMarks->Place();
}

void TForm1::RepaintWindow()
{
    repaint();
}

void TForm1::ShowHandEnd(const THandEndDisplay& display)
{
    TFDeckOverInfoDlg dialog(this);
    dialog.SetPlayers(display.seats[SeatS], display.seats[SeatW], display.seats[SeatN],
        display.seats[SeatE], display.gameMode);
    dialog.SetLastTaker(display.lastTakerName);
    dialog.SetMostCards(display.mostCards);
    dialog.SetHandFigures(display.figures);
    ShowHandEndReview(dialog, display.reviewedHand);
    dialog.SetViewer(Overview());
    dialog.SetAnalysisAvailable(FAnalysis && FAnalysis->HasHands());
    AnnounceHandEnd(display.gameMode);
    if (FSound) FSound->HandEnd();
    // Nobody is on turn while the hand is summed up.
    FNotes->ShowHumanOnTurn(false);
    dialog.Execute();
    FHandEndDialog = nullptr;
    // The hand's pictures and flights are freed by now: their pages go back
    // to the system while the next deal is still to come.
    ReturnFreeMemory();
    FNotes->ShowHumanOnTurn(FMarks->OnTurn() == SeatS);
    if (dialog.AnalysisChosen()) {
        Analysis()->ShowLatestHand();
        Analysis()->ShowWindow();
    }
}

void TForm1::CloseOverview()
{
    if (FOverview) FOverview->CloseIfOpen();
}

void TForm1::ShowLastMove(int seat, int playedId, const std::vector<int>& takenIds)
{
    FMarks->ShowLastMove(seat, playedId, takenIds);
    ShowTakenPiles();
    AnnounceMove(seat, playedId, takenIds);
    SoundMoveShown(seat, playedId, takenIds);
}

void TForm1::ClearLastMoves()
{
    FMarks->Clear();
    ShowTakenPiles();
    if (FSpeech) FSpeech->ClearLastMoves();
}

void TForm1::ShowHintCard(int slot)
{
    FHintCard->ShowSlot(PlayerS, slot);
    // The keys' ring goes with the hint, so Enter plays the hinted card
    // with the table cards the hint marked.
    if (slot >= 0 && FKeys) FKeys->FocusHand(slot);
    SpeakHint(slot);
}

void TForm1::MarkSeatOnTurn(int seat)
{
    FMarks->MarkOnTurn(seat);
    NameSeatsForReaders(seat);
    SpeakTurn(seat);
    SoundTurn(seat);
    if (seat == SeatS && FKeys) FKeys->Follow();
    FNotes->ShowHumanOnTurn(seat == SeatS);
}

void TForm1::ShowRevealedCard(int seat, int slot)
{
    const std::array<TZuCardGroup*, 4> seats { PlayerS, PlayerW, PlayerN, PlayerE };
    if (seat < SeatW || seat > SeatE || slot < 0) {
        FRevealSeat = -1;
        FRevealCard->ShowSlot(nullptr, -1);
        return;
    }
    // Toward the table: down from the top row, inward from the side columns.
    constexpr int lift = THintCard::Lift;
    const QPoint toward = seat == SeatN ? QPoint(0, lift)
        : seat == SeatW                 ? QPoint(lift, 0)
                                        : QPoint(-lift, 0);
    FRevealCard->SetLook(Qt::white, toward, false);
    FRevealSeat = seat;
    FRevealCard->ShowSlot(seats[seat], slot);
}

void TForm1::ShowPaused(bool paused)
{
    FNotes->ShowPaused(paused);
}

void TForm1::ShowMarkedCards(const std::vector<int>& ids)
{
    FNotes->ShowMarkedCards(ids);
}

int TForm1::TableHeight() const
{
    return FTable->height();
}

int TForm1::FrameExtra() const
{
    // The frame's width, as the window manager reports it once the window is
    // on the screen: the rows are centred with it counted in.
    return isVisible() ? std::max(0, frameGeometry().width() - width()) : 0;
}

TZuCascadeStyle TForm1::HumanCascade() const
{
    // The modern table spreads the player's hand when it has the room: the
    // corner marks then read whole.
    constexpr int kSpreadRoom = 120;
    const bool room = FTable->width() >= FView->Layout().Minimum().width() + kSpreadRoom;
    return FSettings->HumanCardsTight && !(FLook == TTableLook::Modern && room) ? csTight : csLoose;
}

void TForm1::ApplyCascadeStyles()
{
    PlayerS->SetCascadeStyle(HumanCascade());
    for (TZuCardGroup* seat : { PlayerW, PlayerN, PlayerE })
        seat->SetCascadeStyle(FSettings->CompCardsTight ? csTight : csLoose);
}

void TForm1::ArrangeSeats()
{
    const TTableLayout& layout = FView->Layout();
    const QSize table = FTable->size();
    const std::array<TZuCardGroup*, 4> seats { PlayerS, PlayerW, PlayerN, PlayerE };
    TTableParts parts;
    // A long name shows whole up to its room, cut at its end beyond it.
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        QLabel* label = FLabels[seat];
        ShowFitted(label, seats[seat]->PlayerName(), layout.NameRoom(table));
        label->adjustSize();
        parts.labels[seat] = label->size();
    }
    parts.labels[SeatS].setHeight(FLabels[SeatS]->sizeHint().height());
    parts.north = PlayerN->size();
    parts.south = PlayerS->size();
    parts.west = PlayerW->size();
    parts.east = PlayerE->size();
    parts.sidesShown = !PlayerW->isHidden();
    parts.talon1 = Talon1->size();
    parts.talon2 = Talon2->size();
    parts.deck = RealDeck->size();
    parts.frameExtra = FrameExtra();
    if (FLook == TTableLook::Modern)
        parts.pile = QSize(TTakenPile::PileWidth, TTakenPile::PileHeight);
    TScorePanel* shown = nullptr;
    for (TScorePanel* panel : FPanels)
        if (panel && !panel->isHidden()) shown = panel;
    parts.panelShown = shown != nullptr;
    if (shown) parts.panel = shown->size();
    const TTablePlaces places = layout.Place(table, parts);

    PlayerN->move(places.north.topLeft());
    PlayerS->move(places.south.topLeft());
    PlayerW->move(places.west.topLeft());
    PlayerE->move(places.east.topLeft());
    Talon1->move(places.talon1.topLeft());
    Talon2->move(places.talon2.topLeft());
    RealDeck->move(places.deck.topLeft());
    // The hidden panels wait in the table's corner.
    constexpr int kGap = 4;
    for (TScorePanel* panel : FPanels)
        if (panel)
            panel->move(panel == shown ? places.panel.topLeft()
                                       : QPoint(table.width() - panel->width() - kGap,
                                           table.height() - panel->height() - kGap));
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        FLabels[seat]->move(places.labels[seat]);
        if (FPiles[seat]) FPiles[seat]->move(places.piles[seat].topLeft());
    }
    FMarks->Place();
    FNotes->Place(Talon1->geometry().united(Talon2->geometry()), FLabels[SeatS]);
    ShowDeckCount();
    ShowTakenPiles();
}

void TForm1::ArrangeTable()
{
    // A crowded table keeps its width: its cards step closer together.
    for (TZuCardGroup* talon : { Talon1, Talon2 }) {
        if (talon->SlotCount() > 6) {
            talon->SetAutoTight(true);
            // The room above the cards a marked card rises into.
            talon->resize(451, ZuCardHeight + talon->MarkLift());
            talon->AdjustTightness();
        } else if (talon->CascadeStyle() != csNormal) {
            talon->SetCascadeStyle(csNormal);
            talon->SetAutoSize(true);
        }
    }
    ApplyCascadeStyles();
    ArrangeSeats();
}
