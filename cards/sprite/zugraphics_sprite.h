#pragma once

#include "cards/sprite/zugraphics_sprite_background.h"
#include "cards/sprite/zugraphics_sprite_layer.h"
#include "cards/sprite/zugraphics_sprite_stage.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

class QKeyEvent;
class TZuFrameFlights;
class QResizeEvent;

// Options of how a sprite draws; bit number = ordinal.
enum TZuDrawOption {
    doSynchronize,
    doProcessMessages,
    doDetectEscKey,
    doWindowActive,
    doWindowVisible,
    doWindowPreventResize,
    doWindowInScreen,
    doAutoErase,
    doAutoRefresh
};
using TZuDrawOptions = unsigned; // a set of TZuDrawOption bits
constexpr TZuDrawOptions ZuDrawOptionBit(TZuDrawOption o)
{
    return 1u << o;
}
constexpr TZuDrawOptions ZuDefaultDrawOptions = 175;

using TZuNotifyEvent = std::function<void(QObject* sender)>;

// Flies a small picture (a card) across its form in straight steps, saving and
// restoring the form's pixels under it.
//
// It draws on a layer of its own (TZuSpriteLayer): a transparent child on top of
// the form's other children. The background buffer holds the form's pixels
// under the sprite as the form shows them without any sprite.
//
// Ending with the application: when the application accepts a quit while a
// flight processes messages (ZuApplicationTerminating), the flight ends at once:
// the animation lock is released, AfterMove fires, and Move and Fly return
// without finishing (Fly leaves the sprite shown where it stopped). Terminated() is then
// true until the next flight starts. A caller that flies several cards (a deal)
// checks Terminated() after each Fly and stops there, so nothing has to be
// thrown through Qt's loop to end the whole operation.
class TZuSprite : public QObject {
    Q_OBJECT
public:
    explicit TZuSprite(QWidget* form);
    ~TZuSprite() override;

    QWidget* Form() const { return FForm; }

    // The picture that flies, drawn opaque: it replaces the pixels under it,
    // except where it is itself transparent (a card's rounded corners).
    const QImage& Bitmap() const { return FBitmap; }
    void SetBitmap(const QImage& picture);
    // Its size in logical pixels.
    QSize BitmapSize() const;
    // Writing X or Y of a visible sprite moves it: with doAutoErase the buffer
    // scrolls (only the uncovered strips are restored and read). Writing the
    // current value redraws it with a fresh save, which reads the form without
    // the sprite and so never saves the sprite as its own background.
    int X() const { return FX; }
    void SetX(int v);
    int Y() const { return FY; }
    void SetY(int v);
    int IncrementX() const { return FIncrementX; }
    void SetIncrementX(int v);
    int IncrementY() const { return FIncrementY; }
    void SetIncrementY(int v);
    int DestX() const { return FDestX; }
    void SetDestX(int v) { FDestX = v; }
    int DestY() const { return FDestY; }
    void SetDestY(int v) { FDestY = v; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool b) { FEnabled = b; }
    // Hiding restores the saved background and clears whatever else of the
    // sprite the layer still holds (a trail drawn without doAutoErase).
    bool Visible() const { return FVisible; }
    void SetVisible(bool b);
    bool SnapToCursor() const { return FSnapToCursor; }
    // Writing the value it already has does nothing. Snapping puts a visible sprite's background
    // back before emptying the buffer, so that no picture stays behind where the sprite was.
    void SetSnapToCursor(bool b);
    int CursorDeltaX() const { return FCursorDeltaX; }
    void SetCursorDeltaX(int v);
    int CursorDeltaY() const { return FCursorDeltaY; }
    void SetCursorDeltaY(int v);
    bool CursorCenter() const { return FCursorCenter; }
    void SetCursorCenter(bool b);
    // What Qt knows of the window stands in for the window system's answers:
    // doWindowVisible draws only on a shown, exposed, not minimised form;
    // doWindowInScreen only when the form's client area lies inside its screens;
    // doWindowActive only on the active window. doAutoRefresh puts the picture
    // in again after each form paint (the layer already keeps it on top).
    TZuDrawOptions DrawOptions() const { return FDrawOptions; }
    void SetDrawOptions(TZuDrawOptions o) { FDrawOptions = o; }
    bool HasOption(TZuDrawOption o) const { return FDrawOptions & ZuDrawOptionBit(o); }

