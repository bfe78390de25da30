#include "tests/cards/table_fixture.h"

#include "cards/pictures/zucard_pictures.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

// PointsOf takes the first item of an ID; a group scores its taken cards with it.
TEST_F(TableTest, PointsComeFromTheFirstListedItemOfAnID)
{
    table->PointList().Add(); // the defaults: the ace of clubs is worth 1
    table->PointList().Add(24, 10);
    table->PointList().Add(24, 3);
    table->PointList().Add(ZuRedJokerID, -5);
    const std::pair<int, int> expected[]
        = { { 14, 1 }, { 24, 10 }, { ZuRedJokerID, -5 }, { 25, 0 }, { 0, 0 }, { 999, 0 } };
    for (const auto& [id, points] : expected)
        EXPECT_EQ(table->PointsOf(id), points) << id;
    TZuCardGroup& group = Player({});
    group.TakeCards({ 14, 24, 25, 24 });
    EXPECT_EQ(group.Score(), 21);
}

// ClearTable empties the places and restarts the play state; with players it
// also empties their hands and taken lists, leaving each group shown.
TEST_F(TableTest, ClearTableRestartsThePlayStateAndWithPlayersTheirHands)
{
    TZuCardGroup& a = Player({ 2, 3 });
    TZuCardGroup& b = Player({ 4 });
    a.TakeCards({ 30 });
    a.PlayCard(0, false, tpLeft);
    b.PlayCard(0, true, tpAuto);
    EXPECT_EQ(Places(), (std::vector<int> { 0, 2, 4, 0 }));
    EXPECT_EQ(table->PlaceGroup(2), &b);
    EXPECT_EQ(table->PlayedIDCount(2), 1);
    EXPECT_EQ(table->PlayedIDCount(4), 0) << "a face-down card is not counted";
    table->ClearTable(false);
    EXPECT_EQ(Places(), (std::vector<int> { 0, 0, 0, 0 }));
    EXPECT_EQ(table->PlayedCount(), 0);
    EXPECT_EQ(table->CurrentSlot(), 3);
    EXPECT_EQ(table->TopCardPlace(), -1);
    EXPECT_EQ(table->TopCardID(), -1);
    EXPECT_EQ(table->PrevCardID(), -2);
    EXPECT_EQ(table->PlaceGroup(2), nullptr);
    EXPECT_EQ(a.NonEmptyCount(), 1);
    EXPECT_EQ(table->PlayedIDCount(2), 1) << "statistics last for the hand";

    table->ClearTable(true);
    for (TZuCardGroup* group : { &a, &b }) {
        EXPECT_EQ(group->NonEmptyCount(), 0);
        EXPECT_EQ(group->TakenCount(), 0);
        EXPECT_FALSE(group->Empty());
    }
    EXPECT_EQ(table->PlayedIDCount(2), 0);

    table->SetAutoEmpty(true);
    table->Loaded();
    EXPECT_TRUE(table->Empty());
    EXPECT_EQ(table->CurrentSlot(), 0);
}

// IDs outside 2..55 put down on the table count nowhere and break nothing;
// cards from no group fire AfterDealToTable after AfterAddCard.
TEST_F(TableTest, StatisticsIgnoreIDsOutsideTheCards)
{
    int owned = 0, dealt = 0;
    table->AfterAddCard = [&](TZuCardTable*, int count, int, TZuSingleCard*, int, int, bool own) {
        owned += own;
        EXPECT_EQ(count, table->PlayedCount());
    };
    table->AfterDealToTable = [&](TZuCardTable*, int, int, TZuSingleCard*) { ++dealt; };
    for (int id : { -7, 0, 1, 56, 1 << 30 })
        table->PlaceCard(id, false, nullptr);
    table->PlaceCard(ZuBlueJokerID, false, nullptr);
    table->PlaceCard(53, false, nullptr);
    EXPECT_EQ(table->PlayedCount(), 7);
    EXPECT_EQ(table->PlayedIDCount(ZuBlueJokerID), 1);
    EXPECT_EQ(table->PlayedValueCount(15), 1);
    EXPECT_EQ(table->PlayedValueCount(14), 1) << "53 is the ace of hearts";
    EXPECT_EQ(table->PlayedSuitCount(stHeart), 1);
    EXPECT_EQ(table->PlayedSuitCount(stJoker), 1);
    EXPECT_EQ(table->PlayedIDCount(56), 0);
    EXPECT_EQ(owned, 0);
    EXPECT_EQ(dealt, 7) << "cards from no group are dealt to the table";
}

