// Play without the mouse and with a screen reader: the keys' focus over the
// cards, the names assistive technology reads and the announcements.
#include "ui/window/main_window.h"

#include "cards/zucard.h"
#include "game/controller/match_controller.h"
#include "ui/access/game_speech.h"
#include "ui/access/announcer.h"
#include "ui/access/card_words.h"
#include "ui/access/keyboard_play.h"
#include "ui/dialogs/mnemonics.h"
#include "ui/score_grid/score_grid.h"
#include "ui/window/score_panel.h"
#include "ui/window/seat_marks.h"
#include "ui/window/table_view.h"

#include <QLabel>

#include <algorithm>

void TForm1::CreateAccessibility()
{
    FKeys = std::make_unique<TKeyboardPlay>(PlayerS, Talon2, Talon1, *FController);
    AssignMnemonicsToDialogs();
    // On the window itself, beside the table's view, where a reader finds it
    // in the window's own tree.
    FAnnouncer = new TAnnouncer(this);
    FAnnouncer->show();
    // The window itself takes the keyboard's focus, so the arrows and space
    // reach the cards rather than the scaled table's view, which would
    // scroll with them.
    setFocusPolicy(Qt::StrongFocus);
    FTable->setAccessibleName(tr("Sto"));
    for (TZuCardGroup* group : { PlayerS, PlayerW, PlayerN, PlayerE, Talon1, Talon2 })
        group->AccessibleCardText
            = [](const TZuSingleCard& card) { return CardWords::CardOnScreen(card); };
    Talon1->setAccessibleName(tr("Talon, gornji red"));
    Talon2->setAccessibleName(tr("Talon, donji red"));
    FAnnouncer->setAccessibleDescription(tr("Tok igre"));
    for (int i = 0; i < 3; ++i)
        FStatus[i]->setAccessibleDescription(tr("Statusna linija"));
    NameSeatsForReaders(FController->State().CurrentPlayer);
    CreateSpeech();
    CreateSound();
}

void TForm1::NameSeatsForReaders(int seatOnTurn)
{
    const std::array<TZuCardGroup*, 4> seats { PlayerS, PlayerW, PlayerN, PlayerE };
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        const QString name = seats[seat]->PlayerName();
        seats[seat]->setAccessibleName(
            seat == SeatS ? tr("Tvoje karte") : tr("Karte: %1").arg(name));
        FLabels[seat]->setAccessibleName(seat == seatOnTurn ? tr("Na potezu: %1").arg(name) : name);
    }
}

void TForm1::NameScoreCells(int grid, int changedColumn, int changedRow)
{
    TPubStrGrid* cells = ScorePanel(grid)->Grid();
    const int firstRow = std::max(1, changedRow);
    const int lastRow = changedRow == 0 ? cells->RowCount() - 1 : changedRow;
    const int firstColumn = std::max(1, changedColumn);
    const int lastColumn = changedColumn == 0 ? cells->ColCount() - 1 : changedColumn;
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = firstColumn; column <= lastColumn; ++column) {
            QTableWidgetItem* item = cells->item(row, column);
            if (!item) continue;
            const QString name = tr("%1, %2: %3")
                                     .arg(cells->Cells(0, row), cells->Cells(column, 0),
                                         cells->Cells(column, row));
            // Only a changed name is written: a write repaints the cell.
            if (item->data(Qt::AccessibleTextRole).toString() != name)
                item->setData(Qt::AccessibleTextRole, name);
        }
}

void TForm1::AnnounceMove(int seat, int playedId, const std::vector<int>& takenIds)
{
    const QString move = CardWords::Move(FController->Seat(seat)->PlayerName(), playedId, takenIds);
    FMarks->Mark(seat)->setAccessibleName(move);
    FAnnouncer->Announce(move);
    if (FSpeech) FSpeech->Move(seat, move);
}

void TForm1::AnnounceHandEnd(int gameMode)
{
    const QString text = tr("Kraj ruke. %1.").arg(ScoreTotals(gameMode).join(QStringLiteral(", ")));
    FAnnouncer->Announce(text);
    if (FSpeech) FSpeech->Flow(text);
}
