// The deal as the player sees it with "Animacija" on: the cards fly out of
// the deck drawn in the table's corner, and the question who starts comes
// only once they have all landed.
#include "tests/ui/main_window_fixture.h"

#include "cards/sprite/zugraphics_sprite.h"
#include "ui/window/animation_box.h"
#include "ui/window/flight_stage.h"
#include "ui/window/table_view.h"

#include <QTest>

namespace {

// Where the first card in the air was first drawn.
class TFirstFrameStage : public TZuSpriteStage {
public:
    void ShowFrames(const std::vector<TZuFlightFrame>& frames) override
    {
        if (!seen && !frames.empty()) {
            first = frames.front().at.toPoint();
            seen = true;
        }
    }
    QPoint first;
    bool seen = false;
};

class DealFlightTest : public MainWindowTest {
protected:
    // The window shown with slow flights, once its first start has been handled.
    TForm1& SlowWindowPastItsFirstStart()
    {
        EXPECT_TRUE(StoreAnimation(dir.filePath("Zaviko.ini"), TAnimation::Slow));
        TForm1& w = Make();
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        for (int i = 0; i < 100 && Controller().FirstActivation(); ++i)
            QApplication::processEvents();
        return w;
    }
};

TEST_F(DealFlightTest, TheStartQuestionWaitsForTheDealToLandAndCardsFlyFromTheDeck)
{
    TForm1& w = SlowWindowPastItsFirstStart();
    ASSERT_FALSE(Controller().FirstActivation());
    sink.shown.confirmReply = false; // "Ne": the match waits for "Pocni igru"

    // Nothing lands by itself while the test looks.
    w.Sprite()->SetFlightTime(600000);
    TFirstFrameStage stage;
    w.Sprite()->SetStage(&stage);
    // The window's own stage back however the test ends: the sprite outlives it.
    struct TRestore {
        TForm1& w;
        ~TRestore() { w.Sprite()->SetStage(w.FlightStage()); }
    } restore { w };
    const std::size_t asked = sink.shown.confirmations.size() + sink.shown.information.size();
    w.New1Click();
    QApplication::processEvents();
    EXPECT_GT(w.Sprite()->FlightsInAir(), 0);
    EXPECT_EQ(sink.shown.confirmations.size() + sink.shown.information.size(), asked)
        << "asked over cards still in the air";

    const QWidget* deck = w.PlayerS->parentWidget()->findChild<QWidget*>("RealDeck");
    ASSERT_NE(deck, nullptr);
    EXPECT_TRUE(deck->isVisible()) << "the cards fly out of a deck the player sees";
    ASSERT_TRUE(stage.seen);
    EXPECT_TRUE(deck->geometry().contains(stage.first))
        << stage.first.x() << "," << stage.first.y();

    // Landed (as any key lands them), the question comes, once.
    Controller().LandFlights();
    QApplication::processEvents();
    EXPECT_EQ(w.Sprite()->FlightsInAir(), 0);
    EXPECT_EQ(sink.shown.confirmations.size() + sink.shown.information.size(), asked + 1);
}

// The deck as the player sees it: drawn, not a blank patch of the table.
bool DrawnDeck(QWidget& deck)
{
    const QImage picture = deck.grab().toImage();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != picture.pixel(0, 0)) return true;
    return false;
}

// The first start deals before the window shows, so its deal may still fly
// when the window asks who starts; maximised, the table is shown scaled up.
TEST_F(MainWindowTest, TheFirstStartQuestionWaitsForTheDealFromTheDrawnDeckAtAnySize)
{
    // No size: the window's own; 1920x1080 as maximised on such a screen.
    for (const QSize size : { QSize(), QSize(1920, 1080) }) {
        SCOPED_TRACE(size.width());
        form.reset();
        ASSERT_TRUE(StoreAnimation(dir.filePath("Zaviko.ini"), TAnimation::Slow));
        TForm1& w = Make();
        // The start's deal, launched in the making, lands only when the test says.
        w.Sprite()->SetFlightTime(600000);
        sink.shown.confirmReply = false;
        const std::size_t asked = sink.shown.confirmations.size() + sink.shown.information.size();
        if (size.isValid()) w.resize(size);
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        w.SettleTableScale();
        for (int i = 0; i < 100 && Controller().FirstActivation(); ++i)
            QApplication::processEvents();
        ASSERT_FALSE(Controller().FirstActivation());
        EXPECT_EQ(w.TableView()->Scale() > 1.0, size.isValid());

        EXPECT_GT(w.Sprite()->FlightsInAir(), 0);
        EXPECT_EQ(sink.shown.confirmations.size() + sink.shown.information.size(), asked)
            << "asked over cards still in the air";
        QWidget* deck = w.PlayerS->parentWidget()->findChild<QWidget*>("RealDeck");
        ASSERT_NE(deck, nullptr);
        EXPECT_TRUE(deck->isVisible());
        EXPECT_TRUE(DrawnDeck(*deck)) << "the cards fly out of a deck the player sees";

        Controller().LandFlights();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        EXPECT_EQ(sink.shown.confirmations.size() + sink.shown.information.size(), asked + 1);

        // The next deal at this size flies out of that deck too.
        TFirstFrameStage stage;
        w.Sprite()->SetStage(&stage);
        struct TRestore {
            TForm1& w;
            ~TRestore() { w.Sprite()->SetStage(w.FlightStage()); }
        } restore { w };
        w.New1Click();
        EXPECT_TRUE(DrawnDeck(*deck));
        ASSERT_TRUE(stage.seen);
        EXPECT_TRUE(deck->geometry().contains(stage.first))
            << stage.first.x() << "," << stage.first.y();
    }
}

// Closed while the deal flies, the window asks nothing more: the start
// question belonged to the match that closed.
TEST_F(DealFlightTest, ClosingWhileTheDealFliesAsksNoStartQuestion)
{
    TForm1& w = SlowWindowPastItsFirstStart();
    w.Sprite()->SetFlightTime(600000);
    w.New1Click();
    ASSERT_GT(w.Sprite()->FlightsInAir(), 0);
    const std::size_t confirmations = sink.shown.confirmations.size();
    const std::size_t information = sink.shown.information.size();
    EXPECT_TRUE(w.close());
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    EXPECT_EQ(w.Sprite()->FlightsInAir(), 0) << "closing lands the cards";
    EXPECT_EQ(sink.shown.information.size(), information);
    // At most the question whether to leave the match, never whether to start it.
    for (std::size_t i = confirmations; i < sink.shown.confirmations.size(); ++i)
        EXPECT_EQ(sink.shown.confirmations[i].find("Prvi na potezu"), std::string::npos);
}

} // namespace
