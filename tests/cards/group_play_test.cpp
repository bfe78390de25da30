#include "tests/cards/group_fixture.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

#include <set>

namespace {

void Mouse(TZuCardGroup& group, QPoint at, QEvent::Type type = QEvent::MouseButtonRelease,
    Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent event(type, at, group.mapToGlobal(at), button, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&group, &event);
}

} // namespace

// The card cursor shows over non-empty cards only, and off all slots (73) the
// cursor does not change. A release over a slot fires the click with the
// group's defaults, even over an empty slot; only a non-empty card the
// handler chose is played.
TEST_F(GroupTest, TheCursorAndClicksFollowTheSlotsAndAnEmptySlotIsNeverPlayed)
{
    TZuCardGroup& group = Hand({ 2, E, 4 });
    const std::pair<QPoint, Qt::CursorShape> moves[] = { { { 10, 40 }, Qt::PointingHandCursor },
        { { 73, 40 }, Qt::PointingHandCursor }, { { 90, 40 }, Qt::ArrowCursor } };
    for (const auto& [at, shape] : moves) {
        Mouse(group, at, QEvent::MouseMove, Qt::NoButton);
        EXPECT_EQ(group.cursor().shape(), shape) << at.x();
    }
    group.SetCardCursor(Qt::ArrowCursor); // off
    group.setCursor(Qt::CrossCursor);
    Mouse(group, { 10, 40 }, QEvent::MouseMove, Qt::NoButton);
    EXPECT_EQ(group.cursor().shape(), Qt::CrossCursor);

    group.SetTablePlayPos(tpTop);
    TFakeGroupTable table;
    group.SetTable(&table);
    Log& log = table.log;
    bool play = true;
    group.OnCardClick = [&](TZuCardGroup* sender, TZuSingleCard* card, int position, bool& playIt,
                            TZuTablePos& tablePos, bool& faceDown, Qt::MouseButton button) {
        EXPECT_EQ(sender, &group);
        EXPECT_EQ(card, group.CardAt(position));
        EXPECT_FALSE(playIt);
        EXPECT_FALSE(faceDown);
        EXPECT_EQ(tablePos, tpTop);
        log.push_back("click " + std::to_string(position) + " button " + std::to_string(button));
        playIt = play;
        tablePos = tpLeft;
        faceDown = true;
    };
    group.AfterPlay = [&](TZuCardGroup*, int position, TZuTablePos tablePos) {
        log.push_back("play " + std::to_string(position) + " to " + std::to_string(tablePos));
    };

    Mouse(group, { 90, 40 }, QEvent::MouseButtonRelease, Qt::RightButton); // the empty slot
    Mouse(group, { 73, 40 }); // between two cards: nothing
    play = false;
    Mouse(group, { 10, 40 });
    play = true;
    Mouse(group, { 170, 40 });
    EXPECT_EQ(log,
        (Log { "click 1 button 2", "click 0 button 1", "click 2 button 1", "play 2 to 2",
            "table 4 back from a group" }));
    EXPECT_EQ(table.slot, 1) << "tpLeft is the table's place 1";
}

// A computer plays a random non-empty slot unless BeforePlay chooses another;
// a human's or network player's turn ends quietly after BeforePlay.
TEST_F(GroupTest, PlayAsksBeforePlayAndOnlyAComputerPlays)
{
    TZuCardGroup& group = Hand({ E, 20, E, 30 });
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
    for (int turn = 0; turn < 3; ++turn)
        EXPECT_EQ(group.Play(), prFinished);
    EXPECT_EQ(std::set<int>(offered.begin(), offered.end() - 1), (std::set<int> { 1, 3 }))
        << "the second turn finds only the other card";
    EXPECT_EQ(offered.back(), -1) << "nothing left to play";
    EXPECT_EQ(table.log.size(), 2u);
    EXPECT_EQ(table.slot, 3);

    TZuCardGroup& chosen = Hand({ 20, 30, 40 });
    chosen.SetTable(&table);
    Log& log = table.log;
    log.clear();
    int choice = 2;
    chosen.BeforePlay = [&](TZuCardGroup*, int& position, TZuTablePos& tablePos, bool& faceDown) {
        log.push_back("before");
        position = choice;
        tablePos = tpTop;
        faceDown = true;
    };
    chosen.OnCardEmptyChange = [&](TZuCustomCardControl*, TZuSingleCard* card) {
        log.push_back("empty " + std::to_string(card->Index()));
    };
    chosen.AfterPlay = [&](TZuCardGroup* sender, int position, TZuTablePos tablePos) {
        EXPECT_EQ(sender, &chosen);
        log.push_back("after " + std::to_string(position) + " " + std::to_string(tablePos));
    };
    chosen.Play();
    EXPECT_EQ(log, (Log { "before", "empty 2", "after 2 3", "table 40 back from a group" }));
    EXPECT_EQ(table.slot, 2);

    choice = 0; // a human's or network player's move is made elsewhere
    for (TZuController controller : { ctHuman, ctNetwork }) {
        chosen.SetController(controller);
        log.clear();
        EXPECT_EQ(chosen.Play(), prAborted) << controller;
        EXPECT_EQ(log, Log { "before" }) << controller;
    }
}

// A computer's pause holds the animation lock while messages flow; a release
// meanwhile is ignored entirely, even by the cursor.
TEST_F(GroupTest, AComputersPlayDelayHoldsTheLockAndReleasesAreIgnoredMeanwhile)
{
    TZuCardGroup& group = Hand({ 20, 30 });
    TFakeGroupTable table;
    group.SetTable(&table);
    group.SetPlayDelay(30);
    group.SetPlayDelay(-5); // ignored
    int clicks = 0;
    group.OnCardClick = [&clicks](TZuCardGroup*, TZuSingleCard*, int, bool&, TZuTablePos&, bool&,
                            Qt::MouseButton) { ++clicks; };
    group.setCursor(Qt::WaitCursor);
    bool lockedMeanwhile = false;
    QTimer::singleShot(0, &group, [&] {
        lockedMeanwhile = AnimationLocked();
        Mouse(group, { 10, 40 });
    });
    group.PlayCard(1, false, tpAuto);
    EXPECT_TRUE(lockedMeanwhile);
    EXPECT_FALSE(AnimationLocked());
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(group.cursor().shape(), Qt::WaitCursor);
    Mouse(group, { 10, 40 });
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(group.cursor().shape(), Qt::ArrowCursor) << "a release resets the cursor";

    group.SetController(ctHuman); // only a computer waits
    bool humanLocked = false;
    QTimer::singleShot(0, &group, [&] { humanLocked = AnimationLocked(); });
    group.PlayCard(0, false, tpAuto);
    QCoreApplication::processEvents();
    EXPECT_FALSE(humanLocked);
    EXPECT_EQ(table.log, (Log { "table 30 from a group", "table 20 from a group" }));
}
