#include "tests/cards/deck_fixture.h"

#include "cards/zucard_group.h"
#include "cards/zugraphics_sprite_quit.h"

namespace {

struct TFlight {
    QPoint from, to;
    bool operator==(const TFlight&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TFlight& f)
{
    return out << "(" << f.from.x() << "," << f.from.y() << ")->(" << f.to.x() << "," << f.to.y()
               << ")";
}

} // namespace

class TDeckDealTest : public TDeckTest {
protected:
    void SetUp() override
    {
        TDeckTest::SetUp();
        visual->move(300, 150);
        group = new TZuCardGroup(&form);
        group->move(10, 20);
    }

    // A sprite that records where every flight started and ended.
    void ConnectSprite()
    {
        sprite = new TZuSprite(&form);
        sprite->AfterMove = [this](QObject*) {
            flights.push_back({ sprite->Home(), QPoint(sprite->DestX(), sprite->DestY()) });
        };
        deck.SetSprite(sprite);
    }

    void AddSlots(int n)
    {
        for (int i = 0; i < n; ++i)
            group->CardList().Add();
    }

    std::vector<int> GroupIDs() const
    {
        std::vector<int> ids;
        for (int i = 0; i < group->SlotCount(); ++i)
            ids.push_back(group->CardAt(i)->Empty() ? 0 : group->CardAt(i)->ID());
        return ids;
    }

    // Keeps only clubs two to five in the deck: 4 cards, 5 dealt first.
    void FourCardDeck()
    {
        IncludeCopies(0);
        for (int value = 2; value <= 5; ++value)
            deck.IncludedCards().Clubs().SetCount(value, 1);
    }

    QPoint TopCardOnForm() const
    {
        return visual->pos() + visual->CardFirst().BoundsRect().topLeft();
    }

