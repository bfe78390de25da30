// The card table: its places, properties, play state and drawing.
#include "cards/table/zucard_table.h"

#include "cards/deck/zucard_deck.h"
#include "cards/group/zucard_group.h"
#include "cards/pictures/zucard_paint.h"
#include "cards/sprite/zugraphics_lock.h"
#include "platform/random.h"

#include <QPainter>

void TZuPlayerItem::SetCardGroup(TZuCardGroup* group)
{
    FCardGroup = group;
}

TZuCardTable::TZuCardTable(QWidget* parent)
    : TZuCustomCardControl(parent)
{
    SetBitmapSize(SurfaceWidth, SurfaceHeight);
    resize(SurfaceWidth, SurfaceHeight);
    for (int place = 0; place < Places; ++place) {
        FPlaces[std::size_t(place)] = std::make_unique<TZuSingleCard>(*this, &Bitmap());
        TZuSingleCard& card = *FPlaces[std::size_t(place)];
        card.SetShowBack(false);
        card.SetIndex(place);
    }
    RedrawPlaces(true);
}

TZuCardTable::~TZuCardTable() = default;

TZuSingleCard* TZuCardTable::CardAtPlace(int place) const
{
    if (place < 0 || place >= Places) return nullptr;
    return FPlaces[std::size_t(place)].get();
}

TZuCardGroup* TZuCardTable::PlaceGroup(int place) const
{
    if (place < 0 || place >= Places) return nullptr;
    return FPlaceGroups[std::size_t(place)].data();
}

void TZuCardTable::SetRandomCards(bool b)
{
    FRandomCards = b;
    if (!b || AutoEmpty()) return;
    for (auto& card : FPlaces)
        card->SetID(2 + Random(52));
}

void TZuCardTable::SetVirtualDeck(TZuVirtualDeck* deck)
{
    FVirtualDeck = deck;
}

void TZuCardTable::SetCardBack(TZuCardBackType b)
{
    if (b == CardBack()) return;
    TZuCustomCardControl::SetCardBack(b);
    for (auto& card : FPlaces)
        card->SetCardBack(b);
}

void TZuCardTable::SetShowBack(bool b)
{
    TZuCustomCardControl::SetShowBack(b);
    for (auto& card : FPlaces)
        card->SetShowBack(b);
}

int TZuCardTable::PlayedID(int i) const
{
    if (i < 0 || i >= PlayedCount()) return -1;
    return FPlayed[std::size_t(i)];
}

void TZuCardTable::SetNextPlayer(int i)
{
    if (i >= 0 && i < std::max(PlayerCount(), 1)) FNextPlayer = i;
}

void TZuCardTable::SetCurrentSlot(int place)
{
    if (place >= 0 && place < Places) FCurrentPlace = place;
}

// Statistics.

int TZuCardTable::PlayedIDCount(int id) const
{
    return id >= ZuMinCardID && id <= ZuMaxCardID ? FIDCount[std::size_t(id)] : 0;
}

int TZuCardTable::PlayedValueCount(int value) const
{
    return value >= 2 && value <= 15 ? FValueCount[std::size_t(value)] : 0;
}

int TZuCardTable::PlayedSuitCount(TZuCardSuitType suit) const
{
    return suit >= stClub && suit <= stJoker ? FSuitCount[std::size_t(suit)] : 0;
}

// Counts a card put down face up (delta 1) or taken back (-1). Anything
// outside 2..55 is no card and counts nowhere.
void TZuCardTable::CountCard(int id, int delta)
{
    if (id < ZuMinCardID || id > ZuMaxCardID) return;
    // ID blocks run clubs, diamonds, spades, hearts; then the two jokers.
    static constexpr TZuCardSuitType blockSuit[] = { stClub, stDiamond, stSpade, stHeart };
    const TZuCardSuitType suit
        = IsSuitCardId(id) ? blockSuit[static_cast<int>(SuitOfId(id))] : stJoker;
    const int value = ValueOfId(id);
    FIDCount[std::size_t(id)] += delta;
    FValueCount[std::size_t(value)] += delta;
    FSuitCount[std::size_t(suit)] += delta;
}

int TZuCardTable::NextPlace(int place, int step) const
{
    const int d = FGameOptions.AutoPosDirection() == tdClockWise ? step : -step;
    return ((place + d) % Places + Places) % Places;
}

