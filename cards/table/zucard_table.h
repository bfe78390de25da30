#pragma once

#include "cards/deck/zucard_deck.h"
#include "cards/card/zucard_single.h"
#include "cards/table/zucard_table_options.h"
#include "cards/sprite/zugraphics_card_control.h"

#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class TZuCardGroup;
class TZuCardTable;

using TZuTableNotifyEvent = std::function<void(TZuCardTable* sender)>;
using TZuBeforeAddCardEvent
    = std::function<void(TZuCardTable* sender, TZuSingleCard* card, bool suitExists, bool& accept)>;
using TZuAfterAddCardEvent = std::function<void(TZuCardTable* sender, int playedCardsCount,
    int topCardPos, TZuSingleCard* topCard, int topCardID, int prevCardID, bool ownedCard)>;
using TZuAfterDealToTableEvent = std::function<void(
    TZuCardTable* sender, int playedCardsCount, int topCardPos, TZuSingleCard* topCard)>;
using TZuTableCardClickEvent
    = std::function<void(TZuCardTable* sender, TZuSingleCard* topCard, bool& takeIt)>;

// The table of a trick-taking game: four places (0 bottom, 1 left, 2 top,
// 3 right) where the players' cards land, the rules of following suit and of
// trumps, trick counting, the points of taken cards and the players' groups.
// Groups linked to it play onto it through TZuCardTableLink.
class TZuCardTable : public TZuCustomCardControl, public TZuCardTableLink {
    Q_OBJECT
public:
    static constexpr int Places = 4;
    static constexpr int SurfaceWidth = 131;
    static constexpr int SurfaceHeight = 156;

    explicit TZuCardTable(QWidget* parent = nullptr);
    ~TZuCardTable() override;

    // The four place cards; assigning one copies back, face-down flag, ID and emptiness.
    TZuSingleCard& CardBottom() const { return *FPlaces[0]; }
    void SetCardBottom(const TZuSingleCard& c) { FPlaces[0]->CopyFrom(c); }
    TZuSingleCard& CardLeft() const { return *FPlaces[1]; }
    void SetCardLeft(const TZuSingleCard& c) { FPlaces[1]->CopyFrom(c); }
    TZuSingleCard& CardTop() const { return *FPlaces[2]; }
    void SetCardTop(const TZuSingleCard& c) { FPlaces[2]->CopyFrom(c); }
    TZuSingleCard& CardRight() const { return *FPlaces[3]; }
    void SetCardRight(const TZuSingleCard& c) { FPlaces[3]->CopyFrom(c); }
    // The place card for 0..3, none otherwise.
    TZuSingleCard* CardAtPlace(int place) const;
    // The group whose card lies at a place now; none for a dealt card.
    TZuCardGroup* PlaceGroup(int place) const;

    bool RandomCards() const { return FRandomCards; }
    void SetRandomCards(bool b);
    TZuVirtualDeck* VirtualDeck() const { return FVirtualDeck.data(); }
    void SetVirtualDeck(TZuVirtualDeck* deck);
    TZuPlayerList& PlayerList() { return FPlayerList; }
    const TZuPlayerList& PlayerList() const { return FPlayerList; }
    TZuPointList& PointList() { return FPointList; }
    const TZuPointList& PointList() const { return FPointList; }
    TZuGameOptions& GameOptions() { return FGameOptions; }
    const TZuGameOptions& GameOptions() const { return FGameOptions; }
    void SetCardBack(TZuCardBackType b) override;
    void SetShowBack(bool b) override;

