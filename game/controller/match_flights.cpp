// Card flights: what the controller flies with the card groups' sprite
// (TCardFlights keeps every card in one place while it flies). Runs on the
// GUI thread, except AwaitFlights.
#include "game/controller/match_controller.h"

#include "cards/deck/zucard_deck.h"
#include "cards/pictures/zucard_pictures.h"

#include <algorithm>

namespace {

QPoint CornerOf(const TZuSingleCard& card)
{
    return { card.GetAbsoluteX(), card.GetAbsoluteY() };
}

} // namespace

bool TMatchController::FlightsOn() const
{
    // Hidden, nobody sees them: the start-up's deals and tests without a table.
    return FControls.PlayerS->FramesFly() && FControls.PlayerS->isVisible();
}

void TMatchController::LandFlights()
{
    FFlights.LandAll(FControls.PlayerS->Sprite());
}

void TMatchController::SequenceFlightsDown(std::function<void()> landed)
{
    FFlights.WhenDown(std::move(landed));
}

void TMatchController::AwaitFlights()
{
    if (FFlights.Up() == 0) return;
    FWorker.AwaitLanding(
        [this](std::function<void()> landed) { SequenceFlightsDown(std::move(landed)); });
}

// A card that lands shows in its slot: what the slot holds in the state now.
// The landing comes while the worker waits for it, or with no worker running.
void TMatchController::FlyDeal(bool newDeck)
{
    struct TDealt {
        TZuCardGroup* group;
        int slot;
        int id;
    };
    std::vector<TDealt> dealt;
    for (int slot = 0; slot < kHandSlots; ++slot)
        for (int seat = SeatS; seat <= SeatE; ++seat) {
            TZuCardGroup* group = Seat(seat);
            const int id = FState.hands[seat][slot];
            // A new deck's hands all fly, also over what a match left by "Nova" showed.
            if (id != kNoCard && slot < group->SlotCount()
                && (newDeck || group->CardAt(slot)->Empty()))
                dealt.push_back({ group, slot, id });
        }
    if (newDeck)
        for (const TTableSlot& place : TableSlots(FState))
            dealt.push_back({ place.row == 0 ? FControls.Talon1 : FControls.Talon2, place.slot,
                FState.table[place.row][place.slot] });
    for (const TDealt& d : dealt)
        FFlights.ExpectLanding(d.group, d.slot);
    ShowTable();
    ShowHands();
    if (newDeck) FView.ArrangeTable();
    const QPoint deck(FControls.Deck->OriginX(), FControls.Deck->OriginY());
    TZuSprite* sprite = FControls.PlayerS->Sprite();
    const int gap = sprite->FlightTime() / 6;
    int delay = 0;
    for (const TDealt& d : dealt) {
        TZuSingleCard* card = d.group->CardAt(d.slot);
        const QImage* picture = d.group->ShowBack() ? card->BackImage() : CardPictureSlot(d.id);
        FFlights.Launch(*d.group, deck, CornerOf(*card), picture, delay,
            [this, group = d.group, slot = d.slot] {
                FFlights.Landed(group, slot);
                ShowTable();
                ShowHands();
            });
        delay += gap;
    }
}

void TMatchController::FlyLaidCard(int seat, int handSlot, int id)
{
    TZuCardGroup& hand = *Seat(seat);
    const QPoint from = CornerOf(*hand.CardAt(handSlot));
    // The rules put the card in a slot that does not show it yet.
    TTableSlot target { -1, -1 };
    for (const TTableSlot& place : TableSlots(FState)) {
        const TZuCardGroup* row = place.row == 0 ? FControls.Talon1 : FControls.Talon2;
        const TZuSingleCard* shown
            = place.slot < row->SlotCount() ? row->CardAt(place.slot) : nullptr;
        if (FState.table[place.row][place.slot] == id && (!shown || shown->Empty())) target = place;
    }
    TZuCardGroup* row = target.row == 0 ? FControls.Talon1 : FControls.Talon2;
    if (target.row >= 0) FFlights.ExpectLanding(row, target.slot);
    ShowHands();
    ShowTable();
    if (target.row < 0) return; // nothing to fly to: it shows already
    FFlights.Launch(hand, from, CornerOf(*row->CardAt(target.slot)), CardPictureSlot(id), 0,
        [this, row, slot = target.slot] {
            FFlights.Landed(row, slot);
            ShowTable();
        });
}

void TMatchController::FlySweep(
    int seat, int handSlot, int playedId, const std::vector<TTableSlot>& take)
{
    TZuCardGroup& taker = *Seat(seat);
    std::vector<std::pair<QPoint, int>> swept { { CornerOf(*taker.CardAt(handSlot)), playedId } };
    for (const TTableSlot& place : take) {
        const TZuSingleCard& card = *TableCard(place);
        swept.emplace_back(CornerOf(card), card.ID());
    }
    ShowHands();
    ShowTable();
    SweepInto(taker, swept);
}

void TMatchController::SequenceRestTaken(const THandEnd& end)
{
    // Off, the end of the hand shows the table and the taken lists at once.
    if (!FlightsOn() || end.restTaker == kNoSeat) return;
    // The rules have emptied the table: every card it still shows is the rest.
    std::vector<std::pair<QPoint, int>> rest;
    for (const TZuCardGroup* row : { FControls.Talon1, FControls.Talon2 })
        for (int slot = 0; slot < row->SlotCount(); ++slot)
            if (const TZuSingleCard& card = *row->CardAt(slot); !card.Empty())
                rest.emplace_back(CornerOf(card), card.ID());
    ShowTable();
    SweepInto(*Seat(end.restTaker), rest);
}

void TMatchController::SweepInto(
    TZuCardGroup& taker, const std::vector<std::pair<QPoint, int>>& cards)
{
    // Into the middle of the taker's hand, where its taken cards go.
    const QPoint to = taker.geometry().center() - QPoint(ZuCardWidth / 2, ZuCardHeight / 2);
    for (const auto& [from, id] : cards)
        FFlights.Launch(taker, from, to, CardPictureSlot(id), 0, [this, group = &taker, id = id] {
            group->TakeCards({ id });
            // The last one down: the list in the state's order.
            if (FFlights.Up() == 1) ShowTaken();
        });
}
