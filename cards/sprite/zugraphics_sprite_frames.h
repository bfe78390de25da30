#pragma once

#include "cards/sprite/zugraphics_sprite_stage.h"

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <list>

class QWidget;
class TZuSpriteLayer;

// The sprite's frame-driven flights: each flies from its start to its place
// in a set time, moved by a timer at the screen's frame rate, so nothing
// waits for it and no messages are processed from inside it. Several may be
// in the air at once. Their position depends on the time since take-off, not
// on how many frames were drawn, so a slow frame makes a jump, never a late
// landing.
class TZuFrameFlights : public QObject {
public:
    using TLanded = std::function<void()>;

    TZuFrameFlights(QWidget* form, TZuSpriteLayer* layer);

    int FlightTime() const { return FFlightTime; }
    void SetFlightTime(int ms) { FFlightTime = ms > 0 ? ms : 0; }
    // Null draws on the sprite's layer.
    void SetStage(TZuSpriteStage* stage) { FStage = stage; }

    // The picture must outlive the flight (the card picture table's do); a
    // null one flies `fallback`, copied now.
    void Launch(QPoint from, QPoint to, const QImage* picture, const QImage& fallback, int delayMs,
        TLanded landed);
    int InAir() const { return int(FFlights.size()); }
    // Lands every flight now, in the order launched, also those launched by
    // a landing meanwhile.
    void LandAll();
    // The time between frames: the form's screen's refresh interval.
    int FrameMs() const;

    // Called after each landing, the flight's own landed first.
    TLanded AfterLanding;

private:
    struct TFlight {
        const QImage* picture;
        QImage own;
        QPointF from, to;
        qint64 takeOff; // ms on FClock
        TLanded landed;
    };

    void Tick();
    void Show(qint64 now);
    void Land(std::list<TFlight>& landed);

    QPointer<QWidget> FForm;
    QPointer<TZuSpriteLayer> FLayer;
    TZuSpriteStage* FStage = nullptr;
    int FFlightTime = 0;
    std::list<TFlight> FFlights;
    QElapsedTimer FClock;
    QTimer FTimer;
};
