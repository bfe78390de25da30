// Dealing from the virtual deck into card groups.
#include "cards/deck/zucard_deck.h"

#include "cards/sprite/zugraphics_lock.h"
#include "cards/group/zucard_group.h"
#include "cards/pictures/zucard_pictures.h"
#include "cards/sprite/zugraphics_sprite.h"

void TZuVirtualDeck::Deal(TZuCardGroup& group, bool append, int count)
{
    // Re-entered through message processing while a flight, another deck
    // operation or a play delay is under way: deal nothing.
    if (FVisualDeck && AnimationLocked()) return;
    TZuAnimationLockGuard lock;
    if (FVisualDeck) {
        // Flights start at the top card of the stack as it is drawn now.
        FOriginX = FVisualDeck->CardFirst().GetAbsoluteX();
        FOriginY = FVisualDeck->CardFirst().GetAbsoluteY();
    }
    if (append)
        DealAppend(group, count);
    else
        DealRefill(group);
}

void TZuVirtualDeck::DealAppend(TZuCardGroup& group, int count)
{
    TZuCardList& list = group.CardList();
    for (int n = 0; n < count; ++n) {
        const int id = NextCard();
        if (id < ZuMinCardID) continue; // exhausted: still one of the count
        QPoint to = group.pos();
        if (list.Count() > 0) {
            const TZuSingleCard& last = list.Items(list.Count() - 1)->Card();
            to = QPoint(last.GetAbsoluteX(), last.GetAbsoluteY());
        }
        if (!FlyCard(to, CardPicture(id))) return;
        list.Add().Card().SetID(id);
    }
}

void TZuVirtualDeck::DealRefill(TZuCardGroup& group)
{
    TZuCardList& list = group.CardList();
    for (int i = 0; i < list.Count(); ++i) {
        TZuSingleCard& card = list.Items(i)->Card();
        if (card.Reserved()) continue;
        const int id = NextCard();
        if (id < 0) {
            card.SetEmpty(true);
            continue;
        }
        card.SetID(id);
        const QPoint to(group.x() + card.BoundsRect().left(), group.y() + card.BoundsRect().top());
        if (!FlyCard(to, card.ShowBack() ? card.BackImage() : CardPicture(id))) return;
        if (card.Empty()) card.SetEmpty(false);
    }
}

bool TZuVirtualDeck::FlyCard(QPoint to, const QImage* picture)
{
    if (!FSprite || !FDealAnimation) return true;
    FSprite->Fly(FOriginX, FOriginY, to.x(), to.y(), picture, false);
    // The application quit during the flight: the rest of the deal is dropped.
    return !FSprite || !FSprite->Terminated();
}