    TZuNotifyEvent AfterMove;
    TZuNotifyEvent OnOutClient;
    // Fired after each step of a flight, at the new place.
    TZuNotifyEvent AfterStep;

    void Fly(int startX, int startY, int destX, int destY, const QImage* picture, bool keepVisible);
    void ReturnHome();
    void Move();

    // Set between an Esc key-down and its key-up: flights are skipped meanwhile.
    bool Aborted() const { return FAborted; }
    // The last flight was ended by the application's termination (see above).
    bool Terminated() const { return FTerminated; }
    QPoint Home() const { return FHome; }

    // Frame-driven flights. With a flight time above 0, Fly starts a flight
    // of that many milliseconds and returns at once (keepVisible aside): a
    // timer at the screen's frame rate moves it, several flights may be in the
    // air at once, and AfterMove fires as each lands. Enabled and the Esc
    // abort still skip flights. 0, the default, flies in steps inside Fly.
    int FlightTime() const;
    void SetFlightTime(int ms);
    // Where frame-driven flights are drawn (not owned); null, the default,
    // draws them on the sprite's layer.
    void SetStage(TZuSpriteStage* stage);
    // The time between two frames of a frame-driven flight on the form's screen.
    int FrameMs() const;
    // A frame-driven flight that takes off delayMs from now; landed runs when
    // it is down. The picture must outlive the flight (the card picture
    // table's do); null flies the sprite's Bitmap as it is now. Without a
    // flight time, or while flights are skipped, landed runs at once.
    void Launch(
        QPoint from, QPoint to, const QImage* picture, int delayMs, std::function<void()> landed);
    // The frame-driven flights taken off or waiting to.
    int FlightsInAir() const;
    // Every frame-driven flight lands now, each landed in its turn.
    void LandAll();

    // One step of cursor following, run by the 100 ms timer while SnapToCursor.
    void FollowCursor();
    bool FollowTimerActive() const { return FTimer.isActive(); }

    // The background buffer: the form's pixels under the sprite (0 × 0 while hidden).
    const QImage& Background() const { return FBackground.Image(); }
    // What the sprite draws on; null once the form is gone.
    TZuSpriteLayer* Layer() const { return FLayer; }

protected:
    // The form hooks, as one application-wide event filter that never eats an
    // event (the form's own handlers always run): Esc down and up, whichever
    // child of the form has the focus; a resize of the form while the animation
    // lock is held (with doWindowPreventResize) is undone, back to the last size
    // accepted, once the resize event is done; the redraw after a form paint.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MoveTo(int x, int y);
    // Flies to the destination; false when the flight did not end normally
    // (terminated, or the sprite was destroyed meanwhile).
    bool Flight();
    bool EndFlight();
    void Draw(bool freshSave);
    bool FormShowsSprite() const;
    void SynchronizeForm();
    void Flush();
    bool InForm(QObject* object) const;
    void KeyHook(QKeyEvent* event);
    void ResizeHook(QResizeEvent* event);
    void PaintHook();

    QPointer<QWidget> FForm;
    QPointer<TZuSpriteLayer> FLayer;
    QImage FBitmap;
    TZuSpriteBackground FBackground;
    int FX = 0, FY = 0;
    int FIncrementX = 4, FIncrementY = 4;
    int FDestX = 0, FDestY = 0;
    bool FEnabled = true;
    bool FVisible = false;
    bool FSnapToCursor = false;
    int FCursorDeltaX = 0, FCursorDeltaY = 0;
    bool FCursorCenter = true;
    TZuDrawOptions FDrawOptions = ZuDefaultDrawOptions;
    bool FAborted = false;
    bool FTerminated = false;
    QPoint FHome;
    bool FFirstFollow = false;
    int FSavedIncrementX = 4, FSavedIncrementY = 4;
    int FFlying = 0;
    QTimer FTimer;
    TZuFrameFlights* FFrames = nullptr;
    // The form's size as last accepted; a refused resize goes back to it.
    QSize FAcceptedSize;
};
