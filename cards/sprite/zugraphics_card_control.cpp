#include "cards/sprite/zugraphics_card_control.h"

#include "cards/sprite/zugraphics_sprite.h"

TZuCustomCardControl::TZuCustomCardControl(QWidget* parent)
    : TZuCustomGraphicControl(parent)
{
    SetGraphicEmpty(false);
}

void TZuCustomCardControl::SetCardFinish(const TZuCardFinish& finish)
{
    if (finish == FFinish) return;
    FFinish = finish;
    RedrawAtPictureScale();
    update();
}

void TZuCustomCardControl::SetEnabled(bool b)
{
    FEnabled = b;
    setEnabled(b);
}

void TZuCustomCardControl::SetSprite(TZuSprite* sprite)
{
    FSprite = sprite;
}

void TZuCustomCardControl::SetEmpty(bool b)
{
    SetGraphicEmpty(b);
    if (FEnabled) update();
}

void TZuCustomCardControl::FlyCard(QPoint from, QPoint to, const QImage* picture)
{
    FlyCard(from, to, picture, 0, {});
}

void TZuCustomCardControl::FlyCard(
    QPoint from, QPoint to, const QImage* picture, int delayMs, std::function<void()> landed)
{
    if (FSprite && FSprite->FlightTime() > 0) {
        FSprite->Launch(from, to, picture, delayMs, std::move(landed));
        return;
    }
    if (FSprite) FSprite->Fly(from.x(), from.y(), to.x(), to.y(), picture, false);
    if (landed) landed();
}
