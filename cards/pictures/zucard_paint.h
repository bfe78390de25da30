#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

class TZuSingleCard;

// Draws the card's picture with its top-left corner at `corner` into `target`,
// as much of it as falls inside `clip`, over what lies beneath except where
// the picture is transparent (its cut corners). A marked card is inverted
// where the card itself is, so its corners keep what lies beneath and
// unmarking it leaves nothing inverted behind.
void ZuPaintCard(QImage& target, const TZuSingleCard& card, QPoint corner, const QRect& clip);

// How a control finishes its cards: the plain pictures with marked cards
// inverted (the default), or rounded corners with marked cards tinted and
// ringed in `markTint`. In a row of whole cards a marked card also rises
// `markLift` pixels above the others, which the row makes room for.
struct TZuCardFinish {
    int cornerRadius = 0;
    QColor markTint;
    int markLift = 0;
    bool operator==(const TZuCardFinish&) const = default;
};
void ZuPaintCard(QImage& target, const TZuSingleCard& card, QPoint corner, const QRect& clip,
    const TZuCardFinish& finish);

// A card's picture cut to corners of `radius` pixels, smoothly, with a fine
// edge that keeps a white card apart from a light table.
QImage ZuRoundedCardPicture(const QImage& picture, qreal radius);
// How many rounded copies of pictures are held for painting (those of the
// pictures that are not drawn rounded already).
int ZuRoundedCopiesHeld();
