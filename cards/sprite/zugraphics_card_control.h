#pragma once

#include "cards/card/zucard_owner.h"
#include "cards/pictures/zucard_paint.h"
#include "cards/sprite/zugraphics_control.h"
#include "cards/sprite/zugraphics_sprite.h"

#include <QPointer>

#include <functional>

class TZuCustomCardControl;

using TZuSingleCardNotifyEvent
    = std::function<void(TZuCustomCardControl* sender, TZuSingleCard* card)>;

// The common base of the card controls (groups, the card table, the visual
// deck): the card-related properties and the owner side of its cards.
class TZuCustomCardControl : public TZuCustomGraphicControl, public TZuCardOwner {
    Q_OBJECT
public:
    explicit TZuCustomCardControl(QWidget* parent = nullptr);

    TZuCardBackType CardBack() const override { return FCardBack; }
    virtual void SetCardBack(TZuCardBackType b) { FCardBack = b; }
    bool ShowBack() const override { return FShowBack; }
    virtual void SetShowBack(bool b) { FShowBack = b; }
    bool AutoEmpty() const { return FAutoEmpty; }
    void SetAutoEmpty(bool b) { FAutoEmpty = b; }
    bool AllowChangeBack() const { return FAllowChangeBack; }
    void SetAllowChangeBack(bool b) { FAllowChangeBack = b; }
    bool Enabled() const override { return FEnabled; }
    void SetEnabled(bool b);
    TZuSprite* Sprite() const { return FSprite.data(); }
    virtual void SetSprite(TZuSprite* sprite);
    bool Empty() const { return GraphicEmpty(); }
    void SetEmpty(bool b);

    // How the cards are finished (corners, marks); redrawn when changed.
    const TZuCardFinish& CardFinish() const { return FFinish; }
    void SetCardFinish(const TZuCardFinish& finish);

    TZuSingleCardNotifyEvent OnCardEmptyChange;
    TZuSingleCardNotifyEvent OnCardIDChange;
    TZuSingleCardNotifyEvent OnCardShowBackChange;
    TZuSingleCardNotifyEvent OnCardBackChange;

    // The owner side of the cards.
    void CardEmptyChange(TZuSingleCard& card) override { Fire(OnCardEmptyChange, card); }
    void CardIDChange(TZuSingleCard& card) override { Fire(OnCardIDChange, card); }
    void CardShowBackChange(TZuSingleCard& card) override { Fire(OnCardShowBackChange, card); }
    void CardBackChange(TZuSingleCard& card) override { Fire(OnCardBackChange, card); }
    QPoint OwnerPosition() const override { return pos(); }
    TZuSprite* OwnerSprite() const override { return Sprite(); }
    void FlyCard(QPoint from, QPoint to, const QImage* picture) override;
    // The same flight, told when the card is down: at once after a stepped
    // flight or without a sprite, at its landing for a frame-driven one
    // (which takes off delayMs from now).
    void FlyCard(
        QPoint from, QPoint to, const QImage* picture, int delayMs, std::function<void()> landed);
    // The sprite flies frame-driven flights, which return before they land.
    bool FramesFly() const { return FSprite && FSprite->FlightTime() > 0 && FSprite->Enabled(); }

private:
    void Fire(const TZuSingleCardNotifyEvent& event, TZuSingleCard& card)
    {
        if (event) event(this, &card);
    }

    TZuCardFinish FFinish;
    TZuCardBackType FCardBack = cbDefault;
    bool FShowBack = true;
    bool FAutoEmpty = false;
    bool FAllowChangeBack = true;
    bool FEnabled = true;
    QPointer<TZuSprite> FSprite;
};
