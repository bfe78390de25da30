// Dealing into a card group: refill and append, the animation lock, the flights.
#include "tests/cards/deck_fixture.h"

#include "cards/group/zucard_group.h"
#include "cards/sprite/zugraphics_sprite_quit.h"

class TDeckDealTest : public TDeckTest {
protected:
    void SetUp() override
    {
        TDeckTest::SetUp();
        visual->move(300, 150);
        group = new TZuCardGroup(&form);
        group->move(10, 20);
    }

    // A sprite that records where every flight started and ended, and the
    // middle of each flying picture.
    void ConnectSprite()
    {
        sprite = new TZuSprite(&form);
        sprite->AfterMove = [this](QObject*) {
            from.push_back(sprite->Home());
            to.push_back({ sprite->DestX(), sprite->DestY() });
            flown.push_back(PixelAt(&sprite->Bitmap(), 35, 48));
        };
        deck.SetSprite(sprite);
    }

    void AddSlots(int n)
    {
        for (int i = 0; i < n; ++i)
            group->CardList().Add();
    }

    // The IDs of a group's places, 0 for an empty one.
    static std::vector<int> IDs(const TZuCardGroup& g)
    {
        std::vector<int> ids;
        for (int i = 0; i < g.SlotCount(); ++i)
            ids.push_back(g.CardAt(i)->Empty() ? 0 : g.CardAt(i)->ID());
        return ids;
    }

    QPoint TopCardOnForm() const
    {
        return visual->pos() + visual->CardFirst().BoundsRect().topLeft();
    }
    QPoint OnForm(int place) const
    {
        return group->pos() + group->CardAt(place)->BoundsRect().topLeft();
    }

    TZuCardGroup* group = nullptr; // owned by the form
    TZuSprite* sprite = nullptr; // owned by the form
    std::vector<QPoint> from, to;
    std::vector<QColor> flown;
};

TEST_F(TDeckDealTest, RefillGivesEveryFreePlaceACardSkipsReservedOnesAndIgnoresTheCount)
{
    AddSlots(6);
    group->CardAt(1)->SetEmpty(true);
    group->CardAt(2)->SetID(30);
    group->CardAt(2)->SetReserved(true);
    group->CardAt(4)->SetReserved(true);
    group->CardAt(4)->SetEmpty(true);
    deck.PrepareDeck();
    deck.Deal(*group, false, 2);
    EXPECT_EQ(IDs(*group), (std::vector<int> { 53, 52, 30, 51, 0, 50 }));
    EXPECT_EQ(deck.Count(), 48);
}

TEST_F(TDeckDealTest, ADeckThatRunsOutLeavesRefilledPlacesEmptyAndAppendsNoMore)
{
    IncludeCopies(0); // only clubs two to five: 4 cards, 5 dealt first
    for (int value = 2; value <= 5; ++value)
        deck.IncludedCards().Clubs().SetCount(value, 1);
    AddSlots(6);
    deck.PrepareDeck();
    deck.Deal(*group, false, 6);
    EXPECT_EQ(IDs(*group), (std::vector<int> { 5, 4, 3, 2, 0, 0 }));
    EXPECT_TRUE(visual->Exhausted());
    EXPECT_EQ(visual->Layers(), 0) << "a small deck ends as a bare top card, not used up";
    // From the exhausted deck every place is left empty.
    deck.Deal(*group, false, 6);
    EXPECT_EQ(IDs(*group), (std::vector<int>(6, 0)));
    EXPECT_EQ(deck.Count(), 0);

    auto* hand = new TZuCardGroup(&form);
    deck.PrepareDeck();
    deck.Deal(*hand, true, 3);
    // Two more asked, one left: the missing card still counts as one of the two.
    deck.Deal(*hand, true, 2);
    EXPECT_EQ(IDs(*hand), (std::vector<int> { 5, 4, 3, 2 }));
    deck.Deal(*hand, true, 2);
    EXPECT_EQ(hand->SlotCount(), 4);
}

TEST_F(TDeckDealTest, DealIsRefusedWhileTheAnimationLockIsHeld)
{
    ConnectSprite();
    AddSlots(3);
    group->CardAt(0)->SetEmpty(true);
    deck.PrepareDeck();
    TZuVirtualDeck bare;
    bare.PrepareDeck();
    auto* other = new TZuCardGroup(&form);
    LockAnimation();
    deck.Deal(*group, true, 2);
    deck.Deal(*group, false, 0);
    bare.Deal(*other, true, 2); // without a visual deck the lock does not stop it
    UnlockAnimation();
    EXPECT_EQ(group->SlotCount(), 3);
    EXPECT_TRUE(group->CardAt(0)->Empty());
    EXPECT_EQ(deck.Count(), 52);
    EXPECT_EQ(IDs(*other), (std::vector<int> { 53, 52 }));

    // A deal started between two steps of a flight, as by a click.
    int tries = 0;
    sprite->AfterStep = [&](QObject*) {
        if (tries++ == 0) deck.Deal(*other, true, 2);
    };
    deck.Deal(*group, false, 0);
    EXPECT_GT(tries, 0);
    EXPECT_EQ(IDs(*other), (std::vector<int> { 53, 52 }));
    EXPECT_EQ(IDs(*group), (std::vector<int> { 53, 52, 51 }));
}

TEST_F(TDeckDealTest, CardsFlyFromTheTopCardToTheirPlacesWithTheirOwnPicture)
{
    ConnectSprite();
    group->SetCardBack(cbRobot);
    deck.PrepareDeck();
    const QPoint top = TopCardOnForm();
    // Appended cards fly face up to the group's last card, in an empty group to its corner.
    deck.Deal(*group, true, 2);
    EXPECT_EQ(to, (std::vector<QPoint> { group->pos(), OnForm(0) }));
    // Refilled cards fly to their own places, face down as back.
    group->CardAt(0)->SetEmpty(true);
    group->CardAt(1)->SetEmpty(true);
    group->CardAt(1)->SetShowBack(false);
    deck.Deal(*group, false, 0);
    EXPECT_EQ(from, std::vector<QPoint>(4, top));
    EXPECT_EQ(to, (std::vector<QPoint> { group->pos(), OnForm(0), OnForm(0), OnForm(1) }));
    const auto middle = [](int picture) { return PixelAt(CardPicture(picture), 35, 48); };
    EXPECT_EQ(flown,
        (std::vector<QColor> {
            middle(53), middle(52), middle(BackPictureNumber(cbRobot)), middle(50) }));

    deck.SetDealAnimation(false);
    deck.Deal(*group, true, 2);
    EXPECT_EQ(to.size(), 4u) << "no flights without deal animation";
    EXPECT_EQ(group->SlotCount(), 4);
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
    // ended deal left it as it was, empty, and dealt no further.
    EXPECT_EQ(to.size(), 1u);
    EXPECT_EQ(deck.Count(), 51);
    EXPECT_EQ(IDs(*group), (std::vector<int> { 0, 0, 0 }));
}

TEST_F(TDeckDealTest, OriginIsTheVisualDecksBottomRightCardPlace)
{
    visual->setGeometry(16, 8, 113, 121);
    TZuVirtualDeck other;
    auto origin = [&] { return QPoint(other.OriginX(), other.OriginY()); };
    other.SetVisualDeck(visual);
    EXPECT_EQ(origin(), QPoint(59, 34));
    // Read again, it follows the visual deck.
    visual->move(20, 10);
    other.SetOriginX(1);
    EXPECT_EQ(origin(), QPoint(63, 36));
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
    EXPECT_EQ(IDs(*group), (std::vector<int> { 53 }));
}
