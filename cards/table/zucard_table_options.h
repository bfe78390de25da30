#pragma once

#include "cards/card/zucard_types.h"

#include <QPointer>

#include <memory>
#include <vector>

class TZuCardGroup;

// The order in which the table's places take cards.
enum TZuTableDir { tdClockWise, tdCounterClockWise };

// The rule settings of a card table. Some are kept for the program that uses
// the table and change nothing in the table itself (marked "stored only").
class TZuGameOptions {
public:
    bool SuitChecking() const { return FSuitChecking; }
    void SetSuitChecking(bool b) { FSuitChecking = b; }
    // No trump may lead before a trump has been played onto other cards.
    bool StrictSuitChecking() const { return FStrictSuitChecking; }
    void SetStrictSuitChecking(bool b) { FStrictSuitChecking = b; }
    bool TakerPlay() const { return FTakerPlay; } // stored only
    void SetTakerPlay(bool b) { FTakerPlay = b; }
    int TableOpenCards() const { return FTableOpenCards; } // stored only
    void SetTableOpenCards(int n) { FTableOpenCards = n; }
    int TableCloseCards() const { return FTableCloseCards; } // stored only
    void SetTableCloseCards(int n) { FTableCloseCards = n; }
    // stJoker: no trump.
    TZuCardSuitType Trump() const { return FTrump; }
    void SetTrump(TZuCardSuitType s) { FTrump = s; }
    int FinishScore() const { return FFinishScore; } // stored only
    void SetFinishScore(int n) { FFinishScore = n; }
    // Cards that make a trick; values below 1 are ignored.
    int CardsPerTrick() const { return FCardsPerTrick; }
    void SetCardsPerTrick(int n)
    {
        if (n >= 1) FCardsPerTrick = n;
    }
    // Milliseconds before a card goes back; negative values are ignored.
    int TakeDelay() const { return FTakeDelay; }
    void SetTakeDelay(int ms)
    {
        if (ms >= 0) FTakeDelay = ms;
    }
    TZuTableDir AutoPosDirection() const { return FAutoPosDirection; }
    void SetAutoPosDirection(TZuTableDir d) { FAutoPosDirection = d; }
    // After each card the next player's group plays by itself.
    bool AutoPlay() const { return FAutoPlay; }
    void SetAutoPlay(bool b) { FAutoPlay = b; }

private:
    bool FSuitChecking = false;
    bool FStrictSuitChecking = false;
    bool FTakerPlay = false;
    int FTableOpenCards = 0;
    int FTableCloseCards = 0;
    TZuCardSuitType FTrump = stJoker;
    int FFinishScore = 0;
    int FCardsPerTrick = 1;
    int FTakeDelay = 500;
    TZuTableDir FAutoPosDirection = tdClockWise;
    bool FAutoPlay = false;
};

// What a taken card with a given ID is worth.
class TZuPointItem {
public:
    int CardID() const { return FCardID; }
    void SetCardID(int id) { FCardID = id; }
    int Points() const { return FPoints; }
    void SetPoints(int p) { FPoints = p; }

private:
    int FCardID = 14;
    int FPoints = 1;
};

// An owned list of items, addressed by index; out-of-range indexes give none.
template <class TItem> class TZuItemList {
public:
    int Count() const { return int(FItems.size()); }
    TItem* Items(int index) const
    {
        if (index < 0 || index >= Count()) return nullptr;
        return FItems[std::size_t(index)].get();
    }
    TItem& Add()
    {
        FItems.push_back(std::make_unique<TItem>());
        return *FItems.back();
    }
    void Delete(int index)
    {
        if (index >= 0 && index < Count()) FItems.erase(FItems.begin() + index);
    }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TItem>> FItems;
};

class TZuPointList : public TZuItemList<TZuPointItem> {
public:
    // The points of the first item with this ID; 0 for an unlisted ID.
    int PointsOf(int id) const
    {
        for (int i = 0; i < Count(); ++i)
            if (Items(i)->CardID() == id) return Items(i)->Points();
        return 0;
    }
    TZuPointItem& Add(int id, int points)
    {
        TZuPointItem& item = TZuItemList::Add();
        item.SetCardID(id);
        item.SetPoints(points);
        return item;
    }
    using TZuItemList::Add;
};

// One player at the table: the card group that plays for it. A group that
// goes away leaves the item without one.
class TZuPlayerItem {
public:
    TZuCardGroup* CardGroup() const { return FCardGroup.data(); }
    void SetCardGroup(TZuCardGroup* group);

private:
    QPointer<TZuCardGroup> FCardGroup;
};

// The players in playing order.
class TZuPlayerList : public TZuItemList<TZuPlayerItem> {
public:
    TZuPlayerItem& Add(TZuCardGroup* group)
    {
        TZuPlayerItem& item = TZuItemList::Add();
        item.SetCardGroup(group);
        return item;
    }
    using TZuItemList::Add;
};
