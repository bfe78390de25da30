#pragma once

#include <QtGlobal>

#include <array>

// How the card flights kept up, gathered for the frame probe (scripts/perf.sh):
// the flight frames shown, the time cards were in the air, the longest time
// between two flight frames and the longest paint of the table view while
// cards flew, in wall time and in the GUI thread's processor time (which a
// loaded machine does not stretch). Counted on the GUI thread only.
struct TFlightFigures {
    bool flying = false;
    qint64 frames = 0;
    qint64 flyingNs = 0;
    qint64 longestGapNs = 0;
    // Gaps longer than one frame of a 60 Hz screen (16.7 ms) and than 25 ms.
    qint64 gapsOver17ms = 0;
    qint64 gapsOver25ms = 0;
    // Of the gaps over 16.7 ms, those where the GUI thread was idle for less
    // than the frame interval: its own work held the next frame back. In the
    // others it waited the whole interval and was woken late (the machine's
    // load, the X server).
    qint64 gapsOver17msBusy = 0;
    qint64 frameIntervalNs = 16'000'000;
    // Every gap by tenths of a millisecond up to 100 ms, the last bin
    // holding the longer ones: the gaps' percentiles.
    std::array<qint64, 1001> gapsByTenthMs {};
    qint64 longestPaintNs = 0;
    qint64 longestPaintCpuNs = 0;
    // The width and height of the area of the table the longest paint drew.
    int longestPaintWidth = 0;
    int longestPaintHeight = 0;
    qint64 longestPaintEpochMs = 0; // when it was drawn
    qint64 paintCpuNs = 0;
    qint64 paintNs = 0; // wall time
    qint64 paints = 0;
    // Paints longer than the frame a flight allows (16 ms): one slow paint
    // or many.
    qint64 paintsOver16ms = 0;
};
TFlightFigures& FlightFigures();
// The gap (ms) that a share `q` (0 to 1) of the flight frames' gaps stay
// within; 0 with no gaps.
double FlightGapPercentileMs(const TFlightFigures& figures, double q);
// The processor time the calling thread has used, in ns.
qint64 ThreadCpuNs();