    // The play state.
    int PlayedCount() const { return int(FPlayed.size()); }
    int PlayedID(int i) const;
    int PlayerCount() const { return FPlayerList.Count(); }
    int TopCardPlace() const { return FTopPlace; }
    int TopCardID() const { return FTopID; }
    int PrevCardID() const { return FPrevID; }
    TZuCardSuitType LedSuit() const { return FLedSuit; }
    bool TrumpPlayed() const { return FTrumpPlayed; }
    int CardsInTrick() const { return FCardsInTrick; }
    // Cards still to play in the hand: DealingFinished counts them from the
    // players' groups; every card put down takes one off.
    int CardsToPlay() const { return FCardsToPlay; }
    void SetCardsToPlay(int n) { FCardsToPlay = n; }
    // Index into PlayerList of the player whose turn comes next; a program
    // sets it to the taker of a trick. Out-of-range values are ignored.
    int NextPlayer() const { return FNextPlayer; }
    void SetNextPlayer(int i);
    // Cards put down face up since the hand began (IDs 2..55, values 2..15,
    // suits in TZuCardSuitType order); 0 outside those ranges.
    int PlayedIDCount(int id) const;
    int PlayedValueCount(int value) const;
    int PlayedSuitCount(TZuCardSuitType suit) const;

    // The table's side of a played card (TZuCardTableLink).
    int CurrentSlot() const override { return FCurrentPlace; }
    void SetCurrentSlot(int place) override;
    QPoint TablePosition() const override { return pos(); }
    void AddPlayedCard(TZuSingleCard& card, bool faceDown, TZuCardGroup* group) override;
    int PointsOf(int id) const override { return FPointList.PointsOf(id); }

    // Whether the rules would take this card of `group` now (none: a card
    // not from a group); the BeforeAddCard handler may still refuse it.
    bool CardAllowed(const TZuSingleCard& card, const TZuCardGroup* group) const;
    void PlaceCard(int id, bool faceDown, TZuCardGroup* group);
    void TakeBack(TZuCardGroup* group);
    void ClearTable(bool withPlayers);
    // Ends a deal: cards still to play := the players' non-empty cards, then
    // AfterDealingFinish fires.
    void DealingFinished();
    // Repaints the non-empty places, the last card put down on top.
    void RedrawPlaces(bool immediate);
    // What the form does after loading the control at run time.
    void Loaded();

    TZuBeforeAddCardEvent BeforeAddCard;
    TZuAfterAddCardEvent AfterAddCard;
    TZuTableNotifyEvent AfterTrickFinish;
    TZuTableNotifyEvent AfterPartyFinish;
    TZuTableNotifyEvent AfterDealingFinish;
    TZuAfterDealToTableEvent AfterDealToTable;
    TZuTableCardClickEvent OnCardClick;

    void RedrawCard(TZuSingleCard& card, bool immediate) override;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool GroupHoldsSuit(const TZuCardGroup* group, TZuCardSuitType suit) const;
    bool GroupHoldsOtherThan(const TZuCardGroup* group, TZuCardSuitType suit) const;
    void Refuse(int slot, int id, bool faceDown, TZuCardGroup* group);
    void ForgetTopCard(int place, int id, bool faceUp);
    void Accept(int id, bool faceDown, TZuCardGroup* group);
    void CountCard(int id, int delta);
    int NextPlace(int place, int step) const;
    TZuCardGroup* FirstHumanGroup() const;
    void ClearPlayers();

    std::array<std::unique_ptr<TZuSingleCard>, Places> FPlaces;
    std::array<QPointer<TZuCardGroup>, Places> FPlaceGroups;
    bool FRandomCards = false;
    QPointer<TZuVirtualDeck> FVirtualDeck;
    TZuPlayerList FPlayerList;
    TZuPointList FPointList;
    TZuGameOptions FGameOptions;

    std::vector<int> FPlayed;
    int FCurrentPlace = 0;
    int FTopPlace = -1;
    int FTopID = -1;
    int FPrevID = -2;
    TZuCardSuitType FLedSuit = stJoker;
    bool FTrumpPlayed = false;
    int FCardsInTrick = 0;
    int FCardsToPlay = 0;
    int FNextPlayer = 0;
    std::array<int, ZuMaxCardID + 1> FIDCount {};
    std::array<int, 16> FValueCount {};
    std::array<int, 5> FSuitCount {};
};
