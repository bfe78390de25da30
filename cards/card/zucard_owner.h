#pragma once

#include "cards/card/zucard_types.h"

#include <QImage>
#include <QPoint>

class TZuSingleCard;
class TZuSprite;
class TZuCardGroup;

// Where a card lies inside a card table, per place (0 bottom, 1 left, 2 top,
// 3 right); any other place puts it at the table's corner.
inline QPoint ZuTablePlaceCorner(int place)
{
    switch (place) {
    case 0:
        return { 24, 60 };
    case 1:
        return { 0, 25 };
    case 2:
        return { 35, 0 };
    case 3:
        return { 60, 35 };
    }
    return {};
}

// What a card played onto a card table needs of that table.
class TZuCardTableLink {
public:
    virtual ~TZuCardTableLink() = default;
    virtual int CurrentSlot() const = 0;
    virtual void SetCurrentSlot(int slot) = 0;
    // The table's left and top in its parent.
    virtual QPoint TablePosition() const = 0;
    virtual void AddPlayedCard(TZuSingleCard& card, bool backPicture, TZuCardGroup* group) = 0;
    // The points a taken card with this ID is worth; 0 for an unlisted ID.
    virtual int PointsOf(int id) const = 0;
};

// The narrow view a card has of the control that owns it. The card controls
// implement it; a card reaches its owner only through this.
class TZuCardOwner {
public:
    virtual ~TZuCardOwner() = default;

    // While false, cards do not redraw themselves.
    virtual bool Enabled() const = 0;
    // Defaults that a new card takes from its owner.
    virtual TZuCardBackType CardBack() const = 0;
    virtual bool ShowBack() const = 0;

    // Lay the card out, draw it into the owner's picture and show it.
    virtual void RedrawCard(TZuSingleCard& card, bool immediate) = 0;

    // The owner fires its matching OnCard... event with itself as sender.
    virtual void CardEmptyChange(TZuSingleCard& card) = 0;
    virtual void CardIDChange(TZuSingleCard& card) = 0;
    virtual void CardShowBackChange(TZuSingleCard& card) = 0;
    virtual void CardBackChange(TZuSingleCard& card) = 0;

    // The owner's left and top in its parent.
    virtual QPoint OwnerPosition() const { return {}; }
    // The owner's sprite, used to fly played cards; may be none.
    virtual TZuSprite* OwnerSprite() const { return nullptr; }
    // Flies a card picture across the form with the owner's sprite, if it has
    // one; the sprite is not kept visible afterwards.
    virtual void FlyCard(QPoint /*from*/, QPoint /*to*/, const QImage* /*picture*/) { }
    // The card table a group plays onto; none for other owners.
    virtual TZuCardTableLink* OwnerTable() const { return nullptr; }
    // Non-null when the owner is a card group, which is told of each played card.
    virtual TZuCardGroup* OwnerGroup() { return nullptr; }
    // Fires the group's AfterPlay for a card played onto the table.
    virtual void CardPlayed(TZuSingleCard& /*card*/, int /*tablePos*/) { }
};
