// The main window's commands and dialog exchanges, the score table's T and
// the layout after a deal.
#include "tests/ui/main_window_fixture.h"

#include "ui/window/hint_card.h"
#include "ui/desktop/language.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/radio_group.h"
#include "ui/dialogs/rename_dialog.h"
#include "ui/score_grid/score_grid.h"
#include "ui/window/score_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include <set>

namespace {

// The seat of each row button, panel by panel, in the order the panels hold them.
const std::vector<std::vector<int>> kButtonSeats
    = { { SeatS, SeatW, SeatN, SeatE }, { SeatS, SeatN, SeatW, SeatE }, { SeatS, SeatN } };

template <typename W> W* Child(QWidget& parent, const char* name)
{
    W* widget = parent.findChild<W*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void Click(QWidget& dialog, const char* name)
{
    Child<QAbstractButton>(dialog, name)->click();
}

TEST_F(MainWindowTest, ViewPermissionsEnableTheRowButtonsAndMenuItems)
{
    struct Case {
        bool mine, others;
    };
    for (const Case c : { Case { false, false }, Case { true, false }, Case { false, true } }) {
        SCOPED_TRACE(testing::Message() << "mine " << c.mine << " others " << c.others);
        SetOptions([&](TIni& s) {
            s.CanViewMyCollectedCards = c.mine;
            s.CanViewOtherCollectedCards = c.others;
        });
        TForm1& w = Make();
        EXPECT_EQ(w.Menu().Taken->menuAction()->isEnabled(), c.mine || c.others);
        EXPECT_EQ(w.Menu().TakenBy[0]->isEnabled(), c.mine);
        for (int seat : { SeatW, SeatN, SeatE })
            EXPECT_EQ(w.Menu().TakenBy[std::size_t(seat)]->isEnabled(), c.others) << seat;
        for (int grid = 0; grid < 3; ++grid)
            for (std::size_t i = 0; i < kButtonSeats[grid].size(); ++i)
                EXPECT_EQ(w.ScorePanel(grid)->Buttons()[i]->isEnabled(),
                    kButtonSeats[grid][i] == SeatS ? c.mine : c.others)
                    << "panel " << grid << " button " << i;
    }
}

TEST_F(MainWindowTest, PocniIgruWhenTheHumanStartsSaysSoAndStartsNothing)
{
    Make();
    SeedWhereHumanStarts();
    EXPECT_FALSE(form->StartItemEnabled());
    form->Pocniigru1Click();
    EXPECT_EQ(sink.shown.information, std::vector<std::string> { "Ti igras prvi." });
    EXPECT_FALSE(Controller().Busy());
    EXPECT_EQ(Controller().CurrentPlayer(), form->PlayerS);
    EXPECT_EQ(Controller().State().MovesMade, 0);
}

TEST_F(MainWindowTest, PlayersAndDecksFromTheOptionsWaitForNova)
{
    TForm1& w = Make();
    ASSERT_EQ(w.StatusPanel(0)->text(), "Ostalo karata u spilu: 24");
    ASSERT_TRUE(WithModal<TFOptions>([&] { w.Opcije1Click(); },
        [](TFOptions& d) {
            Child<TRadioGroup>(d, "RadioPlayers")->Item(2)->click();
            Child<TRadioGroup>(d, "RadioDecks")->Item(1)->click();
            Click(d, "ButtonAccept");
        }));
    EXPECT_EQ(w.Settings().NumberOfPlayers, 2);
    EXPECT_EQ(TIni(dir.filePath("Zaviko.ini")).NumberOfDecks, 1);
    // The match under way keeps its four seats and its one deck.
    EXPECT_EQ(Controller().GameMode(), 0);
    EXPECT_EQ(w.StatusPanel(0)->text(), "Ostalo karata u spilu: 24");
    EXPECT_FALSE(w.PlayerW->isHidden());
    EXPECT_TRUE(w.Menu().TakenBy[3]->isVisible());
    EXPECT_FALSE(w.ScorePanel(0)->isHidden());

    w.New1Click();
    EXPECT_EQ(Controller().GameMode(), 2);
    EXPECT_EQ(w.StatusPanel(0)->text(), "Ostalo karata u spilu: 88"); // 104 - 4 - 2 * 6
    for (TZuCardGroup* seat : { w.PlayerW, w.PlayerE }) {
        EXPECT_TRUE(seat->isHidden());
        EXPECT_TRUE(seat->PlayerNameLabel()->isHidden());
    }
    EXPECT_FALSE(w.PlayerN->isHidden());
    EXPECT_FALSE(w.Menu().TakenBy[1]->isVisible());
    EXPECT_FALSE(w.Menu().TakenBy[3]->isVisible());
    EXPECT_TRUE(w.Menu().TakenBy[2]->isVisible());
    EXPECT_TRUE(w.ScorePanel(0)->isHidden());
    EXPECT_FALSE(w.ScorePanel(2)->isHidden());
}

TEST_F(MainWindowTest, CancellingOptionsOrRenameChangesNothing)
{
    TForm1& w = Make();
    const QString fileBefore = [&] {
        QFile file(dir.filePath("Zaviko.ini"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }();
    ASSERT_TRUE(WithModal<TFOptions>([&] { w.Opcije1Click(); },
        [](TFOptions& d) {
            Child<TRadioGroup>(d, "RadioPlayers")->Item(1)->click();
            Child<QCheckBox>(d, "CheckLog")->click();
            Child<QCheckBox>(d, "CheckViewMine")->click();
            Child<QCheckBox>(d, "CheckHumanCardsTight")->click();
            Click(d, "ButtonCancel");
        }));
    ASSERT_TRUE(WithModal<TFPromenaImena>([&] { w.Promenaimena1Click(); },
        [](TFPromenaImena& d) {
            Child<QLineEdit>(d, "EditSouth")->setText("Neko");
            Click(d, "ButtonCancel");
        }));
    const TIni& s = w.Settings();
    EXPECT_EQ(s.NumberOfPlayers, 0);
    EXPECT_FALSE(s.Log);
    EXPECT_TRUE(s.HumanCardsTight);
    EXPECT_FALSE(Controller().LogEnabled());
    EXPECT_TRUE(w.Menu().TakenBy[0]->isEnabled());
    EXPECT_EQ(w.PlayerS->CascadeStyle(), csTight);
    EXPECT_EQ(w.PlayerS->PlayerName(), "Lazor");
    EXPECT_EQ(w.PlayerS->PlayerNameLabel()->text(), "Lazor");
    QFile file(dir.filePath("Zaviko.ini"));
    file.open(QIODevice::ReadOnly);
    EXPECT_EQ(QString::fromUtf8(file.readAll()), fileBefore);
    EXPECT_FALSE(QFile::exists(dir.filePath("Zaviko.log")));
}

TEST_F(MainWindowTest, RenameReachesSeatsLabelsMenuItemsAndScoreRows)
{
    TForm1& w = Make();
    const char* edits[] = { "EditSouth", "EditWest", "EditNorth", "EditEast" };
    const QString names[] = { "Ana & Bo", "<b>Vuk</b>", "Mara", "Dule" };
    ASSERT_TRUE(WithModal<TFPromenaImena>([&] { w.Promenaimena1Click(); },
        [&](TFPromenaImena& d) {
            for (int seat = SeatS; seat <= SeatE; ++seat)
                Child<QLineEdit>(d, edits[seat])->setText(names[seat]);
            Click(d, "ButtonAccept");
        }));
    TPubStrGrid* grid = w.ScorePanel(0)->Grid();
    std::set<QChar> letters;
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        TZuCardGroup* group = Controller().Seat(seat);
        EXPECT_EQ(group->PlayerName(), names[seat]);
        EXPECT_EQ(group->PlayerNameLabel()->text(), names[seat]);
        EXPECT_EQ(group->PlayerNameLabel()->textFormat(), Qt::PlainText);
        // Each item has a letter of its own; "&&" shows one "&" in a menu
        // instead of underlining the next letter.
        const QString item = w.Menu().TakenBy[std::size_t(seat)]->text();
        const int mark = item.indexOf(QRegularExpression("&[^&]"));
        ASSERT_GE(mark, 0) << item.toStdString();
        EXPECT_TRUE(letters.insert(item[mark + 1].toLower()).second) << item.toStdString();
        EXPECT_EQ(QString(item).remove(mark, 1), QString(names[seat]).replace("&", "&&"));
        EXPECT_EQ(grid->Cells(0, seat + 1), names[seat]);
    }
    EXPECT_EQ(TIni(dir.filePath("Zaviko.ini")).W, names[SeatW]);
}

// A language chosen shows when the options open again, while the window
// speaks the one it started in until the next start; accepting again
// neither stores nor says anything more.
TEST_F(MainWindowTest, TheOptionsShowTheLanguageChosenForTheNextStart)
{
    TForm1& w = Make();
    const QString started = CurrentLanguage();
    auto options = [&](const std::function<void(QComboBox*)>& act) {
        ASSERT_TRUE(WithModal<TFOptions>([&] { w.Opcije1Click(); },
            [&](TFOptions& d) {
                act(Child<QComboBox>(d, "ComboLanguage"));
                Click(d, "ButtonAccept");
            }));
    };
    options([](QComboBox* box) { box->setCurrentIndex(box->findData("sr_Cyrl")); });
    ASSERT_EQ(sink.shown.information.size(), 1u);
    options([](QComboBox* box) { EXPECT_EQ(box->currentData().toString(), "sr_Cyrl"); });
    EXPECT_EQ(sink.shown.information.size(), 1u);
    EXPECT_EQ(StoredLanguage(dir.filePath("Zaviko.ini")), "sr_Cyrl");
    EXPECT_EQ(CurrentLanguage(), started);
}

TEST_F(MainWindowTest, LogTurnedOnInTheOptionsOpensAtOnceAndOffClosesIt)
{
    TForm1& w = Make();
    auto toggleLog = [&] {
        ASSERT_TRUE(WithModal<TFOptions>([&] { w.Opcije1Click(); },
            [](TFOptions& d) {
                Child<QCheckBox>(d, "CheckLog")->click();
                Click(d, "ButtonAccept");
            }));
    };
    toggleLog();
    EXPECT_TRUE(Controller().LogEnabled());
    EXPECT_TRUE(LogText().contains("otvoren"));
    EXPECT_FALSE(LogText().contains("zatvoren"));
    toggleLog();
    EXPECT_FALSE(Controller().LogEnabled());
    EXPECT_TRUE(LogText().contains("zatvoren"));
}

TEST_F(MainWindowTest, OnePressOfTTogglesTheScoreTableOnce)
{
    TForm1& w = Make();
    sink.shown.confirmReply = false; // the start prompt starts nothing
    auto expectShown = [&](bool shown, const char* how) {
        EXPECT_EQ(w.ScoreTableChecked(), shown) << how;
        EXPECT_EQ(w.ScorePanel(0)->isHidden(), !shown) << how;
    };
    expectShown(true, "at start");
    w.Menu().ScoreTable->trigger();
    expectShown(false, "menu item");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_T, Qt::NoModifier, QStringLiteral("t"));
    QApplication::sendEvent(&w, &press);
    expectShown(true, "key handler");

    // A real key press on the active window: the shortcut and the key
    // handler both see T, and only one of them may act.
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_T);
    expectShown(false, "key on the window");
    QTest::keyClick(&w, Qt::Key_T);
    expectShown(true, "second key on the window");
}

// Where the layout puts everything; `width` is the window's outer width.
void ExpectLayout(TForm1& w, int width, int panel)
{
    const int table = w.TableHeight();
    TZuCardGroup* const t1 = w.Talon1;
    EXPECT_EQ(t1->x(), (width - t1->width()) / 2);
    EXPECT_EQ(t1->y(), (table - t1->height() - w.Talon2->height()) / 2);
    EXPECT_EQ(w.Talon2->pos(), QPoint(t1->x(), t1->y() + t1->height() + 10));
    for (TZuCardGroup* seat : { w.PlayerN, w.PlayerS })
        EXPECT_EQ(seat->x(), (width - seat->width()) / 2) << seat->objectName().toStdString();
    EXPECT_EQ(w.PlayerE->y(), (table - w.PlayerE->height()) / 2);
    EXPECT_EQ(w.PlayerW->y(), w.PlayerE->y());
    EXPECT_EQ(w.PlayerN->y(), 32);
    EXPECT_EQ(w.PlayerS->y(), 424);
    EXPECT_LE(w.PlayerS->geometry().bottom(), table);
    for (TZuCardGroup* seat : { w.PlayerW, w.PlayerN, w.PlayerE })
        EXPECT_EQ(seat->PlayerNameLabel()->pos(), seat->pos() - QPoint(0, 20))
            << seat->objectName().toStdString();
    // The human's name, over the left of the hand, clear above the hint's
    // raised card and below the table's lower row.
    const QRect name = w.PlayerS->PlayerNameLabel()->geometry();
    EXPECT_EQ(name.x(), w.PlayerS->x());
    EXPECT_LT(name.bottom(), w.PlayerS->y() - THintCard::HandLift - THintCard::Ring);
    EXPECT_GT(name.y(), w.Talon2->geometry().bottom());
    const TScorePanel* p = w.ScorePanel(panel);
    EXPECT_FALSE(p->isHidden());
    EXPECT_EQ(p->pos(), QPoint(TForm1::ClientWidth - p->width() - 4, table - p->height() - 4));
}

TEST_F(MainWindowTest, LayoutAfterADealInEveryMode)
{
    for (int mode = 0; mode < 3; ++mode) {
        SCOPED_TRACE(testing::Message() << "mode " << mode);
        SetOptions([&](TIni& s) { s.NumberOfPlayers = mode; });
        TForm1& w = Make();
        sink.shown.confirmReply = false;
        w.New1Click(); // the start-up dealt a preliminary four-player match
        ExpectLayout(w, TForm1::ClientWidth, mode);
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        EXPECT_EQ(
            w.size(), QSize(TForm1::ClientWidth, TForm1::ClientHeight + w.menuBar()->height()));
        EXPECT_EQ(w.TableHeight() + w.statusBar()->height(), TForm1::ClientHeight);
        w.New1Click();
        ExpectLayout(w, w.frameGeometry().width(), mode);
    }
}

} // namespace
