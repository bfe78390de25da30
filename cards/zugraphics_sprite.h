#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>

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
class TZuSprite : public QObject {
    Q_OBJECT
public:
    explicit TZuSprite(QWidget* form);
    ~TZuSprite() override;

    QWidget* Form() const { return FForm; }

    const QImage& Bitmap() const { return FBitmap; }
    void SetBitmap(const QImage& picture);
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
    bool Visible() const { return FVisible; }
    void SetVisible(bool b);
    bool SnapToCursor() const { return FSnapToCursor; }
    void SetSnapToCursor(bool b);
    int CursorDeltaX() const { return FCursorDeltaX; }
    void SetCursorDeltaX(int v);
    int CursorDeltaY() const { return FCursorDeltaY; }
    void SetCursorDeltaY(int v);
    bool CursorCenter() const { return FCursorCenter; }
    void SetCursorCenter(bool b);
    TZuDrawOptions DrawOptions() const { return FDrawOptions; }
    void SetDrawOptions(TZuDrawOptions o) { FDrawOptions = o; }
    bool HasOption(TZuDrawOption o) const { return FDrawOptions & ZuDrawOptionBit(o); }

    TZuNotifyEvent AfterMove;
    TZuNotifyEvent OnOutClient;

    void Fly(int startX, int startY, int destX, int destY, const QImage* picture, bool keepVisible);
    void ReturnHome();
    void Move();

    // Set between an Esc key-down and its key-up: flights are skipped meanwhile.
    bool Aborted() const { return FAborted; }
    QPoint Home() const { return FHome; }

private:
    QPointer<QWidget> FForm;
    QImage FBitmap;
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
    QPoint FHome;
};
