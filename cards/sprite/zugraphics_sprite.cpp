#include "cards/sprite/zugraphics_sprite.h"

#include "cards/pictures/zucard_pictures.h"
#include "cards/sprite/zugraphics_control.h"
#include "cards/sprite/zugraphics_lock.h"
#include "cards/sprite/zugraphics_sprite_frames.h"
#include "cards/sprite/zugraphics_sprite_layer.h"
#include "cards/sprite/zugraphics_sprite_quit.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

namespace {

// One step from `from` towards `to`, not past it.
int Toward(int from, int to, int increment)
{
    // A follow step may leave an increment of 0 on an axis; never stall on it.
    if (increment <= 0) return to;
    return from < to ? std::min(from + increment, to) : std::max(from - increment, to);
}

} // namespace

TZuSprite::TZuSprite(QWidget* form)
    : QObject(form)
    , FForm(form)
{
    FTimer.setInterval(100);
    connect(&FTimer, &QTimer::timeout, this, &TZuSprite::FollowCursor);
    if (form) {
        FLayer = new TZuSpriteLayer(form);
        FAcceptedSize = form->size();
    }
    FFrames = new TZuFrameFlights(form, FLayer);
    FFrames->setParent(this);
    FFrames->AfterLanding = [this] {
        if (AfterMove) AfterMove(this);
    };
    // Key presses go to the focused child, not the form: watch them all.
    QCoreApplication::instance()->installEventFilter(this);
    ZuWatchApplicationQuit();
}

TZuSprite::~TZuSprite()
{
    delete FLayer.data();
}

void TZuSprite::SetBitmap(const QImage& picture)
{
    FBitmap = picture;
}

QSize TZuSprite::BitmapSize() const
{
    return FBitmap.isNull() ? QSize(0, 0) : FBitmap.deviceIndependentSize().toSize();
}

void TZuSprite::SetX(int v)
{
    MoveTo(v, FY);
}

void TZuSprite::SetY(int v)
{
    MoveTo(FX, v);
}

void TZuSprite::MoveTo(int x, int y)
{
    bool freshSave = true;
    if (FVisible && HasOption(doAutoErase) && FLayer)
        freshSave = FBackground.Scroll(*FLayer, QPoint(FX, FY), x - FX, y - FY);
    FX = x;
    FY = y;
    if (FVisible) Draw(freshSave);
    Flush();
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
    if (b) {
        Draw(true);
    } else {
        if (FLayer) {
            FBackground.RestoreAll(*FLayer, QPoint(FX, FY));
            FLayer->ClearLeftovers();
        }
        FBackground.Clear();
    }
    Flush();
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
        FCursorDeltaX = BitmapSize().width() / 2;
        FCursorDeltaY = BitmapSize().height() / 2;
    }
}

void TZuSprite::Fly(
    int startX, int startY, int destX, int destY, const QImage* picture, bool keepVisible)
{
    FTerminated = false;
    if (FFrames->FlightTime() > 0) {
        // The picture given may not outlive this call: the flight flies a copy.
        if (!FEnabled || FAborted) return;
        if (picture) SetBitmap(*DrawnCardPicture(picture));
        Launch(QPoint(startX, startY), QPoint(destX, destY), nullptr, 0, {});
        return;
    }
    if (!FEnabled || FAborted) {
        QCoreApplication::processEvents();
        return;
    }
    if (picture) SetBitmap(*DrawnCardPicture(picture));
    SetX(startX);
    SetY(startY);
    FHome = QPoint(startX, startY);
    FDestX = destX;
    FDestY = destY;
    SetVisible(true);
    // A terminated flight ends the whole Fly: the sprite is not hidden.
    if (!Flight()) return;
    if (!keepVisible) SetVisible(false);
}

int TZuSprite::FrameMs() const
{
    return FFrames->FrameMs();
}

int TZuSprite::FlightTime() const
{
    return FFrames->FlightTime();
}

void TZuSprite::SetFlightTime(int ms)
{
    FFrames->SetFlightTime(ms);
}

void TZuSprite::SetStage(TZuSpriteStage* stage)
{
    FFrames->SetStage(stage);
}

void TZuSprite::Launch(
    QPoint from, QPoint to, const QImage* picture, int delayMs, std::function<void()> landed)
{
    if (FFrames->FlightTime() <= 0 || !FEnabled || FAborted) {
        if (landed) landed();
        return;
    }
    FHome = from;
    FFrames->Launch(from, to, picture, FBitmap, delayMs, std::move(landed));
}

int TZuSprite::FlightsInAir() const
{
    return FFrames->InAir();
}

void TZuSprite::LandAll()
{
    FFrames->LandAll();
}

void TZuSprite::ReturnHome()
{
    Fly(FX, FY, FHome.x(), FHome.y(), nullptr, false);
}

void TZuSprite::Move()
{
    Flight();
}

bool TZuSprite::Flight()
{
    QPointer<TZuSprite> self(this);
    FTerminated = false;
    LockAnimation();
    ++FFlying;
    for (;;) {
        if (HasOption(doProcessMessages)) {
            QCoreApplication::processEvents();
            if (!self) {
                UnlockAnimation();
                return false;
            }
        }
        if (ZuApplicationTerminating()) {
            FTerminated = true;
            EndFlight();
            return false;
        }
        const bool moves = FX != FDestX || FY != FDestY;
        if (FX != FDestX) SetX(Toward(FX, FDestX, FIncrementX));
        if (FY != FDestY) SetY(Toward(FY, FDestY, FIncrementY));
        if (moves && AfterStep) AfterStep(this);
        if (FX == FDestX && FY == FDestY) return EndFlight();
    }
}

bool TZuSprite::EndFlight()
{
    QPointer<TZuSprite> self(this);
    --FFlying;
    UnlockAnimation();
    if (AfterMove) AfterMove(this);
    return self && !FTerminated;
}

void TZuSprite::Draw(bool freshSave)
{
    if (HasOption(doSynchronize)) SynchronizeForm();
    if (!FLayer || !FormShowsSprite()) return;
    if (freshSave) FBackground.Save(*FLayer, QRect(QPoint(FX, FY), BitmapSize()));
    FLayer->KeepOnTop();
    FLayer->DrawPicture(QPoint(FX, FY), FBitmap);
}

void TZuSprite::Flush()
{
    if (FLayer) FLayer->Flush();
}

void TZuSprite::SynchronizeForm()
{
    if (!FForm) return;
    QEvent event(ZuSynchronizeEvent);
    QCoreApplication::sendEvent(FForm, &event);
}

// Qt cannot tell whether other windows cover the form; the window-system
// conditions for drawing come down to what Qt knows of the form's window.
bool TZuSprite::FormShowsSprite() const
{
    if (!FForm) return false;
    QWidget* window = FForm->window();
    if (HasOption(doWindowVisible)) {
        const QWindow* handle = window->windowHandle();
        if (!FForm->isVisible() || window->isMinimized() || !handle || !handle->isExposed())
            return false;
    }
    if (HasOption(doWindowInScreen)) {
        const QScreen* screen = window->screen();
        const QRect client(FForm->mapToGlobal(QPoint(0, 0)), FForm->size());
        if (!screen || !screen->virtualGeometry().contains(client)) return false;
    }
    if (HasOption(doWindowActive) && !window->isActiveWindow()) return false;
    return true;
}
