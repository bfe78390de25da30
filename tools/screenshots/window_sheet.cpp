// Writes PNGs of the main window: the start of a match in each mode, a
// computer's reveal, marked table cards, a grown table of 16 cards, the
// end-of-hand dialog over the window, the move history beside it and, with --docs, a match in
// progress for the README's picture. Run with QT_SCALE_FACTOR=2 for the hi-DPI pictures; with
// --maximized every window is maximised on the screen it gets (the offscreen
// platform's configfile option gives that screen its size).
// With --size the windows open at that size (a screen large enough comes from the
// configfile option too); with --look modern they are drawn in "Savremeni".
// Usage: zaviko_sheets window <folder> [--maximized] [--size WxH] [--look modern]
//        [--docs <png>]

#include "cards/zucard.h"
#include "game/computer/computer_choice.h"
#include "game/controller/match_controller.h"
#include "game/rules/computer_move.h"
#include "game/rules/match_rules.h"
#include "platform/message_sink.h"
#include "platform/random.h"
#include "settings/ini.h"
#include "ui/window/animation_box.h"
#include "ui/dialogs/deck_over_dialog.h"
#include "ui/window/main_window.h"
#include "ui/window/table_look_setting.h"
#include "ui/window/window_size_setting.h"
#include "tools/screenshots/window_positions.h"

#include "tools/screenshots/sheet_language.h"
#include "tools/screenshots/sheet_program.h"
#include "tools/screenshots/sheets.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

bool maximized = false;
// "--size WxH": each window opens at that size, as if the player left it so.
QSize windowSize;
// "--look modern": the windows are drawn in "Savremeni".
TTableLook look = TTableLook::Classic;

// A window on its own settings file, shown and laid out.
struct TSheetWindow {
    TSheetWindow(int mode, int playDelay = 0, bool tight = true,
        TAnimation animation = TAnimation::Off,
        const QStringList& names = { "Ja", "Pera", "Mika", "Zika" })
    {
        TIni ini(dir.filePath("Zaviko.ini"));
        ini.SetPlayerNames(names[0], names[1], names[2], names[3]);
        ini.SetGameOptions(mode, 0, 0, playDelay, 0, true, !tight, tight, true, true, false);
        StoreAnimation(ini.FileName, animation);
        StoreTableLook(ini.FileName, look);
        if (windowSize.isValid()) StoreWindowSize(ini.FileName, { windowSize, false });
        form = std::make_unique<TForm1>(dir.path());
        if (maximized)
            form->showMaximized();
        else
            form->show();
        Settle();
        form->SettleTableScale();
        Settle();
    }
    static void Settle()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
    TMatchController& Controller() const { return form->Controller(); }

    QTemporaryDir dir;
    std::unique_ptr<TForm1> form;
};

