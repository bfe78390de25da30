#include "cards/card/zucard_single.h"

#include "cards/pictures/zucard_pictures.h"

#include <QObject>
#include <QPointer>

namespace {

struct TSuitBlock {
    TZuCardSuitType suit;
    int color, rank;
};

// What each ID block means to a card: clubs, diamonds, spades, hearts.
TSuitBlock BlockOf(int id)
{
    if (!IsSuitCardId(id)) return { stJoker, 2, 5 };
    static constexpr TSuitBlock blocks[]
        = { { stClub, 0, 1 }, { stDiamond, 1, 2 }, { stSpade, 0, 3 }, { stHeart, 1, 4 } };
    return blocks[static_cast<int>(SuitOfId(id))];
}

} // namespace

TZuSingleCard::TZuSingleCard(TZuCardOwner& owner, QImage* ownerBitmap)
    : FOwner(owner)
    , FTable(owner.OwnerTable())
    , FSprite(owner.OwnerSprite())
    , FOwnerBitmap(ownerBitmap)
{
    // Raises when the pictures cannot be loaded; nothing is counted then.
    AcquireCardPictures();
    FCardBack = owner.CardBack();
    FShowBack = owner.ShowBack();
    const QPoint at = owner.OwnerPosition();
    FBoundsRect = QRect(at.x(), at.y(), ZuCardWidth, ZuCardHeight);
}

TZuSingleCard::~TZuSingleCard()
{
    ReleaseCardPictures();
}

const QImage* TZuSingleCard::FaceImage() const
{
    return CardPicture(FID);
}

const QImage* TZuSingleCard::BackImage() const
{
    return CardPicture(BackPictureNumber(FCardBack));
}

int TZuSingleCard::PictureNumber() const
{
    return FShowBack ? BackPictureNumber(FCardBack) : FID;
}

void TZuSingleCard::Derive()
{
    const TSuitBlock block = BlockOf(FID);
    FSuit = block.suit;
    FValue = block.suit == stJoker ? kJokerValue : ValueOfId(FID);
    FSuitColor = block.color;
    FSuitRank = block.rank;
    FSortKey = FValue * 100 + FSuitRank;
}

void TZuSingleCard::Redraw()
{
    if (FOwner.Enabled()) FOwner.RedrawCard(*this, false);
}

void TZuSingleCard::SetID(int n)
{
    if (n == FID || n < ZuMinCardID || n > ZuMaxCardID) return;
    FID = n;
    Derive();
    if (!FShowBack && !FEmpty) Redraw();
    FOwner.CardIDChange(*this);
}

void TZuSingleCard::SetValue(int v)
{
    if (v < 2 || v > 15) return;
    FValue = v;
    if (v == 15) {
        SetSuit(stJoker);
        return;
    }
    SetID(v + SuitBase(FSuit));
}

void TZuSingleCard::SetSuit(TZuCardSuitType s)
{
    FSuit = s;
    if (FValue > 14 && s != stJoker) FValue = 2;
    if (s == stJoker) {
        if (FValue < 15) FValue = 15;
        SetID(FValue + 39);
        return;
    }
    SetID(FValue + SuitBase(s));
}

void TZuSingleCard::SetCardBack(TZuCardBackType b)
{
    FCardBack = b;
    if (FShowBack && !FEmpty) Redraw();
    FOwner.CardBackChange(*this);
}

void TZuSingleCard::SetShowBack(bool b)
{
    if (b == FShowBack) return;
    FShowBack = b;
    Redraw();
    FOwner.CardShowBackChange(*this);
}

void TZuSingleCard::SetEmpty(bool b)
{
    if (b == FEmpty) return;
    FEmpty = b;
    Redraw();
    FOwner.CardEmptyChange(*this);
}

void TZuSingleCard::SetNegative(bool b)
{
    FNegative = b;
    Redraw();
}

void TZuSingleCard::SetIndex(int i)
{
    FIndex = i;
    Redraw();
}

void TZuSingleCard::CopyFrom(const TZuSingleCard& source)
{
    SetCardBack(source.CardBack());
    SetShowBack(source.ShowBack());
    SetID(source.ID());
    SetEmpty(source.Empty());
}

int TZuSingleCard::GetAbsoluteX() const
{
    return FOwner.OwnerPosition().x() + FBoundsRect.left();
}

int TZuSingleCard::GetAbsoluteY() const
{
    return FOwner.OwnerPosition().y() + FBoundsRect.top();
}

void TZuSingleCard::PlayToTable(int slot, bool backPicture)
{
    if (!FTable || FEmpty) return;
    const QPoint from(GetAbsoluteX(), GetAbsoluteY());
    if (slot >= 1 && slot <= 4) FTable->SetCurrentSlot(slot - 1);
    const QPoint to = ZuTablePlaceCorner(FTable->CurrentSlot()) + FTable->TablePosition();
    // The flight and the AfterPlay handler process messages: the owner (and
    // with it this card) or the table may go away meanwhile.
    QPointer<QObject> owner(dynamic_cast<QObject*>(&FOwner));
    const bool guarded = !owner.isNull();
    SetEmpty(true);
    FOwner.FlyCard(from + QPoint(1, 1), to, backPicture ? BackImage() : FaceImage());
    if (guarded && !owner) return;
    TZuCardGroup* group = FOwner.OwnerGroup();
    if (group) FOwner.CardPlayed(*this, slot);
    if (guarded && !owner) return;
    // A group forgets a table that went away, and its cards with it.
    if (FTable) FTable->AddPlayedCard(*this, backPicture, group);
}
