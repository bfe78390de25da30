// What the window's start leaves for later: card pictures nobody sees yet,
// the score panels of other modes and the captured-cards view until they are
// asked for.
#include "tests/ui/main_window_fixture.h"

#include "ui/dialogs/deck_over_dialog.h"
#include "ui/window/score_panel.h"
#include "ui/window/taken_cards_view.h"

#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <set>

namespace {

// A window with the picture table to itself: no earlier user drew anything.
class StartupDrawingTest : public MainWindowTest {
protected:
    static void SetUpTestSuite() { }
    static void TearDownTestSuite() { }

    static std::set<int> Drawn()
    {
        std::set<int> drawn;
        for (int number = 2; number <= ZuPictureCount; ++number)
            if (CardPictureDrawn(number)) drawn.insert(number);
        return drawn;
    }

    // The pictures of every card that shows: faces up, backs down.
    static std::set<int> OnShow(const TForm1& w)
    {
        std::set<int> shown;
        for (TZuCardGroup* group :
            { w.PlayerS, w.PlayerW, w.PlayerN, w.PlayerE, w.Talon1, w.Talon2 }) {
            if (!group->isVisible()) continue;
            for (int slot = 0; slot < group->SlotCount(); ++slot) {
                const TZuSingleCard& card = *group->CardAt(slot);
                if (card.Empty()) continue;
                shown.insert(card.ShowBack() ? BackPictureNumber(card.CardBack()) : card.ID());
            }
        }
        return shown;
    }
};

TEST_F(StartupDrawingTest, TheStartDrawsOnlyThePicturesOfTheCardsOnShow)
{
    ASSERT_EQ(CardPictureUsers(), 0) << "an earlier test still holds the pictures";
    for (int mode : { 0, 2 }) {
        SetOptions([mode](TIni& s) { s.NumberOfPlayers = mode; });
        AcquireCardPictures(); // as the program holds them for its run
        sink.shown.confirmReply = false; // the computers wait at the start prompt
        TForm1& w = Make();
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        w.grab();
        const std::set<int> shown = OnShow(w);
        // The human's six faces, the table's four and the one back the
        // computers' cards share.
        EXPECT_EQ(shown.size(), 6u + 4u + 1u) << "mode " << mode;
        // Nothing else: the hidden visual deck draws no picture.
        EXPECT_EQ(Drawn(), shown) << "mode " << mode;
        // The panel of the mode's grid, no other.
        // (The table is a window of its own inside the view.)
        const QWidgetList widgets = QApplication::allWidgets();
        EXPECT_EQ(std::count_if(widgets.begin(), widgets.end(),
                      [](QWidget* x) { return qobject_cast<TScorePanel*>(x) != nullptr; }),
            1)
            << "mode " << mode;
        form.reset();
        ReleaseCardPictures();
        ASSERT_EQ(CardPictureUsers(), 0);
    }
}

TEST_F(StartupDrawingTest, TheCapturedCardsViewIsMadeWhenFirstAskedForFromAnyDoor)
{
    AcquireCardPictures();
    sink.shown.confirmReply = false;
    {
        TForm1& w = Make();
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        EXPECT_EQ(w.findChild<TFPregledKarata*>(), nullptr) << "made before anyone asked";
        w.CloseOverview(); // the end of a hand closes a view that was never made

        // The end-of-hand dialog is the first to ask.
        THandEndDisplay display;
        for (int seat = SeatS; seat <= SeatE; ++seat)
            display.seats[seat] = Controller().Seat(seat);
        display.lastTakerName = w.PlayerN->PlayerName();
        bool opened = false;
        QTimer::singleShot(0, &w, [&] {
            auto* dialog = qobject_cast<TFDeckOverInfoDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->SeatButton(TFDeckOverInfoDlg::North)->click();
            opened = w.findChild<TFPregledKarata*>() && w.Overview()->IsOpen();
            w.Overview()->CloseIfOpen();
            dialog->accept();
        });
        w.ShowHandEnd(display);
        EXPECT_TRUE(opened);
        TFPregledKarata* view = w.Overview();
        EXPECT_EQ(w.findChildren<TFPregledKarata*>().size(), 1);
        EXPECT_TRUE(view->windowTitle().contains(w.PlayerN->PlayerName()))
            << view->windowTitle().toStdString();

        // The menu's door opens the same view again.
        w.ShowTakenCards(SeatS);
        EXPECT_TRUE(view->IsOpen());
        EXPECT_EQ(w.Overview(), view);
        sink.shown.confirmReply = true; // yes, leave the match
        w.close();
        EXPECT_FALSE(view->IsOpen()) << "closing the window closes the view";
        form.reset();
    }
    ReleaseCardPictures();
}

} // namespace

// The start prompt comes after the first paint; a match started from the
// menu before it is under way, and the prompt is not asked over it.
TEST_F(StartupDrawingTest, AMatchStartedFromTheMenuBeforeThePromptIsNotAskedToStartAgain)
{
    for (std::uint64_t seed = 1; seed < 200; ++seed) {
        FixRandomSeed(seed);
        if (Make().Controller().CurrentPlayer() != form->PlayerS) break;
        form.reset();
    }
    ASSERT_TRUE(form);
    ASSERT_TRUE(Controller().WaitingToStart()) << "no seed lets a computer start";
    TForm1& w = *form;
    sink.shown.confirmReply = true;
    w.show();
    w.Pocniigru1Click();
    for (int i = 0; i < 400 && Controller().FirstActivation(); ++i)
        QTest::qWait(5);
    ASSERT_FALSE(Controller().FirstActivation()) << "the start's prompt never ran";
    WaitIdle();
    EXPECT_TRUE(sink.shown.confirmations.empty());
    EXPECT_FALSE(Controller().WaitingToStart());
    EXPECT_EQ(Controller().CurrentPlayer(), w.PlayerS)
        << "the computers did not play up to the human";
    form.reset();
}