bool SavePixmap(const QPixmap& pixmap, const QString& path)
{
    const bool saved = pixmap.save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

bool Save(TSheetWindow& w, const QString& folder, const QString& name)
{
    TSheetWindow::Settle();
    return SavePixmap(w.form->grab(), QDir(folder).filePath(name + QStringLiteral(".png")));
}

// Serves the worker until `done` holds or the sequence ends.
void RunUntil(TSheetWindow& w, const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && w.Controller().Busy() && timer.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

void ClickCard(TZuCardGroup* group, int slot)
{
    bool playIt = false, faceDown = false;
    TZuTablePos pos = tpAuto;
    group->OnCardClick(group, group->CardAt(slot), slot, playIt, pos, faceDown, Qt::LeftButton);
}

bool StartOfMatch(const QString& folder)
{
    bool ok = true;
    for (int mode = 0; mode < 3; ++mode) {
        FixRandomSeed(7 + mode);
        TSheetWindow w(mode);
        ok &= Save(w, folder, QStringLiteral("window_start_mode%1").arg(mode));
        // Loose hands: the human's is wide enough to meet the score panel.
        FixRandomSeed(7 + mode);
        TSheetWindow loose(mode, 0, false);
        ok &= Save(loose, folder, QStringLiteral("window_loose_mode%1").arg(mode));
    }
    return ok;
}

// Names too long for their places: whole where there is room, cut at
// their end elsewhere.
bool LongNames(const QString& folder)
{
    FixRandomSeed(8);
    TSheetWindow w(kEachForHimself, 0, true, TAnimation::Off,
        { QString::fromUtf8("Bojana Đokić"), "Aleksandar Veliki-Petrovic",
            "Aleksandar Veliki-Petrovic Drugi", "Aleksandar Veliki-Petrovic Treci" });
    return Save(w, folder, QStringLiteral("window_long_names"));
}

// West shows its capture for ten seconds; the picture is taken meanwhile.
bool Reveal(const QString& folder)
{
    TSheetWindow w(kEachForHimself, 10);
    w.Controller().ShowState(OpenPosition(SeatW));
    w.form->Pocniigru1Click();
    RunUntil(w, [&] { return !w.form->PlayerW->CardAt(1)->ShowBack(); });
    bool ok = Save(w, folder, QStringLiteral("window_reveal"));
    w.Controller().TogglePause();
    ok &= Save(w, folder, QStringLiteral("window_paused"));
    w.Controller().TogglePause();
    w.form->New1Click(); // cuts the wait short
    return ok;
}

// The pointer over hand card `slot`, as the window gets it.
void PointAtHandCard(TZuCardGroup* hand, int slot)
{
    for (int x = hand->width() - 1; x >= 0; --x)
        if (hand->HitTest(x, hand->height() / 2) == slot) {
            const QPoint at(x, hand->height() / 2);
            QMouseEvent move(QEvent::MouseMove, at, hand->mapToGlobal(at), Qt::NoButton,
                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(hand, &move);
            return;
        }
}

bool MarkedAndGrown(const QString& folder)
{
    TSheetWindow w(kEachForHimself);
    w.Controller().ShowState(OpenPosition(SeatS));
    // The queen could take the lower row's 3, 10 and queen: in the modern
    // look they are outlined while the pointer is on it.
    PointAtHandCard(w.form->PlayerS, 3);
    bool ok = Save(w, folder, QStringLiteral("window_outline"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w.form->PlayerS, &leave);
    ClickCard(w.form->Talon2, 2);
    ClickCard(w.form->Talon2, 3);
    ok &= Save(w, folder, QStringLiteral("window_marked"));
    w.Controller().ShowHint();
    // The search runs off the GUI thread; its move shows when it arrives.
    QElapsedTimer timer;
    timer.start();
    while (w.Controller().HintSearching() && timer.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    ok &= Save(w, folder, QStringLiteral("window_hint"));
    w.Controller().ClearTableMarks();
    ClickCard(w.form->Talon2, 2);
    ClickCard(w.form->Talon2, 3);
    w.Controller().ShowState(GrownTablePosition());
    ok &= Save(w, folder, QStringLiteral("window_table16"));
    ClickCard(w.form->Talon1, 7);
    ClickCard(w.form->Talon2, 0);
    ok &= Save(w, folder, QStringLiteral("window_table16_marked"));
    return ok;
}

// The human's capture sweeping to its side, slow, caught halfway.
bool Flight(const QString& folder)
{
    TSheetWindow w(kEachForHimself, 0, true, TAnimation::Slow);
    w.Controller().ShowState(OpenPosition(SeatS));
    const TMatchState& s = w.Controller().State();
    const TComputerChoice m = ChooseComputerMove(s.hands[SeatS], TableIds(s), csPametno, 1);
    const TMove move = MoveOfChoice(s, SeatS, m);
    for (const TTableSlot& place : move.take)
        ClickCard(place.row == 0 ? w.form->Talon1 : w.form->Talon2, place.slot);
    ClickCard(w.form->PlayerS, move.handSlot);
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < FlightTimeMs(TAnimation::Slow) / 2)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const bool ok
        = SavePixmap(w.form->grab(), QDir(folder).filePath(QStringLiteral("window_flight.png")));
    w.form->New1Click(); // lands the cards and ends the computers' turn
    return ok;
}

// The human's last card ends the hand: the table's cards sweep to West, the
// last to capture, slow, caught halfway.
bool RestFlight(const QString& folder)
{
    TSheetWindow w(kEachForHimself, 0, true, TAnimation::Slow);
    w.Controller().ShowState(LastCardPosition());
    ClickCard(w.form->PlayerS, 0);
    RunUntil(w, [&] {
        if (w.Controller().FlightsUp() == 0) return false;
        for (const TZuCardGroup* row : { w.form->Talon1, w.form->Talon2 })
            for (int slot = 0; slot < row->SlotCount(); ++slot)
                if (!row->CardAt(slot)->Empty()) return false;
        return true;
    });
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < FlightTimeMs(TAnimation::Slow) / 2)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const bool ok = SavePixmap(
        w.form->grab(), QDir(folder).filePath(QStringLiteral("window_rest_flight.png")));
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (TFDeckOverInfoDlg::AnyOpen()) QApplication::activeModalWidget()->close();
    });
    closer.start(5);
    w.Controller().LandFlights();
    RunUntil(w, [] { return false; });
    return ok;
}

// Play by keys: the ring on a marked card of the upper row, then on the
// hand's card that takes it, and on a crowded table.
bool KeyboardFocus(const QString& folder)
{
    TSheetWindow w(kEachForHimself);
    w.Controller().ShowState(OpenPosition(SeatS));
    auto key = [&w](Qt::Key k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(w.form.get(), &press);
    };
    for (Qt::Key k : { Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Home, Qt::Key_Space })
        key(k);
    bool ok = Save(w, folder, QStringLiteral("window_keys_table"));
    for (Qt::Key k : { Qt::Key_Right, Qt::Key_Space, Qt::Key_Down, Qt::Key_Down, Qt::Key_Home })
        key(k);
    ok &= Save(w, folder, QStringLiteral("window_keys_hand"));
    w.Controller().ShowState(GrownTablePosition());
    for (Qt::Key k : { Qt::Key_Up, Qt::Key_End, Qt::Key_Left })
        key(k);
    ok &= Save(w, folder, QStringLiteral("window_keys_table16"));
    return ok;
}

// The dialog drawn centred over the window, where it opens on a screen that
// holds both, with a thin frame. (The offscreen screen is small at a scale
// factor of 2 and pushes the dialog aside.)
QPixmap Over(TForm1& form, QWidget& dialog)
{
    QPixmap picture = form.grab();
    QPainter painter(&picture);
    const QPoint at((form.width() - dialog.width()) / 2, (form.height() - dialog.height()) / 2);
    painter.drawPixmap(at, dialog.grab());
    painter.setPen(Qt::black);
    painter.drawRect(QRect(at, dialog.size()).adjusted(-1, -1, 0, 0));
    return picture;
}

bool HandEnd(const QString& folder)
{
    TSheetWindow w(kEachForHimself);
    w.Controller().ShowState(HandEndPosition());
    THandEndDisplay display;
    for (int seat = SeatS; seat <= SeatE; ++seat)
        display.seats[seat] = w.Controller().Seat(seat);
    display.lastTakerName = w.form->PlayerW->PlayerName();
    display.mostCards = { w.form->PlayerS };
    display.figures = w.Controller().HandFigures();
    bool ok = false;
    QTimer::singleShot(50, w.form.get(), [&] {
        if (auto* dialog = qobject_cast<TFDeckOverInfoDlg*>(QApplication::activeModalWidget())) {
            ok = SavePixmap(Over(*w.form, *dialog),
                QDir(folder).filePath(QStringLiteral("window_hand_end.png")));
            dialog->close();
        }
    });
    w.form->ShowHandEnd(display);
    return ok;
}

// Plays the match through the window, the human as "Pametno", until `stop`
// holds with the human on turn; the end-of-hand dialogs close themselves, or
// once `handEnd` says so.
void PlayUntil(TSheetWindow& w, const std::function<bool(const TMatchState&)>& stop,
    const std::function<bool(TFDeckOverInfoDlg&)>& handEnd = {})
{
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&handEnd] {
        auto* dialog = qobject_cast<TFDeckOverInfoDlg*>(QApplication::activeModalWidget());
        if (dialog && (!handEnd || handEnd(*dialog))) dialog->close();
    });
    closer.start(5);
    TMatchController& c = w.Controller();
    for (int turn = 0; turn < 500 && !c.GameOver(); ++turn) {
        if (w.form->StartItemEnabled()) {
            w.form->Pocniigru1Click();
        } else {
            const TMatchState& s = c.State();
            if (stop(s)) break;
            const TComputerChoice m = ChooseComputerMove(s.hands[SeatS], TableIds(s), csPametno, 1);
            const TMove move = MoveOfChoice(s, SeatS, m);
            for (const TTableSlot& place : move.take)
                ClickCard(place.row == 0 ? w.form->Talon1 : w.form->Talon2, place.slot);
            ClickCard(w.form->PlayerS, move.handSlot);
        }
        RunUntil(w, [] { return false; });
    }
    closer.stop();
}

