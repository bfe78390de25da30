#include "cards/zucard.h"
#include "tests/support/fake_card_owner.h"

#include <gtest/gtest.h>

using Calls = std::vector<std::string>;

TEST(SingleCard, NewCardIsAFaceDownAceOfClubsWithItsOwnersBack)
{
    TFakeCardOwner owner;
    owner.cardBack = cbRobot;
    TZuSingleCard card(owner);
    EXPECT_EQ(card.ID(), 14);
    EXPECT_EQ(card.Value(), 14);
    EXPECT_EQ(card.Suit(), stClub);
    EXPECT_EQ(card.SortKey(), 1401);
    EXPECT_EQ(card.SuitColor(), 0);
    EXPECT_TRUE(card.ShowBack());
    EXPECT_FALSE(card.Empty());
    EXPECT_EQ(card.CardBack(), cbRobot);
    EXPECT_EQ(card.FaceImage(), CardPicture(14));
    EXPECT_EQ(card.BackImage(), CardPicture(BackPictureNumber(cbRobot)));
    EXPECT_EQ(card.Picture(), card.BackImage());
    EXPECT_EQ(card.BoundsRect(), QRect(0, 0, 71, 96));
    EXPECT_TRUE(owner.calls.empty());
}

TEST(SingleCard, EveryIDDerivesSuitValueColourRankAndFace)
{
    struct TRow {
        int id;
        TZuCardSuitType suit;
        int value, colour, sortKey;
    };
    const TRow rows[] = { { 2, stClub, 2, 0, 201 }, { 15, stDiamond, 2, 1, 202 },
        { 27, stDiamond, 14, 1, 1402 }, { 28, stSpade, 2, 0, 203 }, { 40, stSpade, 14, 0, 1403 },
        { 41, stHeart, 2, 1, 204 }, { 53, stHeart, 14, 1, 1404 }, { 54, stJoker, 15, 2, 1505 },
        { 55, stJoker, 15, 2, 1505 } };
    TFakeCardOwner owner;
    TZuSingleCard card(owner);
    for (const TRow& row : rows) {
        card.SetID(row.id);
        EXPECT_EQ(card.Suit(), row.suit) << row.id;
        EXPECT_EQ(card.Value(), row.value) << row.id;
        EXPECT_EQ(card.SuitColor(), row.colour) << row.id;
        EXPECT_EQ(card.SortKey(), row.sortKey) << row.id;
        EXPECT_EQ(card.FaceImage(), CardPicture(row.id)) << row.id;
    }
}

TEST(SingleCard, OutOfRangeOrUnchangedIDIsIgnoredSilently)
{
    TFakeCardOwner owner;
    auto card = owner.MakeCard(30);
    card->SetID(1);
    card->SetID(56);
    card->SetID(30);
    card->SetValue(1);
    card->SetValue(16);
    EXPECT_EQ(card->ID(), 30);
    EXPECT_TRUE(owner.calls.empty());
}

TEST(SingleCard, SuitAndValueWritesKeepTheIDConsistent)
{
    TFakeCardOwner owner;
    TZuSingleCard card(owner);
    card.SetID(26); // king of diamonds
    card.SetSuit(stHeart);
    EXPECT_EQ(card.ID(), 52);
    card.SetValue(14);
    EXPECT_EQ(card.ID(), 53);

    card.SetValue(15); // any card becomes the red joker
    EXPECT_EQ(card.ID(), 54);
    EXPECT_EQ(card.Suit(), stJoker);

    card.SetSuit(stClub); // a joker's value falls back to two
    EXPECT_EQ(card.ID(), 2);
    EXPECT_EQ(card.Value(), 2);

    card.SetID(55);
    card.SetSuit(stJoker); // the blue joker is reachable only by ID
    EXPECT_EQ(card.ID(), 54);

    // A value written on a joker keeps every derived field in step with the ID.
    card.SetValue(5);
    EXPECT_EQ(card.Value(), 5);
    EXPECT_EQ(card.SortKey(), card.Value() * 100 + card.SuitRank());
    EXPECT_EQ(card.ID() - TZuSingleCard::SuitBase(card.Suit()), 5);
}

