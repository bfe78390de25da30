#include "cards/sprite/zugraphics_sprite_frames.h"

#include "cards/pictures/zucard_pictures.h"
#include "cards/sprite/zugraphics_sprite_layer.h"

#include <QEasingCurve>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

TZuFrameFlights::TZuFrameFlights(QWidget* form, TZuSpriteLayer* layer)
    : FForm(form)
    , FLayer(layer)
{
    FTimer.setTimerType(Qt::PreciseTimer);
    connect(&FTimer, &QTimer::timeout, this, &TZuFrameFlights::Tick);
    FClock.start();
}

int TZuFrameFlights::FrameMs() const
{
    const QScreen* screen = FForm ? FForm->screen() : nullptr;
    const qreal rate = screen ? screen->refreshRate() : 60.0;
    // A millisecond under the refresh, rounded down: a 60 Hz screen gets a
    // frame every 15 ms, so a tick the event loop serves a little late still
    // brings a new frame before the next refresh.
    return std::clamp(int(1000.0 / (rate > 1 ? rate : 60.0)) - 1, 4, 40);
}

void TZuFrameFlights::Launch(QPoint from, QPoint to, const QImage* picture, const QImage& fallback,
    int delayMs, TLanded landed)
{
    TFlight flight { picture, picture ? QImage() : fallback, from, to,
        FClock.elapsed() + std::max(0, delayMs), std::move(landed) };
    FFlights.push_back(std::move(flight));
    if (!FTimer.isActive()) FTimer.start(FrameMs());
    // A flight that takes off now shows at its start in this frame.
    Show(FClock.elapsed());
}

void TZuFrameFlights::Tick()
{
    const qint64 now = FClock.elapsed();
    std::list<TFlight> landed;
    for (auto it = FFlights.begin(); it != FFlights.end();) {
        const auto next = std::next(it);
        if (now - it->takeOff >= FFlightTime) landed.splice(landed.end(), FFlights, it);
        it = next;
    }
    Show(now);
    Land(landed);
    if (FFlights.empty()) FTimer.stop();
}

void TZuFrameFlights::Show(qint64 now)
{
    static const QEasingCurve ease(QEasingCurve::OutQuad);
    std::vector<TZuFlightFrame> frames;
    for (const TFlight& flight : FFlights) {
        if (now < flight.takeOff) continue; // still waiting at the start
        const qreal t = FFlightTime > 0 ? qreal(now - flight.takeOff) / FFlightTime : 1.0;
        const qreal p = ease.valueForProgress(std::clamp(t, 0.0, 1.0));
        frames.push_back({ flight.picture ? flight.picture : &flight.own,
            flight.from + (flight.to - flight.from) * p });
    }
    if (FStage) {
        FStage->ShowFrames(frames);
        return;
    }
    if (!FLayer) return;
    FLayer->ClearLeftovers();
    for (const TZuFlightFrame& frame : frames)
        FLayer->DrawPicture(frame.at.toPoint(), *DrawnCardPicture(frame.picture));
    FLayer->KeepOnTop();
    FLayer->Flush();
}

void TZuFrameFlights::Land(std::list<TFlight>& landed)
{
    QPointer<TZuFrameFlights> self(this);
    for (TFlight& flight : landed) {
        if (flight.landed) flight.landed();
        if (!self) return;
        if (AfterLanding) AfterLanding();
        if (!self) return;
    }
}

void TZuFrameFlights::LandAll()
{
    QPointer<TZuFrameFlights> self(this);
    // A landing may launch more; they land too, a bounded number of rounds.
    for (int round = 0; round < 64 && self && !FFlights.empty(); ++round) {
        std::list<TFlight> landed;
        landed.swap(FFlights);
        Show(FClock.elapsed());
        Land(landed);
    }
    if (self && FFlights.empty()) FTimer.stop();
}