// A match played through the window up to a moment worth showing: the human
// on turn, cards on the table, points scored.
bool InProgress(const QString& path)
{
    FixRandomSeed(31);
    TSheetWindow w(kEachForHimself);
    PlayUntil(w, [](const TMatchState& s) {
        const int scored = s.Score[SeatS] + s.Score[SeatW] + s.Score[SeatN] + s.Score[SeatE];
        const auto inHand = std::count_if(
            s.hands[SeatS].begin(), s.hands[SeatS].end(), [](int id) { return id != kNoCard; });
        return scored >= 8 && TableIds(s).size() >= 3 && inHand >= 3;
    });
    return SavePixmap(w.form->grab(), path);
}

// "Tok igre" open beside the table, a few moves into the second hand, so
// the first hand's end and the second's start both show.
bool History(const QString& folder)
{
    FixRandomSeed(31);
    TSheetWindow w(kTwoPlayers);
    w.form->Menu().History->trigger();
    TSheetWindow::Settle();
    w.form->SettleTableScale();
    // The end-of-hand dialog once the hand's review has landed in it.
    bool ok = true;
    PlayUntil(
        w, [](const TMatchState& s) { return s.HandsPlayed >= 1 && s.MovesMade >= 54; },
        [&](TFDeckOverInfoDlg& dialog) {
            if (!dialog.ReviewLabel()->text().contains(QLatin1Char('%'))) return false;
            ok &= SavePixmap(Over(*w.form, dialog),
                QDir(folder).filePath(QStringLiteral("window_hand_review.png")));
            return true;
        });
    // "Tok igre" with the first hand's marks.
    QElapsedTimer timer;
    timer.start();
    while (w.form->ReviewedHand() != 0 && timer.elapsed() < 30000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    return ok && Save(w, folder, QStringLiteral("window_history"));
}

// Each menu that holds a check mark ("Opcije") and each submenu ("Igra
// preko mreze", "Pokupljene karte"), drawn on its own: in a maximised window
// their text and marks are as large as the window's other text.
bool Menus(const QString& folder)
{
    TSheetWindow w(kEachForHimself);
    auto save = [&](QMenu* menu) {
        menu->popup(w.form->mapToGlobal(QPoint(40, 40)));
        TSheetWindow::Settle();
        const QString name = menu->title().remove('&').remove(' ').toLower();
        const bool saved = SavePixmap(
            menu->grab(), QDir(folder).filePath(QStringLiteral("window_menu_%1.png").arg(name)));
        menu->hide();
        return saved;
    };
    bool ok = true;
    for (QAction* top : w.form->menuBar()->actions()) {
        QMenu* menu = top->menu();
        if (!menu) continue;
        const QList<QAction*> items = menu->actions();
        if (std::any_of(items.begin(), items.end(), [](QAction* a) { return a->isCheckable(); }))
            ok &= save(menu);
        for (QAction* item : items)
            if (item->menu()) ok &= save(item->menu());
    }
    return ok;
}

} // namespace

