// The card table's rules: cards played onto it, refused or accepted, tricks,
// cards given back, and clicks on the table.
#include "cards/table/zucard_table.h"

#include "cards/group/zucard_group.h"
#include "cards/table/zucard_wait_timer.h"
#include "cards/sprite/zugraphics_lock.h"
#include "cards/sprite/zugraphics_sprite.h"

#include <QMouseEvent>

namespace {

bool IsTrump(const TZuSingleCard& card, TZuCardSuitType trump)
{
    // stJoker as the trump means no trump, not that the jokers are trumps.
    return trump != stJoker && card.Suit() == trump;
}

} // namespace

bool TZuCardTable::GroupHoldsSuit(const TZuCardGroup* group, TZuCardSuitType suit) const
{
    return group && group->FirstSlotOfSuit(suit) >= 0;
}

bool TZuCardTable::GroupHoldsOtherThan(const TZuCardGroup* group, TZuCardSuitType suit) const
{
    if (!group) return false;
    for (int i = 0; i < group->SlotCount(); ++i) {
        const TZuSingleCard* card = group->CardAt(i);
        if (!card->Empty() && card->Suit() != suit) return true;
    }
    return false;
}

bool TZuCardTable::CardAllowed(const TZuSingleCard& card, const TZuCardGroup* group) const
{
    if (!FGameOptions.SuitChecking()) return true;
    const TZuCardSuitType trump = FGameOptions.Trump();
    if (FPlayed.empty()) {
        // No trump lead before trumps have been played, unless the group holds
        // nothing but trumps: it would otherwise never lead again.
        const bool onlyTrumps = group && !GroupHoldsOtherThan(group, trump);
        return !(FGameOptions.StrictSuitChecking() && !FTrumpPlayed && IsTrump(card, trump)
            && !onlyTrumps);
    }
    // Follow suit when the group can.
    return !(group && GroupHoldsSuit(group, FLedSuit) && card.Suit() != FLedSuit);
}

void TZuCardTable::AddPlayedCard(TZuSingleCard& card, bool faceDown, TZuCardGroup* group)
{
    QPointer<TZuCardTable> self(this);
    QPointer<TZuCardGroup> player(group);
    TZuAnimationLockGuard lock;
    const bool checking = FGameOptions.SuitChecking();
    if (checking && FPlayed.empty()) FLedSuit = card.Suit();
    const bool suitExists = checking && GroupHoldsSuit(group, FLedSuit);
    bool accept = CardAllowed(card, group);
    // The handler sees the card, and may end its group or the table: what is
    // needed of the card afterwards is taken now.
    const int id = card.ID();
    const int slot = card.Index();
    const bool trump = IsTrump(card, FGameOptions.Trump());
    if (BeforeAddCard) BeforeAddCard(this, &card, suitExists, accept);
    if (!self) return;
    if (group && !player) group = nullptr;
    if (!accept) {
        Refuse(slot, id, faceDown, group);
        return;
    }
    // Marked only once the card is surely down.
    if (checking && !FPlayed.empty() && trump) FTrumpPlayed = true;
    Accept(id, faceDown, group);
}

// A refused card flies back from the table to its slot and shows again there.
void TZuCardTable::Refuse(int slot, int id, bool faceDown, TZuCardGroup* group)
{
    if (!group) return;
    QPointer<TZuCardGroup> player(group);
    QPointer<TZuCardTable> self(this);
    const TZuSingleCard* card = group->CardAt(slot);
    if (!card) return;
    const QPoint at = ZuTablePlaceCorner(FCurrentPlace) + pos();
    const QPoint home(card->GetAbsoluteX() + 1, card->GetAbsoluteY() + 1);
    const QImage* shown = faceDown ? card->BackImage() : card->FaceImage();
    const QImage picture = shown ? *shown : QImage();
    if (TZuSprite* sprite = Sprite()) {
        sprite->SetBitmap(picture);
        sprite->SetX(at.x());
        sprite->SetY(at.y());
        sprite->SetVisible(true);
    }
    const int delay = FGameOptions.TakeDelay();
    if (delay > 0) ZuWait(delay);
    if (self && Sprite()) Sprite()->Fly(at.x(), at.y(), home.x(), home.y(), nullptr, false);
    // Whatever went away meanwhile, the card belongs back in its slot.
    if (!player) return;
    if (TZuSingleCard* back = player->CardAt(slot); back && back->ID() == id) back->SetEmpty(false);
}

