// The window as a player meets it: mouse presses on cards and on the table,
// the captured-cards view over the end-of-hand dialog, names everywhere after
// a rename, the last moves across hands, and a score panel that never covers
// the human's hand.
#include "tests/ui/main_window_fixture.h"

#include "game/rules/match_rules.h"
#include "ui/dialogs/deck_over_dialog.h"
#include "ui/window/hint_card.h"
#include "ui/dialogs/rename_dialog.h"
#include "ui/window/score_panel.h"
#include "tools/screenshots/window_positions.h"
#include "ui/window/seat_marks.h"
#include "ui/window/taken_cards_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

// A point inside `slot` of the group where no other slot covers it.
QPoint PointOnSlot(TZuCardGroup* group, int slot)
{
    for (int x = group->width() - 1; x >= 0; --x)
        if (group->HitTest(x, group->height() / 2) == slot) return { x, group->height() / 2 };
    ADD_FAILURE() << "slot " << slot << " of " << group->objectName().toStdString() << " not found";
    return {};
}

void RightClick(TZuCardGroup* group, int slot)
{
    const QPoint at = PointOnSlot(group, slot);
    QTest::mousePress(group, Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseRelease(group, Qt::RightButton, Qt::NoModifier, at);
}

int MarkCount(TForm1& w)
{
    int marks = 0;
    for (TZuCardGroup* row : { w.Talon1, w.Talon2 })
        for (int slot = 0; slot < row->SlotCount(); ++slot)
            marks += !row->CardAt(slot)->Empty() && row->CardAt(slot)->Negative();
    return marks;
}

} // namespace

class MainWindowPlayTest : public MainWindowTest {
protected:
    // The window on screen with the human on turn in OpenPosition: the ace of
    // spades (hand slot 0) takes 4♠ and 7♥ (upper row, slots 2 and 3).
    TForm1& OpenTable() { return ShownAt(OpenPosition(SeatS)); }
    void Mark(TZuCardGroup* row, int slot)
    {
        const QPoint at = PointOnSlot(row, slot);
        QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, at);
    }
};

TEST_F(MainWindowPlayTest, ARightClickOnACardSeesTheMarksAndOnTheTableClearsThem)
{
    TForm1& w = OpenTable();
    Mark(w.Talon1, 2);
    Mark(w.Talon1, 3);
    ASSERT_EQ(MarkCount(w), 2);
    RightClick(w.Talon2, 2); // the 3 of diamonds joins the marks
    EXPECT_EQ(MarkCount(w), 3);
    RightClick(w.Talon2, 2);
    EXPECT_EQ(MarkCount(w), 2);

    // A press on the green table itself clears them all.
    QWidget* table = w.centralWidget();
    QTest::mousePress(table, Qt::RightButton, Qt::NoModifier, { 200, 100 });
    EXPECT_EQ(MarkCount(w), 0);

    Mark(w.Talon1, 2);
    Mark(w.Talon1, 3);
    RightClick(w.PlayerS, 0); // the ace as 11 takes 4 + 7
    WaitIdle();
    const std::vector<int>& taken = Controller().State().taken[SeatS];
    ASSERT_EQ(taken.size(), 3u) << "a capture, not a lay-down";
    EXPECT_EQ(Controller().State().hands[SeatS][0], kNoCard);
}

TEST_F(MainWindowPlayTest, TheRefusedCaptureTextGoesWhenTheMarksChange)
{
    TForm1& w = OpenTable();
    Mark(w.Talon2, 3); // the 10 of diamonds
    QTest::mouseClick(w.PlayerS, Qt::LeftButton, Qt::NoModifier, PointOnSlot(w.PlayerS, 1));
    EXPECT_FALSE(w.StatusPanel(2)->text().isEmpty()) << "the 8 cannot take the 10";
    Mark(w.Talon2, 3);
    EXPECT_TRUE(w.StatusPanel(2)->text().isEmpty());
    Mark(w.Talon2, 3);
    QTest::mouseClick(w.PlayerS, Qt::LeftButton, Qt::NoModifier, PointOnSlot(w.PlayerS, 1));
    QTest::mousePress(w.centralWidget(), Qt::RightButton, Qt::NoModifier, { 200, 100 });
    EXPECT_TRUE(w.StatusPanel(2)->text().isEmpty());
}

// The view opened from the menu is open when a hand ends; the end-of-hand
// dialog closes it, and its seat buttons must open it again.
TEST_F(MainWindowPlayTest, TheCapturedCardsViewOpensFromTheEndOfHandDialog)
{
    TForm1& w = OpenTable();
    THandEndDisplay display;
    for (int seat = SeatS; seat <= SeatE; ++seat)
        display.seats[seat] = Controller().Seat(seat);
    display.lastTakerName = w.PlayerW->PlayerName();
    bool reopened = false;
    bool dialogSeen = false;
    QTimer::singleShot(0, &w, [&] {
        // What the worker's hand-off does at the end of a hand: the view
        // closes, then the dialog opens.
        QTimer::singleShot(0, &w, [&] {
            auto* dialog = qobject_cast<TFDeckOverInfoDlg*>(QApplication::activeModalWidget());
            if (!dialog) return;
            dialogSeen = true;
            EXPECT_FALSE(w.Overview()->IsOpen()) << "closed before the dialog opened";
            dialog->SeatButton(TFDeckOverInfoDlg::West)->click();
            reopened = w.Overview()->IsOpen();
            w.Overview()->CloseIfOpen();
            dialog->accept();
        });
        w.CloseOverview();
        w.ShowHandEnd(display);
    });
    w.ShowTakenCards(SeatN);
    EXPECT_TRUE(w.Overview()->IsOpen() || dialogSeen);
    for (int i = 0; i < 5 && !dialogSeen; ++i)
        QApplication::processEvents();
    EXPECT_TRUE(dialogSeen);
    EXPECT_TRUE(reopened);
}

