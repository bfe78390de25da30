#pragma once

#include "net/client/net_session.h"

#include <QString>

#include <array>

// The words the network dialogs and the window use for seats: their place at
// the table, who plays them, and whether that player is there.

namespace zaviko::net {

// "Jug", "Zapad", "Sever", "Istok": a seat's place, as the server numbers it.
QString SeatPlaceName(int seat);
// "Majstor", "Pametno", ... for a computer strength.
QString StrengthName(int strength);
// "covek", or "racunar (Majstor)".
QString SeatPlayerText(const TNetSeat& seat);
// The names the seats play under, by the server's seat numbers: a player's
// own name, or what plays a computer's seat; a seat the mode leaves empty
// keeps its place's name. Seats that would share a name (two guests who kept
// the default one, two computers of one strength) are told apart by a number
// after the second and later ones, in seat order, so every window names a
// seat the same way and the history and the scores never show two alike.
std::array<QString, kSeatCount> SeatNames(const std::array<TNetSeat, kSeatCount>& seats, int mode);
// "povezan", "bez veze (igra racunar)", "ceka igraca", "racunar".
QString SeatConnectionText(const TNetSeat& seat);
// The strengths in the order the options dialog lists them, strongest first.
inline constexpr int kStrengthOrder[] = { 3, 0, 1, 2 };

} // namespace zaviko::net