void TZuCardTable::Accept(int id, bool faceDown, TZuCardGroup* group)
{
    QPointer<TZuCardTable> self(this);
    PlaceCard(id, faceDown, group);
    if (!self) return;
    if (++FNextPlayer >= PlayerCount()) FNextPlayer = 0;
    if (++FCardsInTrick >= FGameOptions.CardsPerTrick()) {
        FCardsInTrick = 0;
        const TZuTableNotifyEvent& finished
            = FCardsToPlay > 0 ? AfterTrickFinish : AfterPartyFinish;
        if (finished) finished(this);
        if (!self) return;
    }
    // A handler may have shortened the player list under the next player:
    // the turn wraps as it does past the last one.
    if (FNextPlayer >= PlayerCount()) FNextPlayer = 0;
    if (!FGameOptions.AutoPlay() || PlayerCount() == 0) return;
    if (TZuCardGroup* next = FPlayerList.Items(FNextPlayer)->CardGroup()) next->Play();
}

// Gives the top card back into the first empty slot of the group. Nothing
// happens without a card on the table or a free slot to take it.
void TZuCardTable::TakeBack(TZuCardGroup* group)
{
    if (!group) return;
    QPointer<TZuCardGroup> player(group);
    QPointer<TZuCardTable> self(this);
    if (group->Controller() == ctComputer && FGameOptions.TakeDelay() > 0) {
        if (!ZuWait(FGameOptions.TakeDelay()) || !self || !player) return;
    }
    TZuSingleCard* top = CardAtPlace(FTopPlace);
    if (FPlayed.empty() || !top || top->Empty()) return;
    const int slot = group->FirstEmptySlot();
    TZuSingleCard* target = group->CardAt(slot);
    if (!target || !target->Empty()) return;

    const int place = FTopPlace;
    const int id = top->ID();
    const bool faceUp = !top->ShowBack();
    const QImage picture = top->Picture() ? *top->Picture() : QImage();
    top->SetEmpty(true);
    FPlaceGroups[std::size_t(place)] = nullptr;
    RedrawPlaces(false);
    ForgetTopCard(place, id, faceUp);
    if (TZuSprite* sprite = Sprite()) {
        const QPoint from = ZuTablePlaceCorner(place) + pos();
        sprite->Fly(
            from.x(), from.y(), target->GetAbsoluteX(), target->GetAbsoluteY(), &picture, false);
    }
    if (!player) return;
    if (TZuSingleCard* card = player->CardAt(slot)) {
        card->SetID(id);
        card->SetEmpty(false);
    }
}

// The card given back is no longer played: the played list, the counts and
// the top card go back to how they were before it came down.
void TZuCardTable::ForgetTopCard(int place, int id, bool faceUp)
{
    FPlayed.pop_back();
    FCurrentPlace = place;
    if (faceUp) CountCard(id, -1);
    ++FCardsToPlay;
    if (FCardsInTrick > 0) --FCardsInTrick;
    if (FPlayed.empty()) FLedSuit = stJoker;
    // As the cards left would have been put down on a cleared table: the first
    // has -1 (no card) before it, and an empty table -2.
    FTopID = FPrevID;
    FPrevID = PlayedCount() >= 2 ? FPlayed[FPlayed.size() - 2] : PlayedCount() == 1 ? -1 : -2;
    FTopPlace = -1;
    // The card before lies one place back in the play direction, if still shown.
    const TZuSingleCard* before = CardAtPlace(NextPlace(place, -1));
    if (FTopID >= 0 && before && !before->Empty() && before->ID() == FTopID)
        FTopPlace = NextPlace(place, -1);
}

TZuCardGroup* TZuCardTable::FirstHumanGroup() const
{
    for (int i = 0; i < PlayerCount(); ++i) {
        TZuCardGroup* group = FPlayerList.Items(i)->CardGroup();
        if (group && group->Controller() == ctHuman) return group;
    }
    return nullptr;
}

void TZuCardTable::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (AnimationLocked()) return;
    QPointer<TZuCardTable> self(this);
    TZuAnimationLockGuard lock;
    bool takeIt = false;
    TZuSingleCard* top = CardAtPlace(FTopPlace);
    if (OnCardClick && top && !top->Empty()) OnCardClick(this, top, takeIt);
    if (self && takeIt) TakeBack(FirstHumanGroup());
}