    TZuCardGroup* group = nullptr; // owned by the form
    TZuSprite* sprite = nullptr; // owned by the form
    std::vector<TFlight> flights;
};

TEST_F(TDeckDealTest, RefillGivesEveryFreePlaceACardAndIgnoresTheCount)
{
    AddSlots(6);
    group->CardAt(1)->SetEmpty(true);
    deck.PrepareDeck();
    deck.Deal(*group, false, 2);
    EXPECT_EQ(GroupIDs(), (std::vector<int> { 53, 52, 51, 50, 49, 48 }));
    EXPECT_EQ(deck.Count(), 46);
}

TEST_F(TDeckDealTest, RefillSkipsReservedPlaces)
{
    AddSlots(4);
    group->CardAt(0)->SetID(30);
    group->CardAt(0)->SetReserved(true);
    group->CardAt(2)->SetReserved(true);
    group->CardAt(2)->SetEmpty(true);
    deck.PrepareDeck();
    deck.Deal(*group, false, 0);
    EXPECT_EQ(GroupIDs(), (std::vector<int> { 30, 53, 0, 52 }));
    EXPECT_EQ(deck.Count(), 50);
}

TEST_F(TDeckDealTest, RefillThatRunsOutLeavesTheRestEmpty)
{
    FourCardDeck();
    AddSlots(6);
    deck.PrepareDeck();
    deck.Deal(*group, false, 6);
    EXPECT_EQ(GroupIDs(), (std::vector<int> { 5, 4, 3, 2, 0, 0 }));
    EXPECT_TRUE(visual->Exhausted());
    EXPECT_EQ(visual->Layers(), 0) << "a small deck ends as a bare top card, not used up";

    // From the exhausted deck every place is left empty.
    deck.Deal(*group, false, 6);
    EXPECT_EQ(GroupIDs(), (std::vector<int>(6, 0)));
    EXPECT_EQ(deck.Count(), 0);
}

TEST_F(TDeckDealTest, AppendAddsCountCardsAndNothingOnceTheDeckIsOut)
{
    FourCardDeck();
    AddSlots(1);
    group->CardAt(0)->SetID(40);
    deck.PrepareDeck();
    deck.Deal(*group, true, 3);
    EXPECT_EQ(GroupIDs(), (std::vector<int> { 40, 5, 4, 3 }));

    // Two more asked, one left: the missing card still counts as one of the two.
    deck.Deal(*group, true, 2);
    EXPECT_EQ(GroupIDs(), (std::vector<int> { 40, 5, 4, 3, 2 }));
    deck.Deal(*group, true, 2);
    EXPECT_EQ(group->SlotCount(), 5);
}

TEST_F(TDeckDealTest, DealIsRefusedWhileTheAnimationLockIsHeld)
{
    AddSlots(3);
    group->CardAt(0)->SetEmpty(true);
    deck.PrepareDeck();
    LockAnimation();
    deck.Deal(*group, true, 2);
    deck.Deal(*group, false, 0);
    UnlockAnimation();
    EXPECT_EQ(group->SlotCount(), 3);
    EXPECT_TRUE(group->CardAt(0)->Empty());
    EXPECT_EQ(deck.Count(), 52);
}

TEST_F(TDeckDealTest, DealStartedFromInsideAFlightIsRefused)
{
    ConnectSprite();
    TZuCardGroup* other = new TZuCardGroup(&form);
    bool nestedTried = false;
    sprite->AfterMove = [&](QObject*) {
        if (nestedTried) return;
        nestedTried = true;
        deck.Deal(*other, true, 2); // as if a click came in between two steps
    };
    deck.PrepareDeck();
    deck.Deal(*group, true, 2);
    EXPECT_TRUE(nestedTried);
    EXPECT_EQ(other->SlotCount(), 0);
    EXPECT_EQ(GroupIDs(), (std::vector<int> { 53, 52 }));
}

TEST_F(TDeckDealTest, WithoutAVisualDeckTheLockDoesNotStopTheDeal)
{
    TZuVirtualDeck bare;
    bare.PrepareDeck();
    LockAnimation();
    bare.Deal(*group, true, 2);
    UnlockAnimation();
    EXPECT_EQ(GroupIDs(), (std::vector<int> { 53, 52 }));
}

TEST_F(TDeckDealTest, AppendedCardsFlyFromTheTopCardToTheGroupsLastCard)
{
    ConnectSprite();
    deck.PrepareDeck();
    const QPoint origin = TopCardOnForm();
    deck.Deal(*group, true, 3);
    ASSERT_EQ(flights.size(), 3u);
    EXPECT_EQ(flights[0], (TFlight { origin, group->pos() })) << "an empty group: its corner";
    const QPoint first = group->pos() + group->CardAt(0)->BoundsRect().topLeft();
    const QPoint second = group->pos() + group->CardAt(1)->BoundsRect().topLeft();
    EXPECT_EQ(flights[1], (TFlight { origin, first }));
    EXPECT_EQ(flights[2], (TFlight { origin, second }));
}

TEST_F(TDeckDealTest, RefilledCardsFlyToTheirPlacesWithTheirOwnPicture)
{
    ConnectSprite();
    AddSlots(2);
    group->SetCardBack(cbRobot);
    group->CardAt(1)->SetShowBack(false);
    std::vector<QColor> flown; // the middle of each flying picture
    sprite->AfterMove = [&](QObject*) {
        flights.push_back({ sprite->Home(), QPoint(sprite->DestX(), sprite->DestY()) });
        flown.push_back(PixelAt(sprite->Bitmap(), 35, 48));
    };
    deck.PrepareDeck();
    deck.Deal(*group, false, 0);
    ASSERT_EQ(flights.size(), 2u);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(flights[i].to, group->pos() + group->CardAt(i)->BoundsRect().topLeft()) << i;
    EXPECT_EQ(flights[0].from, TopCardOnForm());
    EXPECT_EQ(flown[0], PictureAt(CardPicture(BackPictureNumber(cbRobot)), 35, 48)) << "face down";
    EXPECT_EQ(flown[1], PictureAt(CardPicture(52), 35, 48)) << "face up";
}

TEST_F(TDeckDealTest, QuittingDuringAFlightDropsTheRestOfTheDeal)
{
    ConnectSprite();
    AddSlots(3);
    for (int i = 0; i < 3; ++i)
        group->CardAt(i)->SetEmpty(true);
    sprite->AfterStep = [](QObject*) { ZuSetApplicationTerminating(true); };
    deck.PrepareDeck();
    deck.Deal(*group, false, 0);
    ZuSetApplicationTerminating(false);
    // The first card was taken and given its ID before its flight; the
    // original's silent abort left it as it was, empty, and dealt no further.
    EXPECT_EQ(flights.size(), 1u);
    EXPECT_EQ(deck.Count(), 51);
    EXPECT_EQ(GroupIDs(), (std::vector<int> { 0, 0, 0 }));
}

TEST_F(TDeckDealTest, NoFlightsWithoutDealAnimation)
{
    ConnectSprite();
    deck.SetDealAnimation(false);
    deck.PrepareDeck();
    deck.Deal(*group, true, 2);
    EXPECT_TRUE(flights.empty());
    EXPECT_EQ(group->SlotCount(), 2);
}

TEST_F(TDeckDealTest, OriginIsTheVisualDecksBottomRightCardPlace)
{
    visual->setGeometry(16, 8, 113, 121);
    TZuVirtualDeck other;
    other.SetOriginX(5);
    other.SetOriginY(6);
    EXPECT_EQ(other.OriginX(), 5);
    EXPECT_EQ(other.OriginY(), 6);
    other.SetVisualDeck(visual);
    EXPECT_EQ(other.OriginX(), 59);
    EXPECT_EQ(other.OriginY(), 34);

    // Read again, it follows the visual deck.
    visual->move(20, 10);
    EXPECT_EQ(other.OriginX(), 63);
    EXPECT_EQ(other.OriginY(), 36);
    other.SetOriginX(1);
    EXPECT_EQ(other.OriginX(), 63);
}

TEST_F(TDeckDealTest, ReferencesToDestroyedDecksAndSpritesAreCleared)
{
    ConnectSprite();
    delete visual;
    delete sprite;
    EXPECT_EQ(deck.VisualDeck(), nullptr);
    EXPECT_EQ(deck.Sprite(), nullptr);
    deck.PrepareDeck();
    deck.Deal(*group, true, 1);
    EXPECT_EQ(GroupIDs(), (std::vector<int> { 53 }));
}
