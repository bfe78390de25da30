#include "tests/cards/table_fixture.h"

namespace {

// IDs: clubs 2..14, diamonds 15..27, spades 28..40, hearts 41..53 (two to ace).
constexpr int C5 = 5, C9 = 9, D7 = 20, S2 = 28, S9 = 35, H3 = 42, H10 = 49;

struct TRuleCase {
    const char* name;
    bool suitChecking, strict;
    TZuCardSuitType trump;
    int lead; // played first by another player; 0 for none
    std::vector<int> hand;
    int slot; // the card of the hand played
    bool accepted;
    bool suitExists; // the group still holds the led suit once the card is out
};

} // namespace

// Following suit and the trump lead, each through a real play: a refused card
// flies back and shows again in its own slot; an accepted one lies on the table.
TEST_F(TableTest, SuitAndTrumpRulesRefuseCardsWhichComeBackToTheirSlot)
{
    const TRuleCase cases[] = {
        { "no checking: anything goes", false, false, stSpade, H3, { C5, H10 }, 0, true, false },
        { "must follow suit", true, false, stJoker, H3, { C5, H10 }, 0, false, true },
        { "following suit", true, false, stJoker, H3, { C5, H10 }, 1, true, false },
        { "cannot follow: any card", true, false, stJoker, H3, { C5, D7 }, 0, true, false },
        { "trump lead, not strict", true, false, stSpade, 0, { S2, C5 }, 0, true, false },
        { "no trump lead before trumps", true, true, stSpade, 0, { S2, C5 }, 0, false, false },
        { "only trumps may lead", true, true, stSpade, 0, { S2, S9 }, 0, true, true },
        { "no trump: jokers lead", true, true, stJoker, 0, { ZuRedJokerID, C5 }, 0, true, false },
    };
    // One handler for all cases: a handler capturing a local of one case
    // would be called by the next case's lead after that local is gone.
    bool suitExists = false;
    table->BeforeAddCard
        = [&](TZuCardTable*, TZuSingleCard*, bool exists, bool&) { suitExists = exists; };
    for (const TRuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        table->GameOptions().SetSuitChecking(c.suitChecking);
        table->GameOptions().SetStrictSuitChecking(c.strict);
        table->GameOptions().SetTrump(c.trump);
        table->GameOptions().SetTakeDelay(5);
        table->ClearTable(true);
        TZuCardGroup& leader = Player({ c.lead ? c.lead : C9 });
        TZuCardGroup& group = Player(c.hand);
        group.SetSprite(new TZuSprite(&form));
        table->SetSprite(group.Sprite());
        if (c.lead) leader.PlayCard(0, false, tpTop);
        const int played = table->PlayedCount();
        suitExists = false;
        const int id = group.CardAt(c.slot)->ID();
        EXPECT_EQ(table->CardAllowed(*group.CardAt(c.slot), &group), c.accepted);
        group.PlayCard(c.slot, false, tpBottom);
        EXPECT_EQ(table->PlayedCount(), played + (c.accepted ? 1 : 0));
        EXPECT_EQ(group.CardAt(c.slot)->Empty(), c.accepted);
        EXPECT_EQ(group.CardAt(c.slot)->ID(), id);
        EXPECT_EQ(table->CardAtPlace(0)->Empty(), !c.accepted);
        EXPECT_FALSE(group.Sprite()->Visible());
        EXPECT_EQ(suitExists, c.suitExists);
        if (!c.suitChecking) {
            EXPECT_EQ(table->LedSuit(), stJoker);
        }
        table->PlayerList().Clear();
        delete &leader;
        delete &group;
    }
}

