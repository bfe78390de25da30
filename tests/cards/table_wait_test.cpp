#include "tests/cards/table_fixture.h"

#include "cards/sprite/zugraphics_sprite_quit.h"

#include <QElapsedTimer>
#include <QTimer>

// A wait started during another one does not cut the outer wait short; the
// tick fires once with the timer already off; an ending application ends it.
TEST(WaitTimerTest, WaitsKeepTheirOwnLengthAndEndWithTheApplication)
{
    TZuWaitTimer* timer = ZuWaitTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(ZuWaitTimer(), timer) << "one shared timer";
    int ticks = 0;
    timer->OnTimer = [&](TZuWaitTimer* sender) {
        ++ticks;
        EXPECT_FALSE(sender->Enabled());
    };
    QElapsedTimer clock;
    clock.start();
    bool inner = false;
    QTimer::singleShot(5, [&] { inner = ZuWait(10); });
    EXPECT_TRUE(ZuWait(60));
    EXPECT_TRUE(inner);
    EXPECT_GE(clock.elapsed(), 59);
    EXPECT_GE(ticks, 2);
    timer->OnTimer = nullptr;

    ZuSetApplicationTerminating(true);
    clock.restart();
    EXPECT_FALSE(ZuWait(5000));
    EXPECT_LT(clock.elapsed(), 1000);
    ZuSetApplicationTerminating(false);
}

// What goes away during the TakeDelay pause of a refused card: without its
// group the table carries on; without the table the card still comes back.
TEST_F(TableTest, ARefusedCardSurvivesItsGroupOrTheTableGoingAwayDuringThePause)
{
    table->GameOptions().SetSuitChecking(true);
    table->GameOptions().SetTakeDelay(20);
    for (bool tableGoes : { false, true }) {
        SCOPED_TRACE(tableGoes);
        table->PlayerList().Clear();
        TZuCardGroup& leader = Player({ 41 });
        TZuCardGroup& group = Player({ 2, 42 });
        leader.PlayCard(0, false, tpAuto);
        QPointer<TZuCardGroup> alive(&group);
        QTimer::singleShot(1, [&] {
            if (tableGoes)
                delete table;
            else
                delete &group;
        });
        group.PlayCard(0, false, tpAuto);
        if (tableGoes) {
            EXPECT_FALSE(group.CardAt(0)->Empty()) << "the card is back in its slot";
            EXPECT_EQ(group.Table(), nullptr);
        } else {
            EXPECT_TRUE(alive.isNull());
            EXPECT_EQ(table->PlayedCount(), 1);
        }
    }
    table = nullptr;
}
