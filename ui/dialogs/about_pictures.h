#pragma once

#include <QPixmap>

// The About dialog's two pictures, drawn on a transparent ground at the
// given device pixel ratio so they stay sharp on hi-DPI screens.

// Three cards fanned out, as on the program's icon (61 x 30).
QPixmap CardFanPicture(qreal DevicePixelRatio);

// The program's name between a club and a heart on a green ribbon (110 x 20).
QPixmap LogoPicture(qreal DevicePixelRatio);
