#pragma once

#include "cards/card/zucard_single.h"
#include "cards/sprite/zugraphics_card_control.h"

#include <memory>

// How the visual deck draws its stack: dcSingle steps each layer 4 right and
// 2 down (3 layers when full), dcDouble only right (12 layers when full).
enum TZuVisualDeckType { dcSingle, dcDouble };

// When a new visual deck first draws: at once, or when it is first painted on
// the screen. Until then a held deck lays its cards out and sizes itself as
// always but draws nothing, so a form that sets up and deals before it shows
// (or never shows its deck) draws nothing that is not seen.
enum class TZuDeckDrawing { AtOnce, WhenShown };

// The deck on the table: a stack that thins as cards are taken, its top card
// (CardFirst, Index 1) and the bottom card (CardLast, Index 0) peeking out on
// the left. A virtual deck drives it; on its own it only draws.
class TZuCardDeck : public TZuCustomCardControl {
    Q_OBJECT
public:
    static constexpr int SingleLayers = 3;
    static constexpr int DoubleLayers = 12;

    explicit TZuCardDeck(
        QWidget* parent = nullptr, TZuDeckDrawing drawing = TZuDeckDrawing::AtOnce);
    ~TZuCardDeck() override;

    TZuSingleCard& CardFirst() { return *FCardFirst; }
    const TZuSingleCard& CardFirst() const { return *FCardFirst; }
    void SetCardFirst(const TZuSingleCard& card) { FCardFirst->CopyFrom(card); }
    TZuSingleCard& CardLast() { return *FCardLast; }
    const TZuSingleCard& CardLast() const { return *FCardLast; }
    void SetCardLast(const TZuSingleCard& card) { FCardLast->CopyFrom(card); }

    TZuVisualDeckType DeckType() const { return FDeckType; }
    void SetDeckType(TZuVisualDeckType t);
    bool ShowLastCard() const { return FShowLastCard; }
    void SetShowLastCard(bool b);
    bool DeckEmpty() const { return FDeckEmpty; }
    void SetDeckEmpty(bool b);
    TZuCardBackType DeckEmptyCardBack() const { return FDeckEmptyCardBack; }
    void SetDeckEmptyCardBack(TZuCardBackType b);

    void SetCardBack(TZuCardBackType b) override;
    void SetShowBack(bool b) override;

    // Edge layers drawn under the top card. Below 0 on an exhausted deck
    // switches it to DeckEmpty and restores the full count; else it is refused.
    int Layers() const { return FLayers; }
    void SetLayers(int n);
    void DropLayer() { SetLayers(FLayers - 1); }

    // Set by the virtual deck when its last card is taken, cleared by preparation.
    bool Exhausted() const { return FExhausted; }
    void SetExhausted(bool b) { FExhausted = b; }

    // Draws the bottom card, then the top card. immediate: invalidate;
    // otherwise copy the changed areas to the screen at once.
    void Redraw(bool immediate);
    // What the form does after loading the control: AutoEmpty starts it used up.
    void Loaded();

    void RedrawCard(TZuSingleCard& card, bool immediate) override;
    // True until a deck made with TZuDeckDrawing::WhenShown is first painted.
    bool DrawingHeld() const { return FDrawingHeld; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void RedrawAtPictureScale() override;

private:
    // Where the top card lies on the stack of the present layers.
    QRect TopCardBounds() const;
    // A held deck's change: the cards' places and the picture's size only.
    void LayOutCard(TZuSingleCard& card);
    void DrawBottomCard(TZuSingleCard& card);
    void DrawTopCard(TZuSingleCard& card);
    void DrawUsedUp(TZuSingleCard& card);
    void ShowChange(const QRect& area, bool immediate);

    std::unique_ptr<TZuSingleCard> FCardLast;
    std::unique_ptr<TZuSingleCard> FCardFirst;
    TZuVisualDeckType FDeckType = dcSingle;
    bool FShowLastCard = true;
    bool FDeckEmpty = false;
    TZuCardBackType FDeckEmptyCardBack = cbO;
    int FLayers = SingleLayers;
    bool FExhausted = false;
    bool FDrawingHeld = false;
    // Drawing in the first paint: the picture is shown by that paint.
    bool FDrawingInPaint = false;
};
