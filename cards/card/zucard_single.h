#pragma once

#include "cards/ids/card_ids.h"
#include "cards/card/zucard_owner.h"
#include "cards/card/zucard_types.h"

#include <QImage>
#include <QPoint>
#include <QRect>

// One card. Its identity is the ID; suit, value, colour, rank, sort key and face
// picture are always derived from it, whichever of ID, Value or Suit was written.
class TZuSingleCard {
public:
    explicit TZuSingleCard(TZuCardOwner& owner, QImage* ownerBitmap = nullptr);
    ~TZuSingleCard();
    TZuSingleCard(const TZuSingleCard&) = delete;
    TZuSingleCard& operator=(const TZuSingleCard&) = delete;

    int ID() const { return FID; }
    void SetID(int n);
    int Value() const { return FValue; }
    void SetValue(int v);
    TZuCardSuitType Suit() const { return FSuit; }
    void SetSuit(TZuCardSuitType s);
    TZuCardBackType CardBack() const { return FCardBack; }
    void SetCardBack(TZuCardBackType b);
    bool ShowBack() const { return FShowBack; }
    void SetShowBack(bool b);
    bool Empty() const { return FEmpty; }
    void SetEmpty(bool b);
    bool Reserved() const { return FReserved; }
    void SetReserved(bool b) { FReserved = b; }
    bool Negative() const { return FNegative; }
    void SetNegative(bool b);
    int Index() const { return FIndex; }
    void SetIndex(int i);

    int SuitColor() const { return FSuitColor; } // 0 black, 1 red, 2 joker
    int SuitRank() const { return FSuitRank; } // 1..5
    int SortKey() const { return FSortKey; } // Value * 100 + SuitRank

    TZuCardOwner& Owner() const { return FOwner; }
    TZuCardTableLink* Table() const { return FTable; }
    void SetTable(TZuCardTableLink* table) { FTable = table; }
    TZuSprite* Sprite() const { return FSprite; }
    void SetSprite(TZuSprite* sprite) { FSprite = sprite; }
    QImage* OwnerBitmap() const { return FOwnerBitmap; }
    void SetOwnerBitmap(QImage* bitmap) { FOwnerBitmap = bitmap; }

    QRect BoundsRect() const { return FBoundsRect; }
    void SetBoundsRect(const QRect& r) { FBoundsRect = r; }

    // Looked up when asked for, so a card that is never shown never has its
    // picture drawn.
    const QImage* FaceImage() const;
    const QImage* BackImage() const;
    // The picture the card shows now: its back when face down, else its face.
    const QImage* Picture() const { return FShowBack ? BackImage() : FaceImage(); }
    // The number in the picture table of the picture it shows now.
    int PictureNumber() const;

    // Copies back type, face-down flag, ID and emptiness, each through its setter.
    void CopyFrom(const TZuSingleCard& source);

    int GetAbsoluteX() const;
    int GetAbsoluteY() const;

    // Moves the card from its group onto the group's card table: slot 1..4 picks
    // bottom, left, top, right; the back picture flies when backPicture is set.
    void PlayToTable(int slot, bool backPicture);

    static constexpr int SuitBase(TZuCardSuitType s);

private:
    void Derive();
    void Redraw();

    TZuCardOwner& FOwner;
    TZuCardTableLink* FTable;
    TZuSprite* FSprite;
    QImage* FOwnerBitmap;
    int FID = 14;
    int FValue = 14;
    TZuCardSuitType FSuit = stClub;
    TZuCardBackType FCardBack = cbDefault;
    bool FShowBack = true;
    bool FEmpty = false;
    bool FReserved = false;
    bool FNegative = false;
    int FIndex = 0;
    int FSuitColor = 0;
    int FSuitRank = 1;
    int FSortKey = 1401;
    QRect FBoundsRect;
};

constexpr int TZuSingleCard::SuitBase(TZuCardSuitType s)
{
    switch (s) {
    case stClub:
        return SuitBlockBase(TIdSuit::Clubs);
    case stDiamond:
        return SuitBlockBase(TIdSuit::Diamonds);
    case stSpade:
        return SuitBlockBase(TIdSuit::Spades);
    case stHeart:
        return SuitBlockBase(TIdSuit::Hearts);
    case stJoker:
        break;
    }
    return kRedJokerId - kJokerValue; // jokers: 15 + 39 is the red joker
}