TEST(SingleCard, SettersRedrawAndFireOwnerEventsByTheirRules)
{
    TFakeCardOwner owner;
    auto card = owner.MakeCard(20); // face up

    card->SetID(21);
    EXPECT_EQ(owner.calls, (Calls { "redraw", "id" }));
    owner.calls.clear();

    card->SetShowBack(false); // unchanged: nothing
    card->SetEmpty(false);
    EXPECT_TRUE(owner.calls.empty());

    card->SetShowBack(true);
    EXPECT_EQ(owner.calls, (Calls { "redraw", "showback" }));
    owner.calls.clear();

    card->SetID(22); // face down: no redraw, but the event
    EXPECT_EQ(owner.calls, (Calls { "id" }));
    owner.calls.clear();

    card->SetCardBack(cbDefault); // unchanged still redraws a face-down card and fires
    EXPECT_EQ(owner.calls, (Calls { "redraw", "back" }));
    owner.calls.clear();

    card->SetEmpty(true);
    card->SetCardBack(cbCastle); // empty: no redraw
    card->SetNegative(true); // redraw, no event
    EXPECT_EQ(owner.calls, (Calls { "redraw", "empty", "back", "redraw" }));
    EXPECT_EQ(card->BackImage(), CardPicture(BackPictureNumber(cbCastle)));
    owner.calls.clear();

    owner.enabled = false; // a disabled owner gets events but no redraws
    card->SetEmpty(false);
    card->SetNegative(false);
    card->SetIndex(3);
    EXPECT_EQ(owner.calls, (Calls { "empty" }));
}

TEST(SingleCard, CopyFromGoesThroughEachSetterInOrder)
{
    TFakeCardOwner owner;
    auto source = owner.MakeCard(45);
    source->SetCardBack(cbFlower);
    source->SetEmpty(true);
    auto target = owner.MakeCard(3);
    target->SetShowBack(true);
    owner.calls.clear();

    target->CopyFrom(*source);
    EXPECT_EQ(target->ID(), 45);
    EXPECT_EQ(target->CardBack(), cbFlower);
    EXPECT_FALSE(target->ShowBack());
    EXPECT_TRUE(target->Empty());
    EXPECT_EQ(owner.calls,
        (Calls { "redraw", "back", "redraw", "showback", "redraw", "id", "redraw", "empty" }));
}

namespace {

class TFakeTable : public TZuCardTableLink {
public:
    int slot = 2;
    std::vector<int> played;
    bool lastBack = false;
    int CurrentSlot() const override { return slot; }
    void SetCurrentSlot(int s) override { slot = s; }
    QPoint TablePosition() const override { return { 300, 200 }; }
    void AddPlayedCard(TZuSingleCard& card, bool back, TZuCardGroup*) override
    {
        played.push_back(card.ID());
        lastBack = back;
    }
    int PointsOf(int) const override { return 0; }
};

class TTableOwner : public TFakeCardOwner {
public:
    TFakeTable table;
    QPoint flownFrom, flownTo;
    const QImage* flown = nullptr;
    std::vector<int> afterPlay;
    TZuCardTableLink* OwnerTable() const override { return const_cast<TFakeTable*>(&table); }
    QPoint OwnerPosition() const override { return { 10, 400 }; }
    void FlyCard(QPoint from, QPoint to, const QImage* picture) override
    {
        flownFrom = from;
        flownTo = to;
        flown = picture;
    }
};

} // namespace

TEST(SingleCard, PlayToTableEmptiesTheCardAndHandsItToTheTableSlot)
{
    TTableOwner owner;
    auto card = owner.MakeCard(33);
    card->SetBoundsRect(QRect(20, 0, 71, 96));
    EXPECT_EQ(card->GetAbsoluteX(), 30);
    EXPECT_EQ(card->GetAbsoluteY(), 400);

    card->PlayToTable(4, true); // slot 4 is the right-hand place, index 3
    EXPECT_EQ(owner.table.slot, 3);
    EXPECT_TRUE(card->Empty());
    EXPECT_EQ(owner.table.played, std::vector<int> { 33 });
    EXPECT_TRUE(owner.table.lastBack);
    EXPECT_EQ(owner.flownFrom, QPoint(31, 401));
    EXPECT_EQ(owner.flownTo, QPoint(360, 235));
    EXPECT_EQ(owner.flown, card->BackImage());

    card->PlayToTable(1, false); // an empty card is not played again
    EXPECT_EQ(owner.table.played.size(), 1u);

    card->SetEmpty(false);
    card->PlayToTable(9, false); // other numbers keep the current slot
    EXPECT_EQ(owner.table.slot, 3);
    EXPECT_EQ(owner.table.played.size(), 2u);
}

TEST(SingleCard, APlayedCardWithoutATableStays)
{
    TFakeCardOwner owner;
    auto card = owner.MakeCard(33);
    card->PlayToTable(1, false);
    EXPECT_FALSE(card->Empty());
    EXPECT_TRUE(owner.calls.empty());
}