// TakeBack needs a played top card and a free slot; it then moves the card
// into the first free slot and the table forgets it. A click on the table
// whose handler takes the card gives it to the first human player.
TEST_F(TableTest, TakeBackGivesTheTopCardToAFreeSlotOrDoesNothing)
{
    TZuCardGroup& computer = Player({ 20, 21 });
    TZuCardGroup& human = Player({ 30, E, 31 }, ctHuman);
    table->TakeBack(&human); // nothing played
    table->TakeBack(nullptr);
    computer.PlayCard(0, false, tpAuto);
    computer.PlayCard(1, false, tpAuto);
    EXPECT_EQ(Places(), (std::vector<int> { 21, 0, 0, 20 })) << "a cleared table starts at 3";
    EXPECT_EQ(table->TopCardID(), 21);

    TZuCardGroup& full = Player({ 40 });
    table->TakeBack(&full);
    EXPECT_EQ(full.CardAt(0)->ID(), 40) << "no free slot: the last card is never overwritten";
    EXPECT_EQ(table->PlayedCount(), 2);

    int clicked = 0;
    table->OnCardClick = [&](TZuCardTable*, TZuSingleCard* top, bool& takeIt) {
        ++clicked;
        EXPECT_EQ(top->ID(), 21);
        takeIt = true;
    };
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(50, 80),
        table->mapToGlobal(QPointF(50, 80)), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(table, &release);
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(human.CardAt(1)->ID(), 21);
    EXPECT_FALSE(human.CardAt(1)->Empty());
    EXPECT_EQ(table->PlayedCount(), 1);
    EXPECT_EQ(table->TopCardID(), 20);
    EXPECT_EQ(table->TopCardPlace(), 3);
    EXPECT_EQ(table->CurrentSlot(), 0) << "the next card goes where the taken one lay";
    EXPECT_EQ(table->PlayedIDCount(21), 0);

    table->CardAtPlace(3)->SetEmpty(true); // no top card shows
    table->TakeBack(&computer);
    EXPECT_TRUE(computer.CardAt(0)->Empty());
    EXPECT_EQ(table->PlayedCount(), 1);
}

// Each card given back leaves the top and previous IDs a table shows with
// only the cards left put down: -1 before the first, -2 on an empty table.
TEST_F(TableTest, TakeBackLeavesTheIDsOfTheCardsLeft)
{
    TZuCardGroup& player = Player({ 20, 21, 22 });
    for (int slot = 0; slot < 3; ++slot)
        player.PlayCard(slot, false, tpAuto);
    const struct {
        int played, top, previous;
    } cases[] = { { 2, 21, 20 }, { 1, 20, -1 }, { 0, -1, -2 } };
    for (const auto& c : cases) {
        table->TakeBack(&player);
        EXPECT_EQ(table->PlayedCount(), c.played);
        EXPECT_EQ(table->TopCardID(), c.top) << c.played << " left";
        EXPECT_EQ(table->PrevCardID(), c.previous) << c.played << " left";
    }
}

// The last card put down lies on top where places overlap, whatever the order.
TEST_F(TableTest, TheLastCardPutDownIsDrawnOnTop)
{
    const int pips = 27, plain = 49; // ace of diamonds, ten of hearts
    const auto at = [](int id, QPoint p) {
        return CardPicture(id)->pixelColor(p * CardPicture(id)->devicePixelRatio());
    };
    // A point inside places 0 (24, 60) and 3 (60, 35) where the two pictures differ.
    QPoint overlap;
    for (int y = 60; y < 131 && overlap.isNull(); ++y)
        for (int x = 60; x < 95 && overlap.isNull(); ++x)
            if (at(pips, QPoint(x - 24, y - 60)) != at(plain, QPoint(x - 60, y - 35)))
                overlap = QPoint(x, y);
    ASSERT_FALSE(overlap.isNull());
    const auto shows = [&](int id, QPoint corner) {
        const QImage& bitmap = table->Bitmap();
        return bitmap.pixelColor(overlap * bitmap.devicePixelRatio()) == at(id, overlap - corner);
    };
    for (bool zeroLast : { true, false }) {
        table->ClearTable(false);
        table->SetCurrentSlot(zeroLast ? 3 : 0);
        table->PlaceCard(zeroLast ? plain : pips, false, nullptr);
        table->SetCurrentSlot(zeroLast ? 0 : 3);
        table->PlaceCard(zeroLast ? pips : plain, false, nullptr);
        EXPECT_TRUE(zeroLast ? shows(pips, { 24, 60 }) : shows(plain, { 60, 35 })) << zeroLast;
        table->RedrawPlaces(false);
        EXPECT_TRUE(zeroLast ? shows(pips, { 24, 60 }) : shows(plain, { 60, 35 })) << zeroLast;
    }
}
