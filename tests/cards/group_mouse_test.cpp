#include "tests/cards/group_fixture.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace {

void Send(TZuCardGroup& group, QEvent::Type type, QPoint at, Qt::MouseButton button)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, group.mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&group, &event);
}

void Release(TZuCardGroup& group, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    Send(group, QEvent::MouseButtonRelease, at, button);
}

void MoveTo(TZuCardGroup& group, QPoint at)
{
    Send(group, QEvent::MouseMove, at, Qt::NoButton);
}

struct TClick {
    int position;
    TZuSingleCard* card;
    TZuTablePos tablePos;
    Qt::MouseButton button;
};

} // namespace

TEST_F(GroupTest, HitTestingFindsTheFirstSlotStrictlyContainingThePoint)
{
    TZuCardGroup& normal = Hand({ 2, 3, 4, 5, 6, 7 });
    EXPECT_EQ(normal.HitTest(10, 10), 0);
    EXPECT_EQ(normal.HitTest(73, 10), -1) << "the gap between two cards";
    EXPECT_EQ(normal.HitTest(80, 10), 1);
    EXPECT_EQ(normal.HitTest(76, 10), -1) << "an edge is not inside";
    EXPECT_EQ(normal.HitTest(10, 0), -1);
    EXPECT_EQ(normal.HitTest(449, 95), 5);
    EXPECT_EQ(normal.HitTest(500, 10), -1);

    TZuCardGroup& tight = Hand({ 2, 3, 4, EmptySlot, EmptySlot, 7 }, csTight);
    EXPECT_EQ(tight.HitTest(20, 50), 1);
    EXPECT_EQ(tight.HitTest(16, 50), -1);
    EXPECT_EQ(tight.HitTest(60, 50), 2) << "card 2 shows over the empty slots after it";
    EXPECT_EQ(tight.HitTest(100, 50), 5);
    EXPECT_EQ(tight.HitTest(151, 50), -1);

    TZuCardGroup none(&form);
    EXPECT_EQ(none.HitTest(10, 10), -1);
}

TEST_F(GroupTest, AReleaseOverASlotFiresTheClickWithTheGroupsDefaults)
{
    TZuCardGroup& group = Hand({ 2, 3, 4 });
    group.SetTablePlayPos(tpTop);
    std::vector<TClick> clicks;
    group.OnCardClick = [&](TZuCardGroup* sender, TZuSingleCard* card, int position, bool& playIt,
                            TZuTablePos& tablePos, bool& faceDown, Qt::MouseButton button) {
        EXPECT_EQ(sender, &group);
        EXPECT_FALSE(playIt);
        EXPECT_FALSE(faceDown);
        clicks.push_back({ position, card, tablePos, button });
    };
    Release(group, { 90, 40 }, Qt::RightButton);
    Release(group, { 73, 40 }); // between two cards: nothing
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].position, 1);
    EXPECT_EQ(clicks[0].card, group.CardAt(1));
    EXPECT_EQ(clicks[0].tablePos, tpTop);
    EXPECT_EQ(clicks[0].button, Qt::RightButton);
}

TEST_F(GroupTest, AClickOnAnEmptySlotFiresButNeverPlays)
{
    TZuCardGroup& group = Hand({ 2, EmptySlot, 4 });
    TFakeGroupTable table;
    group.SetTable(&table);
    std::vector<int> clicked;
    std::vector<int> afterPlay;
    group.OnCardClick = [&](TZuCardGroup*, TZuSingleCard* card, int position, bool& playIt,
                            TZuTablePos& tablePos, bool& faceDown, Qt::MouseButton) {
        clicked.push_back(position);
        EXPECT_EQ(card->Empty(), position == 1);
        playIt = true;
        tablePos = tpLeft;
        faceDown = true;
    };
    group.AfterPlay = [&](TZuCardGroup*, int position, TZuTablePos tablePos) {
        afterPlay.push_back(position);
        EXPECT_EQ(tablePos, tpLeft);
    };

    Release(group, { 90, 40 });
    EXPECT_EQ(clicked, std::vector<int> { 1 });
    EXPECT_TRUE(table.played.empty());

    Release(group, { 170, 40 });
    EXPECT_EQ(clicked, (std::vector<int> { 1, 2 }));
    EXPECT_EQ(table.played, std::vector<int> { 4 });
    EXPECT_EQ(table.playedBack, std::vector<bool> { true });
    EXPECT_EQ(table.playedFrom, std::vector<TZuCardGroup*> { &group });
    EXPECT_EQ(table.slot, 1) << "tpLeft is the table's place 1";
    EXPECT_EQ(afterPlay, std::vector<int> { 2 });
    EXPECT_TRUE(group.CardAt(2)->Empty());
}

TEST_F(GroupTest, AClickPlaysOnlyWithATableAndWhenTheHandlerSaysSo)
{
    TZuCardGroup& group = Hand({ 2, 3 });
    bool play = true;
    group.OnCardClick = [&](TZuCardGroup*, TZuSingleCard*, int, bool& playIt, TZuTablePos&, bool&,
                            Qt::MouseButton) { playIt = play; };
    Release(group, { 10, 40 });
    EXPECT_FALSE(group.CardAt(0)->Empty()) << "no table";

    TFakeGroupTable table;
    group.SetTable(&table);
    play = false;
    Release(group, { 10, 40 });
    EXPECT_TRUE(table.played.empty());
}

TEST_F(GroupTest, ReleasesAreIgnoredWhileTheAnimationLockIsHeld)
{
    TZuCardGroup& group = Hand({ 2, 3 });
    int clicks = 0;
    group.OnCardClick = [&](TZuCardGroup*, TZuSingleCard*, int, bool&, TZuTablePos&, bool&,
                            Qt::MouseButton) { ++clicks; };
    group.setCursor(Qt::WaitCursor);
    LockAnimation();
    Release(group, { 10, 40 });
    UnlockAnimation();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(group.cursor().shape(), Qt::WaitCursor) << "ignored entirely";

    Release(group, { 10, 40 });
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(group.cursor().shape(), Qt::ArrowCursor) << "a release resets the cursor";
}

TEST_F(GroupTest, TheCardCursorShowsOverNonEmptyCardsOnly)
{
    TZuCardGroup& group = Hand({ 2, EmptySlot, 4 });
    MoveTo(group, { 10, 40 });
    EXPECT_EQ(group.cursor().shape(), Qt::PointingHandCursor);
    MoveTo(group, { 73, 40 });
    EXPECT_EQ(group.cursor().shape(), Qt::PointingHandCursor) << "off all slots: unchanged";
    MoveTo(group, { 90, 40 });
    EXPECT_EQ(group.cursor().shape(), Qt::ArrowCursor);

    group.SetCardCursor(Qt::ArrowCursor); // off
    group.setCursor(Qt::CrossCursor);
    MoveTo(group, { 10, 40 });
    EXPECT_EQ(group.cursor().shape(), Qt::CrossCursor);
}