// Four computers with AutoPlay play two tricks of CardsPerTrick 4 from one
// Play: the turn goes round the player list and wraps to 0; each trick fires
// one event, the last one AfterPartyFinish once the dealt cards are all out.
TEST_F(TableTest, AutoPlayedTricksGoRoundThePlayersAndEndThePartyWithTheLastCard)
{
    std::vector<TZuCardGroup*> players;
    Log log;
    for (int seat = 0; seat < 4; ++seat) {
        players.push_back(&Player({ 2 + seat, 20 + seat }));
        players.back()->BeforePlay = [&log, seat](TZuCardGroup*, int&, TZuTablePos&, bool&) {
            log.push_back("seat " + std::to_string(seat));
        };
    }
    table->GameOptions().SetCardsPerTrick(4);
    table->GameOptions().SetAutoPlay(true);
    table->AfterTrickFinish = [&](TZuCardTable* sender) {
        log.push_back("trick, next " + std::to_string(sender->NextPlayer()));
        sender->ClearTable(false);
    };
    table->AfterPartyFinish = [&](TZuCardTable* sender) {
        log.push_back("party, next " + std::to_string(sender->NextPlayer()));
    };
    table->DealingFinished();
    EXPECT_EQ(table->CardsToPlay(), 8);
    players[0]->Play();
    EXPECT_EQ(log,
        (Log { "seat 0", "seat 1", "seat 2", "seat 3", "trick, next 0", "seat 0", "seat 1",
            "seat 2", "seat 3", "party, next 0", "seat 0" }))
        << "after the party the first player finds nothing left to play";
    EXPECT_EQ(table->PlayedCount(), 4);
    EXPECT_EQ(table->CardsToPlay(), 0);

    // Without a deal counted, every trick ends the party; the fifth player's
    // card moves the turn on to the second.
    table->GameOptions().SetAutoPlay(false);
    table->ClearTable(false);
    log.clear();
    table->GameOptions().SetCardsPerTrick(1);
    Player({ 7 }).PlayCard(0, false, tpAuto);
    EXPECT_EQ(log, Log { "party, next 1" });
}

// A trick or party handler that shortens the player list under the next
// player: with AutoPlay the turn wraps to the first player, who plays on.
TEST_F(TableTest, AutoPlayWrapsWhenAHandlerShortensThePlayerList)
{
    for (const bool trick : { false, true }) { // no cards dealt yet: every trick ends the party
        SCOPED_TRACE(trick ? "AfterTrickFinish" : "AfterPartyFinish");
        table->ClearTable(false);
        table->PlayerList().Clear();
        TZuCardGroup& first = Player({ 2, 3 });
        Player({ 20 });
        Player({ 30 });
        table->GameOptions().SetAutoPlay(true);
        table->GameOptions().SetCardsPerTrick(1);
        if (trick) table->DealingFinished();
        int finished = 0;
        const TZuTableNotifyEvent shorten = [&](TZuCardTable* sender) {
            if (++finished == 1) {
                sender->PlayerList().Delete(2);
                sender->PlayerList().Delete(1);
            }
        };
        table->AfterTrickFinish = trick ? shorten : nullptr;
        table->AfterPartyFinish = trick ? nullptr : shorten;
        first.Play();
        EXPECT_EQ(finished, 2);
        EXPECT_EQ(table->NextPlayer(), 0);
        EXPECT_EQ(table->PlayedCount(), 2) << "the first player played both cards";
        EXPECT_EQ(first.NonEmptyCount(), 0);
    }
    table->AfterTrickFinish = nullptr;
    table->AfterPartyFinish = nullptr;
    table->GameOptions().SetAutoPlay(false);
}

// Once a trump has gone onto other cards, trumps may lead; a trump that only
// leads, or one refused by the handler, does not count as played.
TEST_F(TableTest, TrumpsCountAsPlayedOnlyWhenTheyGoDownOntoOtherCards)
{
    table->GameOptions().SetSuitChecking(true);
    table->GameOptions().SetStrictSuitChecking(true);
    table->GameOptions().SetTrump(stHeart);
    TZuCardGroup& leader = Player({ C5, C9 });
    TZuCardGroup& ruffer = Player({ H3, H10, D7 });
    bool refuse = true;
    table->BeforeAddCard = [&](TZuCardTable*, TZuSingleCard*, bool, bool& accept) {
        if (refuse) accept = false;
    };
    leader.PlayCard(0, false, tpAuto);
    EXPECT_EQ(table->PlayedCount(), 0) << "the handler refused the lead";
    refuse = false;
    leader.PlayCard(0, false, tpAuto);
    ruffer.PlayCard(0, false, tpAuto); // no clubs: the trump goes on
    EXPECT_TRUE(table->TrumpPlayed());
    EXPECT_EQ(table->LedSuit(), stClub);
    table->ClearTable(false);
    ruffer.PlayCard(1, false, tpAuto);
    EXPECT_EQ(table->PlayedCount(), 1) << "trumps may lead now";
    EXPECT_EQ(table->LedSuit(), stHeart);

    table->ClearTable(true); // a new hand
    EXPECT_FALSE(table->TrumpPlayed());
}
