// The hint through the controller: its marks are "Majstor"'s choice made as
// clicks make them, it plays nothing, and the human can follow it to the end.
#include "tests/game/controller/match_fixture.h"
#include "tests/support/run_until.h"

#include "game/computer/search_player.h"
#include "game/computer/seat_knowledge.h"

#include <functional>

namespace {

class HintTest : public MatchTest {
protected:
    HintTest()
        : MatchTest(kTwoPlayers)
    {
    }

    // The table slots marked on the card groups, in table order.
    std::vector<TTableSlot> MarkedSlots() const
    {
        std::vector<TTableSlot> marked;
        for (const TTableSlot& place : TableSlots(controller->State())) {
            TZuCardGroup* row = place.row == 0 ? controls.Talon1 : controls.Talon2;
            if (row->CardAt(place.slot)->Negative()) marked.push_back(place);
        }
        return marked;
    }

    // Hand cards drawn as marked: the hint picks its card out another way.
    int InvertedHandCards() const
    {
        int count = 0;
        for (int slot = 0; slot < kHandSlots; ++slot)
            count += controls.PlayerS->CardAt(slot)->Negative();
        return count;
    }

    // Serves the event loop until every dropped search has returned, and
    // then once more for anything it might have posted.
    void ServeUntilHintStopped()
    {
        QElapsedTimer timer;
        timer.start();
        while (controller->HintStopping() && timer.elapsed() < 20000)
            ServeEventsOnce();
        ASSERT_FALSE(controller->HintStopping()) << "a dropped search did not stop";
        QCoreApplication::processEvents();
    }

    // Asks for a hint and checks it against "Majstor"'s own choice.
    void ExpectHintIsMastersChoice()
    {
        const TMatchState before = controller->State();
        const TComputerChoice want = SearchMove(before, SeatS).choice;
        ASSERT_TRUE(controller->ShowHint());
        // The GUI thread is back before the move has been found.
        EXPECT_TRUE(controller->HintSearching());
        EXPECT_EQ(controller->HintSlot(), -1);
        WaitForHint();
        std::vector<TTableSlot> wantMarked;
        for (int position : want.tablePositions)
            wantMarked.push_back(TableSlots(before).at(position));
        EXPECT_EQ(MarkedSlots(), wantMarked);
        EXPECT_EQ(controller->Selection().Count(), int(wantMarked.size()));
        EXPECT_EQ(controller->HintSlot(), want.handSlot);
        EXPECT_EQ(view.hintCard, want.handSlot);
        EXPECT_EQ(InvertedHandCards(), 0);
        // Nothing was played.
        EXPECT_EQ(controller->State().hands, before.hands);
        EXPECT_EQ(controller->State().table, before.table);
        EXPECT_EQ(controller->State().MovesMade, before.MovesMade);
        EXPECT_FALSE(controller->Busy());
    }
};

TEST_F(HintTest, FollowingEveryHintPlaysAWholeMatch)
{
    controller->Start();
    EXPECT_EQ(controller->HintAvailable(), !view.startEnabled);
    int captures = 0, layDowns = 0;
    for (int turn = 0; !controller->GameOver() && turn < 400; ++turn) {
        if (view.startEnabled) {
            EXPECT_FALSE(controller->ShowHint()) << "the match has not begun";
            controller->StartMatch();
        } else {
            ExpectHintIsMastersChoice();
            (controller->Selection().Count() > 0 ? captures : layDowns)++;
            const int moves = controller->State().MovesMade;
            ClickHand(controller->HintSlot()); // the hint is a move the rules accept
            ASSERT_GT(controller->State().MovesMade, moves) << "turn " << turn;
            EXPECT_EQ(controller->HintSlot(), -1);
        }
        WaitIdle();
        EXPECT_EQ(view.hintCard, -1);
        ASSERT_TRUE(CardsConserved(controller->State()));
    }
    ASSERT_TRUE(controller->GameOver());
    EXPECT_FALSE(controller->HintAvailable());
    EXPECT_FALSE(controller->ShowHint());
    EXPECT_GT(captures, 0);
    EXPECT_GT(layDowns, 0);
}

TEST_F(HintTest, TheNextClickEndsTheHighlightAndTheMarksStayTheHumans)
{
    controller->Start();
    HumanOnTurn();
    // A hint replaces the human's own marks.
    ClickTable(TableSlots(controller->State()).front());
    ExpectHintIsMastersChoice();
    ExpectHintIsMastersChoice(); // asked twice: still one highlight, the same marks
    const std::vector<TTableSlot> marked = MarkedSlots();
    // A click on a table card changes the marks as ever and ends the highlight.
    const TTableSlot first = TableSlots(controller->State()).front();
    ClickTable(first);
    EXPECT_EQ(view.hintCard, -1);
    EXPECT_EQ(controller->HintSlot(), -1);
    const bool wasMarked = std::find(marked.begin(), marked.end(), first) != marked.end();
    EXPECT_EQ(int(MarkedSlots().size()), int(marked.size()) + (wasMarked ? -1 : 1));
    EXPECT_EQ(controller->Selection().Count(), int(MarkedSlots().size()));
    // The right button clears marks and a new hint's highlight alike.
    ExpectHintIsMastersChoice();
    controller->FormMouseDown(Qt::RightButton);
    EXPECT_EQ(view.hintCard, -1);
    EXPECT_TRUE(MarkedSlots().empty());
}

// Every input the player can give drops a search under way at once, and
// nothing of it shows later; a second "Savet" shows its own move, once.
TEST_F(HintTest, EveryInputDropsASearchUnderWay)
{
    int shown = 0;
    controller->OnMatchEvent
        = [&shown](const TMatchEvent& event) { shown += event.kind == TMatchEventKind::HintShown; };
    const std::vector<std::pair<const char*, std::function<void()>>> inputs = {
        { "hand card",
            [this] { ClickHand(controller->State().hands[SeatS][0] != kNoCard ? 0 : 1); } },
        { "table card", [this] { ClickTable(TableSlots(controller->State()).front()); } },
        { "right button", [this] { controller->FormMouseDown(Qt::RightButton); } },
        { "left button", [this] { controller->FormMouseDown(Qt::LeftButton); } },
        { "a key", [this] { controller->FormKeyPress('x'); } },
        { "the pause key", [this] { controller->FormKeyPress('p'); } },
        { "pause", [this] { controller->TogglePause(); } },
        { "Nova", [this] { controller->NewGame(false); } },
        { "closing", [this] { controller->Shutdown(); } },
    };
    controller->Start();
    for (const auto& [what, input] : inputs) {
        SCOPED_TRACE(what);
        HumanOnTurn();
        ClickTable(TableSlots(controller->State()).back()); // a mark of the human's
        ASSERT_TRUE(controller->ShowHint());
        input();
        EXPECT_FALSE(controller->HintSearching());
        ServeUntilHintStopped();
        WaitIdle();
        EXPECT_EQ(shown, 0);
        EXPECT_EQ(controller->HintSlot(), -1);
        EXPECT_EQ(view.hintCard, -1);
    }

    // The window opens again; "Savet" twice over: the second search's move.
    controller = std::make_unique<TMatchController>(controls, settings, log, view);
    controller->OnMatchEvent
        = [&shown](const TMatchEvent& event) { shown += event.kind == TMatchEventKind::HintShown; };
    controller->Start();
    HumanOnTurn();
    ASSERT_TRUE(controller->ShowHint());
    ExpectHintIsMastersChoice();
    ServeUntilHintStopped();
    EXPECT_EQ(shown, 1);
}

} // namespace
