#include "tests/cards/group_fixture.h"

#include <QLabel>

TEST_F(GroupTest, ListChangesFireTheirEventsExceptWhileLoadingOrDestroying)
{
    Log log;
    auto* group = new TZuCardGroup(&form);
    group->AfterAddCard = [&log](TZuCardGroup*, TZuSingleCard* card) {
        log.push_back("add " + std::to_string(card->Index()));
    };
    group->AfterDeleteCard = [&log](TZuCardGroup*) { log.push_back("delete"); };
    group->AfterUpdate = [&log](TZuCardGroup*) { log.push_back("update"); };
    group->CardList().Add();
    group->CardList().Add();
    group->CardList().Delete(0);
    group->CardList().Delete(7); // out of range: nothing
    EXPECT_EQ(group->CardAt(0)->Index(), 0) << "the remaining slot moved up";
    log.push_back("|");

    group->BeginLoad(); // only deletes fire while loading
    group->CardList().Add();
    group->CardList().Delete(1);
    group->Loaded();
    log.push_back("|");

    group->CardList().Add();
    group->CardList().Clear();
    EXPECT_EQ(log,
        (Log { "add 0", "update", "add 1", "update", "delete", "update", "|", "delete", "|",
            "add 1", "update", "delete", "delete", "update" }));

    group->CardList().Add();
    log.clear();
    delete group;
    EXPECT_TRUE(log.empty()) << "destroying the group fires nothing";

    TZuCardGroup& autoEmpty = Hand({ 2, 3 });
    autoEmpty.SetAutoEmpty(true);
    autoEmpty.BeginLoad();
    autoEmpty.Loaded();
    EXPECT_EQ(autoEmpty.NonEmptyCount(), 0) << "loading with AutoEmpty empties every card";
}

// Taken cards are scored from the table's point list; the score, the name and
// the dealer mark go to their labels (name|score|dealer in the log), and
// linking a label fills it at once.
TEST_F(GroupTest, TakenCardsScoreAndTheLabelsFollow)
{
    TZuCardGroup& group = Hand({});
    Log log;
    group.AfterScoreChange = [&](TZuCardGroup*) { log.push_back("score"); };
    group.AfterCardTake = [&](TZuCardGroup*) { log.push_back("take"); };
    group.OnDealerChange = [&](TZuCardGroup*) { log.push_back("dealer"); };
    QLabel name(&form), score("old", &form);
    auto* dealer = new QLabel("x", &form);
    const auto labels = [&] {
        log.push_back((name.text() + "|" + score.text() + "|" + dealer->text()).toStdString());
    };
    group.SetPlayerName("Zapad");
    group.SetPlayerNameLabel(&name);
    group.SetScoreLabel(&score);
    group.SetDealerLabel(dealer);
    labels();

    group.TakeCards({ 10, 14 }); // without a table a card is worth nothing
    TFakeGroupTable table;
    table.points = { { 10, 2 }, { 14, 1 } };
    group.SetTable(&table);
    group.TakeCards({ 10, 3, 14 });
    group.SetScore(3); // unchanged: nothing
    group.SetPlayerName("Sever");
    group.SetDealer(true);
    labels();
    group.SetDealer(true); // every assignment fires
    group.SetDealer(false);
    labels();
    EXPECT_EQ(log,
        (Log { "Zapad|0|", "take", "score", "take", "dealer", "Sever|3|Dealer", "dealer", "dealer",
            "Sever|3|" }));
    EXPECT_EQ(group.TakenCount(), 5);
    EXPECT_EQ(group.TakenID(4), 14);
    EXPECT_EQ(group.TakenID(5), -1);

    delete dealer;
    EXPECT_EQ(group.DealerLabel(), nullptr) << "a removed label is forgotten";
    group.SetDealer(true);
}

