#include "ui/window/flight_stage.h"

#include "cards/pictures/zucard_pictures.h"
#include "cards/card/zucard_types.h"
#include "ui/diagnostics/flight_figures.h"

#include <QGraphicsScene>
#include <QPainter>

#include <algorithm>
#include <ctime>

TFlightFigures& FlightFigures()
{
    static TFlightFigures figures;
    return figures;
}

double FlightGapPercentileMs(const TFlightFigures& figures, double q)
{
    qint64 total = 0;
    for (const qint64 count : figures.gapsByTenthMs)
        total += count;
    if (total == 0) return 0.0;
    qint64 seen = 0;
    for (std::size_t bin = 0; bin < figures.gapsByTenthMs.size(); ++bin) {
        seen += figures.gapsByTenthMs[bin];
        if (seen >= q * double(total)) return double(bin + 1) / 10.0;
    }
    return 100.0;
}

qint64 ThreadCpuNs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

TFlightStage::TFlightStage()
{
    // Over the table's proxy, which sits at z 0.
    setZValue(1);
    setAcceptedMouseButtons(Qt::NoButton);
}

QRectF TFlightStage::boundingRect() const
{
    return FArea;
}

void TFlightStage::SetArea(const QRectF& area)
{
    prepareGeometryChange();
    FArea = area;
}

void TFlightStage::ShowFrames(const std::vector<TZuFlightFrame>& frames)
{
    // Only the places left and the places taken are drawn again.
    for (const TShown& shown : FShown)
        RepaintPlace(shown.place);
    FShown.clear();
    Count(!frames.empty());
    for (const TZuFlightFrame& frame : frames) {
        // A card's picture may be its place in the picture table, drawn
        // here at the view's scale only.
        const QImage* picture = CardPictureForScale(frame.picture, FScale);
        if (!picture || picture->isNull()) continue;
        // Whole table pixels at the view's scale, so the picture is copied
        // pixel for pixel rather than smoothed.
        const QPointF at(
            qRound(frame.at.x() * FScale) / FScale, qRound(frame.at.y() * FScale) / FScale);
        const QRectF place(at, QSizeF(ZuCardWidth, ZuCardHeight));
        FShown.push_back({ *picture, place });
    }
    for (const TShown& shown : FShown)
        RepaintPlace(shown.place);
}

void TFlightStage::RepaintPlace(const QRectF& place)
{
    // Through the scene, each place on its own: an item's own updates are
    // joined into one rectangle until the scene draws, so cards flying
    // apart (a deal, a capture) had the whole table between them repainted.
    if (QGraphicsScene* stage = scene())
        stage->update(mapRectToScene(place));
    else
        update(place);
}

void TFlightStage::Count(bool flying)
{
    TFlightFigures& figures = FlightFigures();
    const qint64 cpu = ThreadCpuNs();
    // The figures are the program's; a stage made while another's flights
    // were counted has no frame of its own to count from yet.
    if (figures.flying && FSinceFrame.isValid()) {
        const qint64 gap = FSinceFrame.nsecsElapsed();
        figures.flyingNs += gap;
        figures.longestGapNs = std::max(figures.longestGapNs, gap);
        figures.gapsOver17ms += gap > 16'700'000;
        figures.gapsOver25ms += gap > 25'000'000;
        const qint64 idle = gap - (cpu - FCpuAtFrame);
        figures.gapsOver17msBusy += gap > 16'700'000 && idle < figures.frameIntervalNs;
        ++figures.gapsByTenthMs[std::size_t(std::clamp<qint64>(gap / 100'000, 0, 1000))];
    }
    figures.flying = flying;
    if (flying) ++figures.frames;
    FSinceFrame.start();
    FCpuAtFrame = cpu;
}

void TFlightStage::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    for (const TShown& shown : FShown)
        painter->drawImage(shown.place, shown.picture);
}
