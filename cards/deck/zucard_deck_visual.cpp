#include "cards/deck/zucard_deck_visual.h"

#include "cards/sprite/zugraphics_sprite.h"

#include <QPainter>

#include <utility>

TZuCardDeck::TZuCardDeck(QWidget* parent, TZuDeckDrawing drawing)
    : TZuCustomCardControl(parent)
    , FDrawingHeld(drawing == TZuDeckDrawing::WhenShown)
{
    // The bottom card is created and turned face up first: its drawing sizes the
    // picture that the top card then draws into.
    FCardLast = std::make_unique<TZuSingleCard>(*this, &Bitmap());
    FCardLast->SetShowBack(false);
    FCardFirst = std::make_unique<TZuSingleCard>(*this, &Bitmap());
    FCardFirst->SetIndex(1);
    Redraw(true);
    resize(BitmapSize());
}

TZuCardDeck::~TZuCardDeck() = default;

void TZuCardDeck::SetDeckType(TZuVisualDeckType t)
{
    FDeckType = t;
    if (t == dcDouble) {
        SetLayers(DoubleLayers);
        return;
    }
    if (Enabled() && !Bitmap().isNull() && !FDrawingHeld) {
        QPainter painter(&Bitmap());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(QRect(16, 0, BitmapSize().width() - 16, 20), BrushColor());
    }
    SetLayers(SingleLayers);
}

void TZuCardDeck::SetShowLastCard(bool b)
{
    FShowLastCard = b;
    Redraw(false);
}

void TZuCardDeck::SetDeckEmpty(bool b)
{
    FDeckEmpty = b;
    if (!b) FLayers = FDeckType == dcSingle ? SingleLayers : DoubleLayers;
    Redraw(false);
}

void TZuCardDeck::SetDeckEmptyCardBack(TZuCardBackType b)
{
    FDeckEmptyCardBack = b;
    if (FDeckEmpty) Redraw(false);
}

void TZuCardDeck::SetCardBack(TZuCardBackType b)
{
    TZuCustomCardControl::SetCardBack(b);
    FCardLast->SetCardBack(b);
    FCardFirst->SetCardBack(b);
}

void TZuCardDeck::SetShowBack(bool b)
{
    TZuCustomCardControl::SetShowBack(b);
    FCardLast->SetShowBack(false); // the bottom card always shows its face
    FCardFirst->SetShowBack(b);
}

void TZuCardDeck::SetLayers(int n)
{
    if (n >= 0) {
        FLayers = n;
        Redraw(false);
        return;
    }
    // Dropping below the last layer of a used-up deck shows it as empty; the
    // type is written again to restore the full layer count.
    if (!FExhausted) return;
    SetDeckEmpty(true);
    SetDeckType(FDeckType);
}

void TZuCardDeck::Redraw(bool immediate)
{
    if (!Enabled()) return;
    RedrawCard(*FCardLast, immediate);
    RedrawCard(*FCardFirst, immediate);
}

void TZuCardDeck::paintEvent(QPaintEvent* event)
{
    if (std::exchange(FDrawingHeld, false)) {
        FDrawingInPaint = true;
        Redraw(false);
        FDrawingInPaint = false;
    }
    TZuCustomCardControl::paintEvent(event);
}

void TZuCardDeck::RedrawAtPictureScale()
{
    // The new scale starts from a blank picture: without the stack drawn
    // into it again, the deck would vanish from any table shown above 1x.
    TZuCustomCardControl::RedrawAtPictureScale();
    Redraw(true);
}

void TZuCardDeck::Loaded()
{
    if (AutoEmpty()) SetDeckEmpty(true);
}
