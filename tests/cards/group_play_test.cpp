#include "tests/cards/group_fixture.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

#include <set>

using Log = std::vector<std::string>;

namespace {

struct TPlayed {
    int position;
    TZuTablePos tablePos;
};

} // namespace

TEST_F(GroupTest, AComputerPlaysARandomNonEmptySlotUnlessBeforePlayChoosesAnother)
{
    TZuCardGroup& group = Hand({ EmptySlot, 20, EmptySlot, 30 });
    group.SetTablePlayPos(tpRight);
    TFakeGroupTable table;
    group.SetTable(&table);
    std::vector<int> offered;
    group.BeforePlay
        = [&](TZuCardGroup* sender, int& position, TZuTablePos& tablePos, bool& faceDown) {
              EXPECT_EQ(sender, &group);
              EXPECT_EQ(tablePos, tpRight);
              EXPECT_FALSE(faceDown);
              offered.push_back(position);
          };
    for (int turn = 0; turn < 2; ++turn)
        EXPECT_EQ(group.Play(), prFinished);
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_NE(offered[0], offered[1]) << "the second turn finds only the other card";
    EXPECT_EQ(std::set<int>(offered.begin(), offered.end()), (std::set<int> { 1, 3 }));
    EXPECT_EQ(table.slot, 3);
    EXPECT_EQ(group.NonEmptyCount(), 0);

    offered.clear();
    group.Play();
    EXPECT_EQ(offered, std::vector<int> { -1 }) << "nothing left to play";
    EXPECT_EQ(table.played.size(), 2u);
}

TEST_F(GroupTest, APlayedCardLeavesTheGroupInTheOrderOfItsEvents)
{
    TZuCardGroup& group = Hand({ 20, 30, 40 });
    TFakeGroupTable table;
    Log log;
    table.log = &log;
    group.SetTable(&table);
    std::vector<TPlayed> played;
    group.BeforePlay = [&](TZuCardGroup*, int& position, TZuTablePos& tablePos, bool& faceDown) {
        log.push_back("before");
        position = 2;
        tablePos = tpTop;
        faceDown = true;
    };
    group.OnCardEmptyChange
        = [&](TZuCustomCardControl*, TZuSingleCard*) { log.push_back("empty"); };
    group.AfterPlay = [&](TZuCardGroup* sender, int position, TZuTablePos tablePos) {
        EXPECT_EQ(sender, &group);
        log.push_back("after");
        played.push_back({ position, tablePos });
    };
    group.Play();
    EXPECT_EQ(log, (Log { "before", "empty", "after", "table" }));
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].position, 2);
    EXPECT_EQ(played[0].tablePos, tpTop);
    EXPECT_EQ(table.slot, 2);
    EXPECT_EQ(table.played, std::vector<int> { 40 });
    EXPECT_EQ(table.playedBack, std::vector<bool> { true });
}

TEST_F(GroupTest, PlayIgnoresAPositionOutOfRange)
{
    TZuCardGroup& group = Hand({ 20 });
    TFakeGroupTable table;
    group.SetTable(&table);
    group.BeforePlay = [](TZuCardGroup*, int& position, TZuTablePos&, bool&) { position = 1; };
    group.Play();
    group.PlayCard(-1, false, tpAuto);
    EXPECT_TRUE(table.played.empty());
    EXPECT_FALSE(group.CardAt(0)->Empty());
}

TEST_F(GroupTest, WithoutATablePlayOnlyAsksBeforePlay)
{
    TZuCardGroup& group = Hand({ 20, 30 });
    int asked = 0;
    group.BeforePlay = [&](TZuCardGroup*, int&, TZuTablePos&, bool&) { ++asked; };
    EXPECT_EQ(group.Play(), prFinished);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(group.NonEmptyCount(), 2);
}

TEST_F(GroupTest, AHumanOrNetworkTurnEndsQuietlyAfterBeforePlay)
{
    for (TZuController controller : { ctHuman, ctNetwork }) {
        TZuCardGroup& group = Hand({ 20, 30 });
        group.SetController(controller);
        TFakeGroupTable table;
        group.SetTable(&table);
        int asked = 0;
        group.BeforePlay = [&](TZuCardGroup*, int& position, TZuTablePos&, bool&) {
            ++asked;
            position = 0; // ignored: the move is made elsewhere
        };
        EXPECT_EQ(group.Play(), prAborted) << controller;
        EXPECT_EQ(asked, 1);
        EXPECT_TRUE(table.played.empty());
        delete &group;
    }
}

TEST_F(GroupTest, AComputersPlayDelayHoldsTheLockWhileMessagesFlow)
{
    TZuCardGroup& group = Hand({ 20, 30 });
    TFakeGroupTable table;
    group.SetTable(&table);
    group.SetPlayDelay(-5);
    EXPECT_EQ(group.PlayDelay(), 0) << "a negative delay is ignored";
    group.SetPlayDelay(30);

    int clicks = 0;
    group.OnCardClick = [&](TZuCardGroup*, TZuSingleCard*, int, bool&, TZuTablePos&, bool&,
                            Qt::MouseButton) { ++clicks; };
    bool lockedMeanwhile = false;
    QTimer::singleShot(0, &group, [&] {
        lockedMeanwhile = AnimationLocked();
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(10, 40), QPointF(10, 40),
            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&group, &release);
    });
    group.PlayCard(1, false, tpAuto);
    EXPECT_TRUE(lockedMeanwhile) << "the wait handled messages under the lock";
    EXPECT_EQ(clicks, 0) << "a click during the pause is ignored";
    EXPECT_FALSE(AnimationLocked());
    EXPECT_EQ(table.played, std::vector<int> { 30 });

    group.SetController(ctHuman); // only a computer waits
    bool humanLocked = false;
    QTimer::singleShot(0, &group, [&] { humanLocked = AnimationLocked(); });
    group.PlayCard(0, false, tpAuto);
    QCoreApplication::processEvents();
    EXPECT_FALSE(humanLocked);
    EXPECT_EQ(table.played, (std::vector<int> { 30, 20 }));
}
