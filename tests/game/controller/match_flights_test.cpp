// Card flights on real card groups: whatever a flight is doing, every card is
// in exactly one place, counted from the groups' widgets, the taken lists,
// the deck and the cards in the air; and "Nova", closing and the pause land
// every card where the state has it, also the table's last cards on their way
// to the hand's last taker.
#include "tests/game/controller/match_fixture.h"
#include "tests/support/run_until.h"

#include "cards/sprite/zugraphics_sprite.h"

#include <QElapsedTimer>

namespace {

class TCountingStage : public TZuSpriteStage {
public:
    void ShowFrames(const std::vector<TZuFlightFrame>& frames) override
    {
        most = std::max(most, frames.size());
    }
    std::size_t most = 0;
};

class FlightsTest : public MatchTest {
protected:
    FlightsTest()
        : MatchTest(0, 0)
    {
        sprite = new TZuSprite(&form);
        sprite->SetStage(&stage);
        sprite->SetFlightTime(1);
        for (TZuCardGroup* group : { controls.PlayerS, controls.PlayerW, controls.PlayerN,
                 controls.PlayerE, controls.Talon1, controls.Talon2 })
            group->SetSprite(sprite);
        form.show();
        controller->OnCardLanded = [this] {
            ++landings;
            ExpectEveryCardOnce();
            takenAtLanding = 0;
            for (int seat = SeatS; seat <= SeatE; ++seat)
                takenAtLanding += controller->Seat(seat)->TakenCount();
        };
        // Before the end of a hand shows, the table's last cards have flown
        // to their taker: no later display put them there.
        controller->OnMatchEvent = [this](const TMatchEvent& event) {
            if (event.kind != TMatchEventKind::HandEnded) return;
            ++handEnds;
            ExpectLanded();
            int taken = 0;
            for (const std::vector<int>& list : controller->State().taken)
                taken += int(list.size());
            EXPECT_EQ(takenAtLanding, taken) << "the rest of the table did not fly";
        };
    }

    // The groups' widgets, the taken lists, the deck and the air hold each
    // of the deck's cards once.
    void ExpectEveryCardOnce()
    {
        std::map<int, int> seen;
        for (TZuCardGroup* group : { controls.PlayerS, controls.PlayerW, controls.PlayerN,
                 controls.PlayerE, controls.Talon1, controls.Talon2 }) {
            for (int slot = 0; slot < group->SlotCount(); ++slot)
                if (!group->CardAt(slot)->Empty()) ++seen[group->CardAt(slot)->ID()];
            for (int i = 0; i < group->TakenCount(); ++i)
                ++seen[group->TakenID(i)];
        }
        for (int id : controls.Deck->Remaining())
            ++seen[id];
        int counted = 0;
        for (const auto& [id, times] : seen) {
            ASSERT_EQ(times, 1) << "card " << id << " is in " << times << " places";
            ++counted;
        }
        ASSERT_EQ(counted + controller->FlightsUp(), 52) << "a card is lost";
    }

    void WaitDown()
    {
        QElapsedTimer timer;
        timer.start();
        while ((controller->Busy() || controller->FlightsUp() > 0) && timer.elapsed() < 20000)
            ServeEventsOnce();
        ASSERT_FALSE(controller->Busy() || controller->FlightsUp() > 0) << "cards still fly";
    }

    // Every card shows where the state has it and nothing is in the air.
    void ExpectLanded()
    {
        EXPECT_EQ(controller->FlightsUp(), 0);
        EXPECT_EQ(sprite->FlightsInAir(), 0);
        ExpectGroupsShowState();
        for (int seat = SeatS; seat <= SeatE; ++seat)
            EXPECT_EQ(
                controller->Seat(seat)->TakenCount(), int(controller->State().taken[seat].size()));
        ExpectEveryCardOnce();
    }

    // Starts a match and plays until a move of the human's is in the air.
    void HumanMoveInTheAir()
    {
        controller->Start();
        controller->NewGame(false);
        WaitDown();
        HumanOnTurn();
        WaitDown();
        HumanMove();
        ASSERT_GT(controller->FlightsUp(), 0);
    }

    // Plays with flights that never land by themselves until the table's
    // last cards of a hand are in the air.
    void RestInTheAir()
    {
        sprite->SetFlightTime(600000);
        // Bounded by time, not by steps: the worker runs at a lower priority
        // than this loop, and on a loaded machine it gets the processor late.
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 60000) {
            ServeEventsOnce();
            // With cards in the air the worker waits for them: the state holds.
            if (controller->FlightsUp() > 0) {
                if (controller->State().HandsPlayed > handEnds) return;
                controller->LandFlights();
            } else if (view.startEnabled) {
                controller->StartMatch();
            } else if (!controller->Busy() && !controller->GameOver()
                && controller->State().CurrentPlayer == SeatS) {
                HumanMove();
            }
        }
        FAIL() << "no hand ended with cards on the table";
    }

    TZuSprite* sprite = nullptr;
    TCountingStage stage;
    int landings = 0;
    int takenAtLanding = 0;
    // In the match under way.
    int handEnds = 0;
};

TEST_F(FlightsTest, AWholeMatchKeepsEveryCardInOnePlaceAfterEachFlight)
{
    controller->Start();
    for (int moves = 0; !controller->GameOver() && moves < 400; ++moves) {
        if (view.startEnabled)
            controller->StartMatch();
        else if (controller->State().CurrentPlayer == SeatS)
            HumanMove();
        WaitDown();
        ASSERT_FALSE(HasFailure());
        // Once the match is over its cards have left the table for good.
        if (!controller->GameOver()) ExpectLanded();
    }
    ASSERT_TRUE(controller->GameOver());
    // Deals, moves and sweeps flew; a deal and a sweep fly several at once.
    EXPECT_GT(landings, 100);
    EXPECT_GT(stage.most, 1u);
    EXPECT_EQ(view.handEnds, int(controller->State().HandsPlayed));
    EXPECT_EQ(handEnds, view.handEnds);
}

TEST_F(FlightsTest, NovaClosingAndThePauseLandEveryCardAtOnce)
{
    HumanMoveInTheAir();
    controller->TogglePause();
    ExpectLanded();
    controller->TogglePause();
    WaitDown();

    HumanOnTurn();
    HumanMove();
    ASSERT_GT(controller->FlightsUp(), 0);
    controller->NewGame(false);
    // The new match's deal flies; its cards are counted in the air.
    ExpectEveryCardOnce();
    controller->LandFlights();
    ExpectLanded();

    WaitDown();
    HumanOnTurn();
    HumanMove();
    ASSERT_GT(controller->FlightsUp(), 0);
    controller->Shutdown();
    ExpectLanded();
}

TEST_F(FlightsTest, ThePauseNovaAndClosingLandTheTablesLastCardsAtOnce)
{
    controller->Start();
    handEnds = 0;
    RestInTheAir();
    ASSERT_FALSE(HasFailure());
    // The cards land in the taker's list, before the hand's end shows.
    controller->TogglePause();
    ExpectLanded();
    EXPECT_TRUE(controller->Paused());
    controller->TogglePause();

    RestInTheAir();
    ASSERT_FALSE(HasFailure());
    controller->NewGame(false);
    controller->LandFlights();
    handEnds = 0;
    ExpectLanded();

    RestInTheAir();
    ASSERT_FALSE(HasFailure());
    controller->Shutdown();
    ExpectLanded();
}

} // namespace
