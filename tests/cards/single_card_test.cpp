#include "cards/zucard.h"
#include "tests/support/fake_card_owner.h"

#include <gtest/gtest.h>

using Calls = std::vector<std::string>;

// The first row is the new card itself: the face-down ace of clubs.
TEST(SingleCard, ANewCardIsTheAceOfClubsAndEveryIDDerivesSuitValueColourRankAndFace)
{
    TFakeCardOwner owner;
    owner.cardBack = cbRobot;
    TZuSingleCard card(owner);
    EXPECT_TRUE(card.ShowBack());
    EXPECT_FALSE(card.Empty());
    EXPECT_EQ(card.CardBack(), cbRobot);
    EXPECT_EQ(card.Picture(), CardPicture(BackPictureNumber(cbRobot)));
    EXPECT_EQ(card.BoundsRect(), QRect(0, 0, 71, 96));

    struct TRow {
        int id;
        TZuCardSuitType suit;
        int value, colour, sortKey;
    };
    const TRow rows[] = { { 14, stClub, 14, 0, 1401 }, { 2, stClub, 2, 0, 201 },
        { 15, stDiamond, 2, 1, 202 }, { 27, stDiamond, 14, 1, 1402 }, { 28, stSpade, 2, 0, 203 },
        { 40, stSpade, 14, 0, 1403 }, { 41, stHeart, 2, 1, 204 }, { 53, stHeart, 14, 1, 1404 },
        { 54, stJoker, 15, 2, 1505 }, { 55, stJoker, 15, 2, 1505 } };
    for (const TRow& row : rows) {
        card.SetID(row.id);
        EXPECT_EQ(card.Suit(), row.suit) << row.id;
        EXPECT_EQ(card.Value(), row.value) << row.id;
        EXPECT_EQ(card.SuitColor(), row.colour) << row.id;
        EXPECT_EQ(card.SortKey(), row.sortKey) << row.id;
        EXPECT_EQ(card.FaceImage(), CardPicture(row.id)) << row.id;
    }
    EXPECT_EQ(owner.calls.size(), 9u) << "one event per changed ID, none for the first row";
}

// Out-of-range or unchanged IDs and values are ignored silently; suit and
// value writes keep the ID consistent.
TEST(SingleCard, IDSuitAndValueWrites)
{
    TFakeCardOwner owner;
    auto card = owner.MakeCard(26); // king of diamonds
    card->SetID(1);
    card->SetID(56);
    card->SetID(26);
    card->SetValue(1);
    card->SetValue(16);
    EXPECT_EQ(card->ID(), 26);
    EXPECT_TRUE(owner.calls.empty());

    card->SetSuit(stHeart);
    EXPECT_EQ(card->ID(), 52);
    card->SetValue(14);
    EXPECT_EQ(card->ID(), 53);
    card->SetValue(15); // any card becomes the red joker
    EXPECT_EQ(card->ID(), 54);
    EXPECT_EQ(card->Suit(), stJoker);
    card->SetSuit(stClub); // a joker's value falls back to two
    EXPECT_EQ(card->ID(), 2);
    EXPECT_EQ(card->Value(), 2);
    card->SetID(55);
    card->SetSuit(stJoker); // the blue joker is reachable only by ID
    EXPECT_EQ(card->ID(), 54);

    // A value written on a joker keeps every derived field in step with the ID.
    card->SetValue(5);
    EXPECT_EQ(card->Value(), 5);
    EXPECT_EQ(card->SortKey(), card->Value() * 100 + card->SuitRank());
    EXPECT_EQ(card->ID() - TZuSingleCard::SuitBase(card->Suit()), 5);
}

TEST(SingleCard, SettersRedrawAndFireOwnerEventsByTheirRules)
{
    TFakeCardOwner owner;
    auto card = owner.MakeCard(20); // face up
    const auto step = [&owner] { owner.calls.push_back("|"); };
    card->SetID(21);
    step();
    card->SetShowBack(false); // unchanged: nothing
    card->SetEmpty(false);
    step();
    card->SetShowBack(true);
    step();
    card->SetID(22); // face down: the event without a redraw
    step();
    card->SetCardBack(cbDefault); // unchanged still redraws a face-down card and fires
    step();
    card->SetEmpty(true);
    card->SetCardBack(cbCastle); // empty: no redraw
    card->SetNegative(true); // a redraw, no event
    step();
    owner.enabled = false; // a disabled owner gets events but no redraws
    card->SetEmpty(false);
    card->SetNegative(false);
    card->SetIndex(3);
    EXPECT_EQ(owner.calls,
        (Calls { "redraw", "id", "|", "|", "redraw", "showback", "|", "id", "|", "redraw", "back",
            "|", "redraw", "empty", "back", "redraw", "|", "empty" }));
    EXPECT_EQ(card->BackImage(), CardPicture(BackPictureNumber(cbCastle)));
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

// An owner at (10, 400) on the window with a card table at (300, 200); flights
// and played cards go into the owner's log of calls.
class TTableOwner : public TFakeCardOwner, public TZuCardTableLink {
public:
    int slot = 2;

    int CurrentSlot() const override { return slot; }
    void SetCurrentSlot(int s) override { slot = s; }
    QPoint TablePosition() const override { return { 300, 200 }; }
    void AddPlayedCard(TZuSingleCard& card, bool back, TZuCardGroup*) override
    {
        calls.push_back("table " + std::to_string(card.ID()) + (back ? " back" : ""));
    }
    int PointsOf(int) const override { return 0; }

    TZuCardTableLink* OwnerTable() const override { return const_cast<TTableOwner*>(this); }
    QPoint OwnerPosition() const override { return { 10, 400 }; }
    void FlyCard(QPoint from, QPoint to, const QImage* picture) override
    {
        const bool back = picture == CardPicture(BackPictureNumber(cbDefault));
        calls.push_back(QString::asprintf(
            "fly %d,%d to %d,%d%s", from.x(), from.y(), to.x(), to.y(), back ? " back" : "")
                            .toStdString());
    }
};

} // namespace

// Slot 4 is the right-hand place, index 3; other numbers keep the current
// slot. The card at (30, 400) flies from one pixel in to the slot's place.
TEST(SingleCard, PlayToTableEmptiesTheCardAndHandsItToTheTableSlot)
{
    TTableOwner owner;
    auto card = owner.MakeCard(33);
    card->SetBoundsRect(QRect(20, 0, 71, 96));
    card->PlayToTable(4, true);
    EXPECT_EQ(owner.slot, 3);
    card->PlayToTable(1, false); // an empty card is not played again
    card->SetEmpty(false);
    card->PlayToTable(9, false);
    EXPECT_EQ(owner.slot, 3);
    EXPECT_EQ(owner.calls,
        (Calls { "redraw", "empty", "fly 31,401 to 360,235 back", "table 33 back", "redraw",
            "empty", "redraw", "empty", "fly 31,401 to 360,235", "table 33" }));

    TFakeCardOwner noTable;
    auto stays = noTable.MakeCard(33);
    stays->PlayToTable(1, false);
    EXPECT_FALSE(stays->Empty()) << "a card without a table stays";
    EXPECT_TRUE(noTable.calls.empty());
}
