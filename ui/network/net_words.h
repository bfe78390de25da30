#pragma once

#include "net/client/net_session.h"

#include <QString>

// The words the network dialogs and the window use for seats: their place at
// the table, who plays them, and whether that player is there.

namespace zaviko::net {

// "Jug", "Zapad", "Sever", "Istok": a seat's place, as the server numbers it.
QString SeatPlaceName(int seat);
// "Majstor", "Pametno", ... for a computer strength.
QString StrengthName(int strength);
// "covek", or "racunar (Majstor)".
QString SeatPlayerText(const TNetSeat& seat);
// "povezan", "bez veze (igra racunar)", "ceka igraca", "racunar".
QString SeatConnectionText(const TNetSeat& seat);
// The strengths in the order the options dialog lists them, strongest first.
inline constexpr int kStrengthOrder[] = { 3, 0, 1, 2 };

} // namespace zaviko::net