TEST_F(MainWindowPlayTest, SeatNamesShowInTheMenuStatusAndLabelsInEveryModeAndAfterARename)
{
    // An item's text less its Alt letter's mark (these names have no "&").
    auto item
        = [&](int seat) { return form->Menu().TakenBy[std::size_t(seat)]->text().remove('&'); };
    for (int mode = 0; mode < 3; ++mode) {
        SCOPED_TRACE(testing::Message() << "mode " << mode);
        SetOptions([&](TIni& s) { s.NumberOfPlayers = mode; });
        TForm1& w = Make();
        sink.shown.confirmReply = false;
        for (int seat = SeatS; seat <= SeatE; ++seat)
            EXPECT_EQ(item(seat), Controller().Seat(seat)->PlayerName());
        EXPECT_EQ(w.Menu().TakenBy[1]->isVisible(), mode != kTwoPlayers);
    }

    TForm1& w = *form;
    const QString names[] = { "Marko Petrovic", "Vuk", "Mara Mirkovic", "Dule" };
    ASSERT_TRUE(WithModal<TFPromenaImena>([&] { w.Promenaimena1Click(); },
        [&](TFPromenaImena& d) {
            const char* edits[] = { "EditSouth", "EditWest", "EditNorth", "EditEast" };
            for (int seat = SeatS; seat <= SeatE; ++seat)
                d.findChild<QLineEdit*>(edits[seat])->setText(names[seat]);
            d.findChild<QAbstractButton*>("ButtonAccept")->click();
        }));
    for (int seat : { SeatS, SeatN }) {
        QLabel* label = Controller().Seat(seat)->PlayerNameLabel();
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(names[seat]))
            << "not clipped";
        EXPECT_EQ(item(seat), names[seat]);
    }
    const int onTurn = Controller().State().CurrentPlayer;
    EXPECT_EQ(w.StatusPanel(1)->text(), "Na potezu: " + names[onTurn]);
}

// The human lays down the last card of the hand; the next hand is dealt and
// the human's mark of the last hand is gone.
TEST_F(MainWindowPlayTest, ANewHandClearsTheLastMoves)
{
    TForm1& w = OpenTable();
    const std::vector<int> row(kRowSlots, kNoCard);
    std::array<THand, kSeatCount> hands {};
    hands[SeatS] = { 2, kNoCard, kNoCard, kNoCard, kNoCard, kNoCard };
    Controller().ShowState(
        SheetPosition(kEachForHimself, row, row, hands, SeatS, { 17, 13, 10, 11 }));
    ASSERT_EQ(Controller().CardsLeft(), 0);
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (TFDeckOverInfoDlg::AnyOpen()) QApplication::activeModalWidget()->close();
    });
    closer.start(5);
    QTest::mouseClick(w.PlayerS, Qt::LeftButton, Qt::NoModifier, PointOnSlot(w.PlayerS, 0));
    WaitIdle();
    ASSERT_EQ(Controller().State().HandsPlayed, 1);
    EXPECT_TRUE(w.SeatMarks()->Mark(SeatS)->isHidden());
}

// For every mode and both looks of the cards, with the table shown: no score
// panel covers a card of any hand, and each panel stays on the table.
TEST_F(MainWindowPlayTest, TheScorePanelNeverCoversAHand)
{
    for (int mode = 0; mode < 3; ++mode)
        for (bool tight : { false, true }) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " tight " << tight);
            SetOptions([&](TIni& s) {
                s.NumberOfPlayers = mode;
                s.HumanCardsTight = tight;
                s.CompCardsTight = tight;
            });
            TForm1& w = Make();
            sink.shown.confirmReply = false;
            w.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
            w.New1Click();
            const TScorePanel* panel = w.ScorePanel(Controller().ActiveScoreGrid());
            ASSERT_FALSE(panel->isHidden());
            EXPECT_TRUE(w.centralWidget()->rect().contains(panel->geometry()));
            for (TZuCardGroup* seat : { w.PlayerS, w.PlayerW, w.PlayerN, w.PlayerE })
                if (!seat->isHidden()) {
                    EXPECT_FALSE(panel->geometry().intersects(seat->geometry()))
                        << seat->objectName().toStdString();
                }
            EXPECT_GE(w.PlayerS->x(), 0);
        }
}

// The hint's hand card shows whole, raised clear of the hand, even in a
// tight hand; a click on it plays the hint; the move takes it away.
TEST_F(MainWindowPlayTest, TheHintCardShowsWholeAboveTheHandAndPlaysOnAClick)
{
    SetOptions([](TIni& s) { s.HumanCardsTight = true; });
    TForm1& w = OpenTable();
    ASSERT_TRUE(Controller().ShowHint());
    WaitForHint();
    const int slot = Controller().HintSlot();
    THintCard* hint = w.HintCard();
    ASSERT_FALSE(hint->isHidden());
    EXPECT_EQ(hint->Slot(), slot);
    EXPECT_EQ(hint->size(), QSize(ZuCardWidth, ZuCardHeight) + QSize(6, 6));
    EXPECT_LT(hint->y(), w.PlayerS->y()) << "raised above the hand";
    EXPECT_FALSE(w.PlayerS->CardAt(slot)->Negative()) << "not the look of a mark";
    const int moves = Controller().State().MovesMade;
    QTest::mouseClick(hint, Qt::LeftButton, Qt::NoModifier, hint->rect().center());
    WaitIdle();
    EXPECT_GT(Controller().State().MovesMade, moves);
    EXPECT_TRUE(hint->isHidden());
}
