// Writes PNGs of the score tables of the three game modes, the end-of-hand
// dialog and the captured-cards view with 30 and with 104 cards.
// Usage: zaviko_sheets scores <folder>

#include "cards/zucard.h"
#include "ui/dialogs/deck_over_dialog.h"
#include "ui/dialogs/dialog_scale.h"
#include "ui/dialogs/dialog_font.h"
#include "ui/score_grid/score_grid.h"
#include "ui/window/taken_cards_view.h"

#include "tools/screenshots/sheet_language.h"
#include "tools/screenshots/sheet_program.h"
#include "tools/screenshots/sheets.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

struct TTableShape {
    const char* name;
    QSize size;
    std::vector<int> widths;
    QStringList rowNames;
    std::vector<QStringList> scores; // columns 1..4 of each seat row
};

// A score table set up as the game's window sets it up.
std::unique_ptr<TPubStrGrid> ScoreTable(const TTableShape& shape)
{
    auto grid = std::make_unique<TPubStrGrid>();
    grid->setFont(DialogFont());
    grid->SetReadOnly(true);
    grid->SetColor(grid->palette().color(QPalette::Button));
    grid->SetDefaultColWidth(35);
    grid->SetDefaultRowHeight(16);
    grid->SetColCount(5);
    grid->SetRowCount(int(shape.rowNames.size()) + 1);
    for (size_t c = 0; c < shape.widths.size(); ++c)
        grid->SetColWidths(int(c), shape.widths[c]);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setFrameShape(QFrame::NoFrame);
    grid->SetHCol({ "", "Poeni", "Table", "Bonus", "Total" });
    grid->SetHRow(shape.rowNames);
    for (size_t r = 0; r < shape.scores.size(); ++r)
        for (int c = 1; c <= 4; ++c)
            grid->SetCellIfChanged(c, int(r) + 1, shape.scores[r][c - 1]);
    grid->resize(shape.size);
    grid->ClearSelection();
    return grid;
}

bool Save(QWidget& widget, const QString& folder, const char* name)
{
    widget.show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(QString::fromUtf8(name) + QStringLiteral(".png"));
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    widget.hide();
    return saved;
}

// n cards in a taking order that is not sorted, from two decks past 52.
std::vector<int> Taken(int n)
{
    std::vector<int> ids;
    for (int i = 0; i < n; ++i)
        ids.push_back(2 + (i * 7) % 52);
    return ids;
}

bool ScoreTables(const QString& folder)
{
    const std::vector<TTableShape> shapes = {
        { "score_table0", { 199, 89 }, { 50 }, { "Ja", "Zika", "Pera", "Mika" },
            { { "12", "2", "3", "17" }, { "5", "0", "0", "5" }, { "8", "1", "3", "12" },
                { "0", "0", "0", "0" } } },
        { "score_table1", { 223, 55 }, { 80, 33, 33, 35, 33 }, { "Ja/Pera", "Zika/Mika" },
            { { "104", "7", "12", "123" }, { "96", "3", "6", "105" } } },
        { "score_table2", { 199, 55 }, { 50 }, { "Ja", "Pera" },
            { { "14", "1", "3", "18" }, { "8", "0", "0", "8" } } },
    };
    bool ok = true;
    for (const TTableShape& shape : shapes)
        ok &= Save(*ScoreTable(shape), folder, shape.name);
    return ok;
}

bool CapturedCards(const QString& folder)
{
    bool ok = true;
    TFPregledKarata view;
    view.SetPlayer("Zika");
    view.ShowCards(Taken(30));
    ok &= Save(view, folder, "taken_cards_30");
    view.SetPlayer("Ja");
    view.ShowCards(Taken(104));
    ok &= Save(view, folder, "taken_cards_104");

    std::vector<std::unique_ptr<TZuCardGroup>> seats;
    const char* names[] = { "Ja", "Zika", "Pera", "Mika" };
    const int counts[] = { 17, 17, 1, 17 };
    for (int s = 0; s < 4; ++s) {
        seats.push_back(std::make_unique<TZuCardGroup>());
        seats[s]->SetPlayerName(names[s]);
        seats[s]->TakeCards(Taken(counts[s]));
    }
    TFDeckOverInfoDlg dialog;
    dialog.SetPlayers(seats[0].get(), seats[1].get(), seats[2].get(), seats[3].get(), 0);
    dialog.SetLastTaker("Pera");
    dialog.SetMostCards({ seats[0].get(), seats[1].get(), seats[3].get() });
    ok &= Save(dialog, folder, "deck_over_tie");
    dialog.SetPlayers(seats[0].get(), seats[1].get(), seats[2].get(), seats[3].get(), 2);
    dialog.SetMostCards({ seats[0].get() });
    ok &= Save(dialog, folder, "deck_over_two_players");
    seats[0]->SetPlayerName("Aleksandar Veliki-Petrovic");
    dialog.SetPlayers(seats[0].get(), seats[1].get(), seats[2].get(), seats[3].get(), 0);
    dialog.SetMostCards({ seats[0].get() });
    ok &= Save(dialog, folder, "deck_over_long_name");
    // Over a window maximised on a 1920 x 1080 screen, with the hand's figures.
    QWidget window;
    new TDialogScaler(&window, [] { return 1080.0 / 572; });
    TFDeckOverInfoDlg grown(&window);
    grown.SetPlayers(seats[0].get(), seats[1].get(), seats[2].get(), seats[3].get(), 0);
    grown.SetLastTaker("Pera");
    grown.SetMostCards({ seats[0].get() });
    grown.SetHandFigures({ { "Aleksandar Veliki-Petrovic", 7, 1, 3 }, { "Zika", 4, 0, 0 },
        { "Pera", 2, 0, 0 }, { "Mika", 9, 2, 0 } });
    ok &= Save(grown, folder, "deck_over_grown");
    return ok;
}

} // namespace

int RunScoreSheet(int argc, char** argv)
{
    TSheetProgram program(argc, argv, snCardPictures);
    if (!program.Ready() || !InstallSheetLanguage()) return 1;
    bool ok = ScoreTables(program.Folder());
    ok &= CapturedCards(program.Folder());
    return ok ? 0 : 1;
}