// PlaceCard, ClearTable and loading.

void TZuCardTable::PlaceCard(int id, bool faceDown, TZuCardGroup* group)
{
    SetEmpty(false);
    if (!faceDown) CountCard(id, 1);
    const int place = FCurrentPlace;
    TZuSingleCard& card = *FPlaces[std::size_t(place)];
    FPlaceGroups[std::size_t(place)] = group;
    // The card's own redraws would paint it under the cards already there;
    // the places are repainted in order once it is in.
    BeginDraw();
    card.SetShowBack(faceDown);
    card.SetID(id);
    card.SetEmpty(false);
    EndDraw();
    FPrevID = FTopID;
    FTopID = id;
    FTopPlace = place;
    FCurrentPlace = NextPlace(place, 1);
    FPlayed.push_back(id);
    --FCardsToPlay;
    RedrawPlaces(false);
    QPointer<TZuCardTable> self(this);
    if (AfterAddCard)
        AfterAddCard(this, PlayedCount(), FTopPlace, &card, FTopID, FPrevID, group != nullptr);
    if (self && !group && AfterDealToTable) AfterDealToTable(this, PlayedCount(), FTopPlace, &card);
}

void TZuCardTable::ClearTable(bool withPlayers)
{
    TZuAnimationLockGuard lock;
    FTopPlace = -1;
    FPlayed.clear();
    BeginDraw();
    for (auto& card : FPlaces)
        card->SetEmpty(true);
    EndDraw();
    FPlaceGroups = {};
    FCurrentPlace = 3;
    FTopID = -1;
    FPrevID = -2;
    FLedSuit = stJoker;
    FCardsInTrick = 0; // a cleared table has no trick under way
    RedrawPlaces(false);
    if (withPlayers) ClearPlayers();
}

// A new hand: the players' cards and taken lists go, and with them what the
// table knows of the last hand (its statistics and whether trumps were played).
void TZuCardTable::ClearPlayers()
{
    for (int i = 0; i < PlayerCount(); ++i) {
        TZuCardGroup* group = FPlayerList.Items(i)->CardGroup();
        if (!group) continue;
        group->SetEmpty(true);
        group->EmptyAll();
        group->ClearTaken();
        group->SetEmpty(false);
    }
    FTrumpPlayed = false;
    FIDCount = {};
    FValueCount = {};
    FSuitCount = {};
}

void TZuCardTable::DealingFinished()
{
    int cards = 0;
    for (int i = 0; i < PlayerCount(); ++i)
        if (TZuCardGroup* group = FPlayerList.Items(i)->CardGroup())
            cards += group->NonEmptyCount();
    FCardsToPlay = cards;
    if (AfterDealingFinish) AfterDealingFinish(this);
}

void TZuCardTable::Loaded()
{
    if (!AutoEmpty()) return;
    SetEmpty(true);
    ClearTable(false);
    FCurrentPlace = 0;
}

// Drawing. A place card draws itself alone; the places together are
// repainted from the place after the top card round to the top card, so the
// last card put down lies on top.

void TZuCardTable::RedrawCard(TZuSingleCard& card, bool immediate)
{
    const QRect bounds(ZuTablePlaceCorner(card.Index()), QSize(ZuCardWidth, ZuCardHeight));
    card.SetBoundsRect(bounds);
    if (card.Empty()) {
        QPainter painter(&Bitmap());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(bounds, BrushColor());
    } else {
        ZuPaintCard(Bitmap(), card, bounds.topLeft(), bounds);
    }
    if (immediate)
        update();
    else
        PaintArea(bounds);
}

void TZuCardTable::RedrawPlaces(bool immediate)
{
    if (!Enabled()) return;
    Bitmap().fill(BrushColor());
    // Without a top card the round starts after the last place.
    const int top = FTopPlace >= 0 ? FTopPlace : NextPlace(0, -1);
    for (int step = 1; step <= Places; ++step) {
        TZuSingleCard& card = *FPlaces[std::size_t(NextPlace(top, step))];
        const QRect bounds(ZuTablePlaceCorner(card.Index()), QSize(ZuCardWidth, ZuCardHeight));
        card.SetBoundsRect(bounds);
        if (!card.Empty()) ZuPaintCard(Bitmap(), card, bounds.topLeft(), bounds);
    }
    if (immediate)
        update();
    else
        PaintArea(rect());
}
