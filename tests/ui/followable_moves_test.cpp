// What the table shows so a player can follow the moves: a computer's
// revealed card raised whole, the pause, the human's turn, the sum of the
// marked cards, and the table's cards closing up toward the middle.
#include "tests/ui/main_window_fixture.h"
#include "tests/support/run_until.h"

#include "tools/screenshots/window_positions.h"
#include "ui/window/game_option_setting.h"
#include "ui/window/hint_card.h"
#include "ui/window/seat_marks.h"
#include "ui/window/table_notes.h"

#include <QLabel>
#include <QTest>

namespace {

constexpr int kQueenOfHearts = 51;

void Click(TZuCardGroup* group, int slot)
{
    bool playIt = false, faceDown = false;
    TZuTablePos pos = tpAuto;
    group->OnCardClick(group, group->CardAt(slot), slot, playIt, pos, faceDown, Qt::LeftButton);
}

int SlotOf(TZuCardGroup* group, int id)
{
    for (int slot = 0; slot < group->SlotCount(); ++slot)
        if (!group->CardAt(slot)->Empty() && group->CardAt(slot)->ID() == id) return slot;
    return -1;
}

class FollowableMovesTest : public MainWindowTest {
protected:
    TForm1& OpenTable(int onTurn, int revealSeconds = 0)
    {
        SetOptions([&](TIni& s) { s.CompPlayDelay = revealSeconds; });
        TForm1& w = Make();
        sink.shown.confirmReply = false; // the start prompt: the test starts the play
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        Controller().ShowState(OpenPosition(onTurn));
        return w;
    }
    // Serves the worker until `done` holds or its sequence ends.
    void ServeUntil(const std::function<bool()>& done)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done() && Controller().Busy() && timer.elapsed() < 20000)
            ServeEventsOnce();
    }
};

TEST_F(FollowableMovesTest, AComputersRevealedCardIsRaisedWholeAndThePauseIsMarked)
{
    TForm1& w = OpenTable(SeatW, 30);
    THintCard* raised = w.RevealedCard();
    EXPECT_TRUE(raised->isHidden());
    EXPECT_TRUE(w.TableNotes()->OnTurnMark()->isHidden()) << "West is on turn";
    w.Pocniigru1Click();
    int revealed = -1;
    ServeUntil([&] {
        for (int slot = 0; slot < w.PlayerW->SlotCount(); ++slot)
            if (!w.PlayerW->CardAt(slot)->ShowBack()) revealed = slot;
        return revealed >= 0 && raised->isVisible();
    });
    ASSERT_GE(revealed, 0) << "West revealed nothing";
    ASSERT_TRUE(raised->isVisible());
    EXPECT_EQ(raised->Slot(), revealed);
    // Whole, toward the table from its place in the column, and above the column.
    const QRect card = w.PlayerW->CardAt(revealed)->BoundsRect().translated(w.PlayerW->pos());
    EXPECT_EQ(raised->size(), QSize(ZuCardWidth, ZuCardHeight) + QSize(2, 2) * THintCard::Ring);
    EXPECT_EQ(raised->x(), card.x() - THintCard::Ring + THintCard::Lift);
    EXPECT_EQ(raised->y(), card.y() - THintCard::Ring);
    const QObjectList& stacking = w.PlayerW->parentWidget()->children();
    EXPECT_GT(stacking.indexOf(raised), stacking.indexOf(w.PlayerW));
    EXPECT_TRUE(raised->testAttribute(Qt::WA_TransparentForMouseEvents));

    QLabel* pause = w.TableNotes()->PauseMark();
    EXPECT_TRUE(pause->isHidden());
    Controller().TogglePause();
    EXPECT_TRUE(pause->isVisible());
    EXPECT_EQ(pause->text(), QStringLiteral("Pauza"));
    const QRect rows = w.Talon1->geometry().united(w.Talon2->geometry());
    EXPECT_TRUE(rows.contains(pause->geometry().center()));
    Controller().TogglePause();
    EXPECT_TRUE(pause->isHidden());
    Controller().TogglePause();

    // "Nova" ends the reveal and the pause with the match.
    sink.shown.confirmReply = true;
    w.New1Click();
    EXPECT_TRUE(raised->isHidden());
    EXPECT_TRUE(pause->isHidden());
}