int RunWindowSheet(int argc, char** argv)
{
    // Messages go to the standard error stream; the start prompt is answered "No".
    TSheetProgram program(argc, argv, snCardPictures);
    if (!program.Ready() || !InstallSheetLanguage()) return 1;
    const QString folder = program.Folder();
    const QStringList args = QApplication::arguments();
    maximized = args.contains(QStringLiteral("--maximized"));
    if (const qsizetype at = args.indexOf(QStringLiteral("--size")); at > 0 && at + 1 < args.size())
        if (const auto kept = ParseWindowSize(args.at(at + 1))) windowSize = kept->size;
    if (const qsizetype at = args.indexOf(QStringLiteral("--look")); at > 0 && at + 1 < args.size())
        look = args.at(at + 1) == QStringLiteral("modern") ? TTableLook::Modern
                                                           : TTableLook::Classic;
    const qsizetype docsAt = args.indexOf(QStringLiteral("--docs"));
    bool ok = StartOfMatch(folder);
    ok &= LongNames(folder);
    ok &= Reveal(folder);
    ok &= MarkedAndGrown(folder);
    ok &= Flight(folder);
    ok &= RestFlight(folder);
    ok &= KeyboardFocus(folder);
    ok &= HandEnd(folder);
    ok &= History(folder);
    ok &= Menus(folder);
    const QString inProgress = QDir(folder).filePath(QStringLiteral("window_in_progress.png"));
    ok &= InProgress(inProgress);
    if (docsAt > 0 && docsAt + 1 < args.size()) {
        const QString docs = args.at(docsAt + 1);
        QFile::remove(docs);
        ok &= QFile::copy(inProgress, docs);
    }
    return ok ? 0 : 1;
}
