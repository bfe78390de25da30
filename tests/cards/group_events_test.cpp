#include "tests/cards/group_fixture.h"

#include <QLabel>

using Log = std::vector<std::string>;

namespace {

void Record(TZuCardGroup& group, Log& log)
{
    group.AfterAddCard = [&log](TZuCardGroup*, TZuSingleCard* card) {
        log.push_back("add " + std::to_string(card->Index()));
    };
    group.AfterDeleteCard = [&log](TZuCardGroup*) { log.push_back("delete"); };
    group.AfterUpdate = [&log](TZuCardGroup*) { log.push_back("update"); };
}

} // namespace

TEST_F(GroupTest, ListChangesFireTheirEventsExceptWhileLoadingOrDestroying)
{
    Log log;
    auto* group = new TZuCardGroup(&form);
    Record(*group, log);
    group->CardList().Add();
    group->CardList().Add();
    group->CardList().Delete(0);
    group->CardList().Delete(7); // out of range: nothing
    EXPECT_EQ(log, (Log { "add 0", "update", "add 1", "update", "delete", "update" }));
    EXPECT_EQ(group->CardAt(0)->Index(), 0) << "the remaining slot moved up";

    log.clear();
    group->BeginLoad();
    group->CardList().Add();
    group->CardList().Delete(1);
    EXPECT_EQ(log, Log { "delete" }) << "only deletes fire while loading";
    group->Loaded();

    log.clear();
    group->CardList().Add();
    group->CardList().Clear();
    EXPECT_EQ(log, (Log { "add 1", "update", "delete", "delete", "update" }));

    group->CardList().Add();
    log.clear();
    delete group;
    EXPECT_TRUE(log.empty()) << "destroying the group fires nothing";
}

TEST_F(GroupTest, LoadingWithAutoEmptyEmptiesEveryCard)
{
    TZuCardGroup& group = Hand({ 2, 3 });
    group.SetAutoEmpty(true);
    group.BeginLoad();
    group.Loaded();
    EXPECT_TRUE(group.CardAt(0)->Empty());
    EXPECT_TRUE(group.CardAt(1)->Empty());
}

TEST_F(GroupTest, ScoreFiresOnlyWhenItChangesAndTheLabelFollows)
{
    TZuCardGroup& group = Hand({});
    int changes = 0;
    group.AfterScoreChange = [&](TZuCardGroup*) { ++changes; };
    QLabel label(&form);
    label.setText("old");
    group.SetScoreLabel(&label);
    EXPECT_EQ(label.text(), "0") << "linking writes the score at once";

    group.SetScore(0);
    EXPECT_EQ(changes, 0);
    group.SetScore(12);
    group.SetScore(12);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(label.text(), "12");
}

TEST_F(GroupTest, DealerFiresOnEveryAssignmentAndNamesTheLabel)
{
    TZuCardGroup& group = Hand({});
    int changes = 0;
    group.OnDealerChange = [&](TZuCardGroup*) { ++changes; };
    auto* label = new QLabel("x", &form);
    group.SetDealerLabel(label);
    EXPECT_EQ(label->text(), "");
    group.SetDealer(true);
    EXPECT_EQ(label->text(), "Dealer");
    group.SetDealer(true);
    EXPECT_EQ(changes, 2);
    group.SetDealer(false);
    EXPECT_EQ(label->text(), "");

    delete label;
    EXPECT_EQ(group.DealerLabel(), nullptr) << "a removed label is forgotten";
    group.SetDealer(true);
    EXPECT_EQ(changes, 4);
}

TEST_F(GroupTest, ThePlayerNameGoesToItsLabel)
{
    TZuCardGroup& group = Hand({});
    group.SetPlayerName("Zapad");
    QLabel label(&form);
    group.SetPlayerNameLabel(&label);
    EXPECT_EQ(label.text(), "Zapad");
    group.SetPlayerName("Sever");
    EXPECT_EQ(label.text(), "Sever");
}

TEST_F(GroupTest, TakenCardsAreScoredFromTheTablesPointList)
{
    TZuCardGroup& group = Hand({});
    Log log;
    group.AfterScoreChange = [&](TZuCardGroup*) { log.push_back("score"); };
    group.AfterCardTake = [&](TZuCardGroup*) { log.push_back("take"); };

    group.TakeCards({ 10, 14 });
    EXPECT_EQ(group.Score(), 0) << "without a table a card is worth nothing";
    EXPECT_EQ(log, Log { "take" });

    TFakeGroupTable table;
    table.points = { { 10, 2 }, { 14, 1 } };
    group.SetTable(&table);
    log.clear();
    group.TakeCards({ 10, 3, 14 });
    EXPECT_EQ(group.Score(), 3);
    EXPECT_EQ(log, (Log { "score", "take" }));
    EXPECT_EQ(group.TakenCount(), 5);
    EXPECT_EQ(group.TakenID(0), 10);
    EXPECT_EQ(group.TakenID(4), 14);
    EXPECT_EQ(group.TakenID(5), -1);
    group.ClearTaken();
    EXPECT_EQ(group.TakenCount(), 0);
}

TEST_F(GroupTest, TheGroupsLinksAndCardDefaultsReachEveryCard)
{
    TZuCardGroup& group = Hand({ 2, 3 });
    group.SetCardBack(cbRobot);
    group.SetShowBack(true);
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
    EXPECT_EQ(group.Table(), nullptr) << "a table that goes away is forgotten";
    EXPECT_EQ(group.CardAt(0)->Table(), nullptr);
    EXPECT_EQ(group.Sprite(), nullptr) << "and so is a sprite";
    EXPECT_EQ(group.CardAt(0)->Sprite(), nullptr);
}

TEST_F(GroupTest, CardChangesFireTheGroupsCardEvents)
{
    TZuCardGroup& group = Hand({ 2, 3 });
    Log log;
    group.OnCardEmptyChange = [&](TZuCustomCardControl* sender, TZuSingleCard* card) {
        EXPECT_EQ(sender, &group);
        log.push_back("empty " + std::to_string(card->Index()));
    };
    group.OnCardIDChange = [&](TZuCustomCardControl*, TZuSingleCard* card) {
        log.push_back("id " + std::to_string(card->Index()));
    };
    group.CardAt(1)->SetEmpty(true);
    group.CardAt(0)->SetID(20);
    group.EmptyAll();
    EXPECT_EQ(log, (Log { "empty 1", "id 0", "empty 0" }));
}