TEST_F(FollowableMovesTest, TheHumansTurnAndTheSumOfTheMarkedCardsShow)
{
    TForm1& w = OpenTable(SeatS);
    QLabel* onTurn = w.TableNotes()->OnTurnMark();
    QLabel* sum = w.TableNotes()->SumMark();
    EXPECT_TRUE(onTurn->isVisible());
    EXPECT_EQ(onTurn->text(), QStringLiteral("Na potezu si"));
    EXPECT_LT(onTurn->geometry().right(), w.PlayerS->PlayerNameLabel()->x());
    EXPECT_TRUE(sum->isHidden());
    const int three = SlotOf(w.Talon2, 16), ten = SlotOf(w.Talon2, 23); // 3 and 10 of diamonds
    ASSERT_GE(three, 0);
    ASSERT_GE(ten, 0);
    Click(w.Talon2, three);
    EXPECT_TRUE(sum->isVisible());
    EXPECT_EQ(sum->text(), QStringLiteral("Zbir: 3"));
    Click(w.Talon2, ten);
    EXPECT_EQ(sum->text(), QStringLiteral("Zbir: 13"));
    // Between the lower row and the human's name, clear of both.
    EXPECT_GT(sum->y(), w.Talon2->geometry().bottom());
    EXPECT_LT(sum->geometry().bottom(), w.PlayerS->PlayerNameLabel()->y());
    Click(w.Talon2, three);
    EXPECT_EQ(sum->text(), QStringLiteral("Zbir: 10"));
    Controller().ClearTableMarks();
    EXPECT_TRUE(sum->isHidden());

    // Aces count 1 or 11: every sum they allow.
    EXPECT_EQ(TTableNotes::SumText({ 14, 3 }), QStringLiteral("Zbir: 4 ili 14"));
    EXPECT_EQ(TTableNotes::SumText({ 14, 27, 13 }), QStringLiteral("Zbir: 16 ili 26 ili 36"));
    EXPECT_EQ(TTableNotes::SumText({ 11, 12 }), QStringLiteral("Zbir: 25")); // queen, king
    EXPECT_EQ(TTableNotes::SumText({}), QString());
}

TEST_F(FollowableMovesTest, TheTableClosesUpTowardTheMiddleOnlyWhenChosen)
{
    for (bool chosen : { false, true }) {
        SCOPED_TRACE(chosen ? "chosen" : "default");
        TForm1& w = OpenTable(SeatS);
        QAction* item = w.Menu().TableToMiddle;
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->isChecked(), false) << "off unless chosen";
        if (chosen) item->trigger();
        EXPECT_EQ(Controller().TableToMiddle(), chosen);
        const int queen = SlotOf(w.Talon2, kQueenOfHearts);
        ASSERT_EQ(queen, 4);
        // The queen of clubs takes the 3 and the 10 of diamonds beside it.
        Click(w.Talon2, SlotOf(w.Talon2, 16));
        Click(w.Talon2, SlotOf(w.Talon2, 23));
        Click(w.PlayerS, SlotOf(w.PlayerS, 12));
        ASSERT_EQ(SlotOf(w.Talon2, 16), -1) << "the capture was made";
        EXPECT_EQ(SlotOf(w.Talon2, kQueenOfHearts), chosen ? 2 : 4);
        WaitIdle();
        form.reset();
        EXPECT_EQ(
            ReadGameOption(dir.filePath("Zaviko.ini"), QStringLiteral("TableToMiddle"), false),
            chosen);
        if (chosen) {
            // The next start keeps the choice.
            TForm1& again = Make();
            EXPECT_TRUE(again.Menu().TableToMiddle->isChecked());
            EXPECT_TRUE(Controller().TableToMiddle());
            again.Menu().TableToMiddle->trigger();
        }
        form.reset();
    }
}

} // namespace

TEST_F(FollowableMovesTest, TheHintsRaisedCardLeavesTheHumansNameAndLastMoveClear)
{
    for (bool tight : { false, true }) {
        SCOPED_TRACE(tight ? "tight hand" : "loose hand");
        SetOptions([&](TIni& s) { s.HumanCardsTight = tight; });
        TForm1& w = OpenTable(SeatS);
        TLastMoves last {};
        last[SeatS] = { kQueenOfHearts, { 30, 31 } };
        Controller().ShowState(OpenPosition(SeatS), last);
        QTest::keyClick(&w, Qt::Key_H);
        WaitForHint();
        ASSERT_TRUE(w.HintCard()->isVisible());
        const QLabel* name = w.PlayerS->PlayerNameLabel();
        const QLabel* mark = w.SeatMarks()->Mark(SeatS);
        ASSERT_TRUE(mark->isVisible());
        // Whichever card the hint raises.
        for (int slot = 0; slot < w.PlayerS->SlotCount(); ++slot) {
            if (w.PlayerS->CardAt(slot)->Empty()) continue;
            w.ShowHintCard(slot);
            const QRect raised = w.HintCard()->geometry();
            EXPECT_FALSE(raised.intersects(name->geometry())) << slot;
            EXPECT_FALSE(raised.intersects(mark->geometry())) << slot;
            EXPECT_LT(raised.y(), w.PlayerS->y()) << "the card still rises";
        }
    }
}
