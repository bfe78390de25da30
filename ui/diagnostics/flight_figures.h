#pragma once

#include <QtGlobal>

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
    qint64 longestPaintNs = 0;
    qint64 longestPaintCpuNs = 0;
    qint64 paintCpuNs = 0;
    qint64 paints = 0;
};
TFlightFigures& FlightFigures();
// The processor time the calling thread has used, in ns.
qint64 ThreadCpuNs();
