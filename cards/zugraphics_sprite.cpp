#include "cards/zugraphics_sprite.h"

#include "cards/zugraphics_lock.h"

#include <QCoreApplication>

#include <algorithm>

TZuSprite::TZuSprite(QWidget* form)
    : QObject(form)
    , FForm(form)
{
}

TZuSprite::~TZuSprite() = default;

void TZuSprite::SetBitmap(const QImage& picture)
{
    FBitmap = picture;
}

void TZuSprite::SetX(int v)
{
    FX = v;
}

void TZuSprite::SetY(int v)
{
    FY = v;
}

void TZuSprite::SetIncrementX(int v)
{
    if (v > 0) FIncrementX = v;
}

void TZuSprite::SetIncrementY(int v)
{
    if (v > 0) FIncrementY = v;
}

void TZuSprite::SetVisible(bool b)
{
    FVisible = b;
}

void TZuSprite::SetSnapToCursor(bool b)
{
    FSnapToCursor = b;
}

void TZuSprite::SetCursorDeltaX(int v)
{
    FCursorDeltaX = v;
    FCursorCenter = false;
}

void TZuSprite::SetCursorDeltaY(int v)
{
    FCursorDeltaY = v;
    FCursorCenter = false;
}

void TZuSprite::SetCursorCenter(bool b)
{
    FCursorCenter = b;
    if (b) {
        FCursorDeltaX = FBitmap.width() / 2;
        FCursorDeltaY = FBitmap.height() / 2;
    }
}

void TZuSprite::Fly(
    int startX, int startY, int destX, int destY, const QImage* picture, bool keepVisible)
{
    if (!FEnabled || FAborted) {
        QCoreApplication::processEvents();
        return;
    }
    if (picture) SetBitmap(*picture);
    FX = startX;
    FY = startY;
    FHome = { startX, startY };
    FDestX = destX;
    FDestY = destY;
    SetVisible(true);
    Move();
    if (!keepVisible) SetVisible(false);
}

void TZuSprite::ReturnHome()
{
    Fly(FX, FY, FHome.x(), FHome.y(), nullptr, false);
}

void TZuSprite::Move()
{
    LockAnimation();
    while (FX != FDestX || FY != FDestY) {
        if (HasOption(doProcessMessages)) QCoreApplication::processEvents();
        if (FX != FDestX)
            SetX(FX < FDestX ? std::min(FX + FIncrementX, FDestX)
                             : std::max(FX - FIncrementX, FDestX));
        if (FY != FDestY)
            SetY(FY < FDestY ? std::min(FY + FIncrementY, FDestY)
                             : std::max(FY - FIncrementY, FDestY));
    }
    UnlockAnimation();
    if (AfterMove) AfterMove(this);
}
