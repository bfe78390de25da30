#include "ui/network/net_words.h"

#include "game/rules/match_rules.h"

#include <QCoreApplication>

namespace zaviko::net {

QString SeatPlaceName(int seat)
{
    switch (seat) {
    case SeatS:
        return QCoreApplication::translate("TNetWords", "Jug");
    case SeatW:
        return QCoreApplication::translate("TNetWords", "Zapad");
    case SeatN:
        return QCoreApplication::translate("TNetWords", "Sever");
    case SeatE:
        return QCoreApplication::translate("TNetWords", "Istok");
    }
    return {};
}

QString StrengthName(int strength)
{
    switch (strength) {
    case 0:
        return QCoreApplication::translate("TNetWords", "Pametno");
    case 1:
        return QCoreApplication::translate("TNetWords", "Prosecno");
    case 2:
        return QCoreApplication::translate("TNetWords", "Glupo");
    default:
        return QCoreApplication::translate("TNetWords", "Majstor");
    }
}

QString SeatPlayerText(const TNetSeat& seat)
{
    // A free seat waits for a person to join it.
    if (seat.Person() || seat.kind == SeatKind::Free)
        return QCoreApplication::translate("TNetWords", "covek");
    return QCoreApplication::translate("TNetWords", "racunar (%1)")
        .arg(StrengthName(seat.strength));
}

std::array<QString, kSeatCount> SeatNames(const std::array<TNetSeat, kSeatCount>& seats, int mode)
{
    std::array<QString, kSeatCount> names;
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        const TNetSeat& s = seats[seat];
        names[seat] = !SeatPlays(mode, seat) ? SeatPlaceName(seat)
            : s.name.isEmpty()               ? SeatPlayerText(s)
                                             : s.name;
    }
    const std::array<QString, kSeatCount> given = names;
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        int same = 1;
        for (int before = SeatS; before < seat; ++before)
            if (given[before] == given[seat]) ++same;
        if (same > 1) names[seat] = QStringLiteral("%1 %2").arg(given[seat]).arg(same);
    }
    return names;
}

QString SeatConnectionText(const TNetSeat& seat)
{
    switch (seat.kind) {
    case SeatKind::Person:
        return QCoreApplication::translate("TNetWords", "povezan");
    case SeatKind::Away:
        return QCoreApplication::translate("TNetWords", "bez veze (igra racunar)");
    case SeatKind::Free:
        return QCoreApplication::translate("TNetWords", "ceka igraca");
    case SeatKind::Computer:
        break;
    }
    return QCoreApplication::translate("TNetWords", "racunar");
}

} // namespace zaviko::net