// The cards report their changes through the group's card events; the
// group's back, face-down flag, table and sprite reach every card, new ones too.
TEST_F(GroupTest, CardsFireTheGroupsEventsAndTakeItsLinksAndDefaults)
{
    TZuCardGroup& group = Hand({ 2, 3 });
    Log log;
    const auto record = [&](const char* what) {
        return [&log, &group, what](TZuCustomCardControl* sender, TZuSingleCard* card) {
            EXPECT_EQ(sender, &group);
            log.push_back(what + std::to_string(card->Index()));
        };
    };
    group.OnCardBackChange = record("back ");
    group.OnCardShowBackChange = record("showback ");
    group.OnCardIDChange = record("id ");
    group.OnCardEmptyChange = record("empty ");
    group.SetCardBack(cbRobot);
    group.SetShowBack(true);
    group.CardAt(0)->SetID(20);
    group.CardAt(1)->SetEmpty(true);
    group.EmptyAll();
    EXPECT_EQ(log,
        (Log { "back 0", "back 1", "showback 0", "showback 1", "id 0", "empty 1", "empty 0" }));

    auto* table = new TFakeGroupTable;
    group.SetTable(table);
    auto* sprite = new TZuSprite(&form);
    group.SetSprite(sprite);
    group.CardList().Add();
    for (int i = 0; i < 3; ++i) {
        const TZuSingleCard& card = *group.CardAt(i);
        EXPECT_EQ(card.CardBack(), cbRobot) << i;
        EXPECT_TRUE(card.ShowBack()) << i;
        EXPECT_EQ(card.Table(), table) << i;
        EXPECT_EQ(card.Sprite(), sprite) << i;
    }
    EXPECT_EQ(group.CardAt(2)->ID(), 14) << "a new slot holds the ace of clubs";

    delete table;
    delete sprite;
    EXPECT_EQ(group.Table(), nullptr) << "a table or sprite that goes away is forgotten";
    EXPECT_EQ(group.CardAt(0)->Table(), nullptr);
    EXPECT_EQ(group.Sprite(), nullptr);
    EXPECT_EQ(group.CardAt(0)->Sprite(), nullptr);
}

// Slots added while loading are drawn once by Loaded: the group ends with the
// same picture, size and slot bounds as one filled slot by slot, and nothing
// is drawn before Loaded. (A sorting group sorts whenever its last slot shows
// a card, so only empty slots are added to one, as the captured-cards rows are.)
TEST_F(GroupTest, LoadingDrawsOnceAndEndsAsAddingSlotBySlot)
{
    struct TCase {
        TZuCascadeStyle style;
        TZuCascadeSide side;
        TZuSortStyle sort;
        std::vector<int> ids;
    };
    for (const TCase& c : { TCase { csTight, csRight, soNone, { 40, 2, 15, E, 27 } },
             TCase { csLoose, csDown, soNone, { 5, E, E, 9, 30 } },
             TCase { csNormal, csRight, soNone, { 50, 3, 33 } },
             TCase { csTight, csRight, soValue, std::vector<int>(26, E) },
             TCase { csTight, csRight, soNone, {} } }) {
        SCOPED_TRACE(int(c.style) * 10 + int(c.side));
        TZuCardGroup* groups[2] {};
        for (bool load : { false, true }) {
            auto* group = new TZuCardGroup(&form);
            group->SetShowBack(false);
            group->SetCascadeStyle(c.style);
            group->SetCascadeSide(c.side);
            group->SetSortStyle(c.sort);
            group->SetAutoSize(true);
            group->show();
            if (load) group->BeginLoad();
            const QImage before = group->Bitmap();
            for (int id : c.ids) {
                TZuSingleCard& card = group->CardList().Add().Card();
                card.SetEmpty(id == E);
                if (id != E) card.SetID(id);
            }
            if (load) {
                EXPECT_EQ(group->Bitmap(), before) << "drawn while loading";
                group->Loaded();
            }
            groups[load] = group;
        }
        EXPECT_EQ(IDs(*groups[1]), IDs(*groups[0]));
        EXPECT_EQ(groups[1]->size(), groups[0]->size());
        EXPECT_EQ(groups[1]->Bitmap(), groups[0]->Bitmap());
        for (int i = 0; i < groups[0]->SlotCount(); ++i)
            EXPECT_EQ(Shown(*groups[1], i), Shown(*groups[0], i)) << "slot " << i;
    }
}
