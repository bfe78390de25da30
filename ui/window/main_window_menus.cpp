// The window's menus: made once, their items kept in FMenu, and the items
// whose text or state follows the match (the seats' names, what may be viewed).
#include "ui/window/main_window.h"

#include "game/controller/match_controller.h"
#include "settings/ini.h"
#include "ui/dialogs/mnemonics.h"
#include "ui/window/game_option_setting.h"
#include "ui/window/move_history_panel.h"
#include "ui/window/score_panel.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

const QString kTableToMiddleKey = QStringLiteral("TableToMiddle");

} // namespace

void TForm1::CreateMenus()
{
    auto add = [this](QMenu* menu, const char* name, const QString& caption,
                   const QKeySequence& key, void (TForm1::*command)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty()) action->setShortcut(key);
        if (command) connect(action, &QAction::triggered, this, command);
        return action;
    };
    // "&" marks each item's letter for Alt and for the open menu; items that
    // open a dialog end in "...".
    QMenu* game = FMenu.Game = menuBar()->addMenu(tr("&Igra"));
    FMenu.New = add(game, "New1", tr("&Nova"), QKeySequence(Qt::Key_N), &TForm1::New1Click);
    FMenu.StartMatch = add(game, "Pocniigru1", tr("&Pocni igru"), {}, &TForm1::Pocniigru1Click);
    // "Savet" shows Majstor's move for the human. The menu shows it disabled
    // off the human's turn; the key always reaches the controller, which
    // then refuses.
    QAction* hint = FMenu.Hint
        = add(game, "Savet1", tr("&Savet"), QKeySequence(Qt::Key_H), nullptr);
    connect(hint, &QAction::triggered, this, [this] {
        if (FController) FController->ShowHint();
    });
    connect(game, &QMenu::aboutToShow, hint,
        [this, hint] { hint->setEnabled(FController && FController->HintAvailable()); });
    connect(game, &QMenu::aboutToHide, hint, [hint] { hint->setEnabled(true); });
    // Like the hint: shown disabled when nothing can be taken back, while the
    // key always asks the controller, which then says why not.
    QAction* undo = FMenu.Undo = add(game, "Vratipotez1", tr("&Vrati potez"),
        QKeySequence(Qt::CTRL | Qt::Key_Z), &TForm1::Vratipotez1Click);
    connect(game, &QMenu::aboutToShow, undo,
        [this, undo] { undo->setEnabled(FController && FController->UndoAvailable()); });
    connect(game, &QMenu::aboutToHide, undo, [undo] { undo->setEnabled(true); });
    // The review of the human's moves, in a window of its own.
    FMenu.Analysis = add(game, "Analiza1", QString(), {}, &TForm1::Analiza1Click);
    NameAnalysisItem();
    // Playing people: open a table in this window or join one by its link.
    QMenu* network = FMenu.Network = game->addMenu(tr("Igra preko &mreze"));
    network->menuAction()->setObjectName(QStringLiteral("Igraprekomreze1"));
    FMenu.OpenTable
        = add(network, "Otvoristo1", tr("&Otvori sto..."), {}, &TForm1::Otvoristo1Click);
    FMenu.JoinTable
        = add(network, "Pridruzise1", tr("&Pridruzi se..."), {}, &TForm1::Pridruzise1Click);
    game->addSeparator();
    FMenu.Quit = add(game, "Gotovo1", tr("&Gotovo"), QKeySequence(Qt::ALT | Qt::Key_F4), nullptr);
    connect(FMenu.Quit, &QAction::triggered, this, &QWidget::close);

    QMenu* options = menuBar()->addMenu(tr("&Opcije"));
    QAction* table = FMenu.ScoreTable
        = add(options, "Tabelavidljiva1", tr("&Tabela vidljiva"), QKeySequence(Qt::Key_T), nullptr);
    table->setCheckable(true);
    table->setChecked(true);
    connect(table, &QAction::triggered, this, [this, table] {
        // The controller flips the mark itself; undo the action's own flip.
        table->setChecked(!table->isChecked());
        if (FController) FController->ToggleScoreTable();
    });
    // Off by default: the table's cards stay in their slots.
    QAction* middle = FMenu.TableToMiddle
        = add(options, "Talonkasredini1", tr("Karte talona ka s&redini"), {}, nullptr);
    middle->setCheckable(true);
    middle->setChecked(ReadGameOption(FSettings->FileName, kTableToMiddleKey, false));
    connect(middle, &QAction::toggled, this, [this](bool on) {
        if (FController) FController->SetTableToMiddle(on);
        StoreGameOption(FSettings->FileName, kTableToMiddleKey, on);
    });
    // The dock's own action: its check follows the panel's close button too.
    QAction* history = FMenu.History = FHistory->toggleViewAction();
    history->setText(tr("Tok &igre"));
    history->setObjectName(QStringLiteral("Tokigre1"));
    options->addAction(history);
    FMenu.Taken = options->addMenu(tr("Po&kupljene karte"));
    FMenu.Taken->menuAction()->setObjectName(QStringLiteral("Pokupljenekarte1"));
    const char* seatItems[] = { "PlayerS1", "PlayerW1", "PlayerN1", "PlayerE1" };
    for (int seat : { SeatS, SeatW, SeatN, SeatE }) {
        if (seat == SeatW) FMenu.Taken->addSeparator();
        QAction* item = FMenu.TakenBy[std::size_t(seat)]
            = add(FMenu.Taken, seatItems[seat], QString(), {}, nullptr);
        connect(item, &QAction::triggered, this, [this, seat] { ShowTakenCards(seat); });
    }
    // Whatever changed a name since, the items read the seats' names now.
    connect(FMenu.Taken, &QMenu::aboutToShow, this, [this] { ApplyNamesToMenus(); });
    FMenu.Rename
        = add(options, "Promenaimena1", tr("&Promena imena..."), {}, &TForm1::Promenaimena1Click);
    FMenu.Options = add(options, "Opcije1", tr("&Opcije..."), {}, &TForm1::Opcije1Click);
    FMenu.Statistics
        = add(options, "Statistika1", tr("&Statistika..."), {}, &TForm1::Statistika1Click);

    QMenu* help = menuBar()->addMenu(tr("&Pomoc"));
    FMenu.Help
        = add(help, "Pomoc1", tr("&Pomoc..."), QKeySequence(Qt::Key_F1), &TForm1::Pomoc1Click);
    help->addSeparator();
    FMenu.About = add(help, "About1", tr("&O Programu..."), {}, &TForm1::About1Click);
}

void TForm1::ApplyNamesToMenus()
{
    QStringList names;
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        // An "&" in a name is a letter, not a menu accelerator.
        names << FController->Seat(seat)->PlayerName().replace('&', QStringLiteral("&&"));
    }
    // Each seat's item opens with its own letter, as every other item does.
    names = WithLetters(names);
    for (int seat = SeatS; seat <= SeatE; ++seat)
        FMenu.TakenBy[std::size_t(seat)]->setText(names[seat]);
    for (TScorePanel* panel : FPanels)
        if (panel) NameRowButtons(panel);
}
