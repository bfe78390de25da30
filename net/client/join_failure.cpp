#include "net/client/join_failure.h"

#include <QCoreApplication>

namespace zaviko::net {

QString JoinFailureText(JoinFailure failure, const QString& detail)
{
    switch (failure) {
    case JoinFailure::WrongCode:
        return QCoreApplication::translate("TNetSession",
            "Pogresan kod stola (ili sto vise ne postoji). Proveri poziv i pokusaj ponovo.");
    case JoinFailure::TableFull:
        return QCoreApplication::translate("TNetSession", "Sto je pun: nema slobodnog mesta.");
    case JoinFailure::NoAnswer:
        return QCoreApplication::translate("TNetSession",
            "Niko se ne javlja na %1. Proveri adresu i port i da li je sto jos otvoren.")
            .arg(detail);
    case JoinFailure::Version:
        return QCoreApplication::translate("TNetSession",
            "Server govori drugu verziju protokola (%1). Igrajte istom verzijom igre.")
            .arg(detail);
    case JoinFailure::Certificate:
        return QCoreApplication::translate("TNetSession",
            "Sertifikat servera nije prihvacen (%1). Veza ne bi bila bezbedna, pa igra "
            "ne nastavlja.")
            .arg(detail);
    case JoinFailure::SlowDown:
        return QCoreApplication::translate("TNetSession",
            "Previse pogresnih kodova sa ove adrese. Sacekaj malo pa pokusaj ponovo.");
    case JoinFailure::TooManyTables:
        return QCoreApplication::translate(
            "TNetSession", "Server ne moze da otvori jos jedan sto. Pokusaj kasnije.");
    case JoinFailure::HostClosed:
        return QCoreApplication::translate(
            "TNetSession", "Domacin je zatvorio sto. Partija je zavrsena.");
    case JoinFailure::Lost:
        return QCoreApplication::translate(
            "TNetSession", "Veza sa stolom je prekinuta i nije mogla da se obnovi.");
    case JoinFailure::SeatGone:
        return QCoreApplication::translate(
            "TNetSession", "Domacin je tvoje mesto dao drugom igracu.");
    }
    return {};
}

QString RefusalText(const QString& code)
{
    if (code == QLatin1String("not_your_turn"))
        return QCoreApplication::translate("TNetSession", "Nisi na potezu.");
    if (code == QLatin1String("illegal_capture"))
        return QCoreApplication::translate("TNetSession", "Tom kartom ne mozes da nosis te karte.");
    if (code == QLatin1String("no_card"))
        return QCoreApplication::translate("TNetSession", "Na tom mestu nemas kartu.");
    if (code == QLatin1String("not_started"))
        return QCoreApplication::translate("TNetSession", "Partija jos nije pocela.");
    if (code == QLatin1String("started"))
        return QCoreApplication::translate("TNetSession", "Partija je vec u toku.");
    if (code == QLatin1String("not_host"))
        return QCoreApplication::translate("TNetSession", "To moze samo domacin stola.");
    if (code == QLatin1String("flood"))
        return QCoreApplication::translate("TNetSession", "Previse poruka odjednom; uspori malo.");
    if (code == QLatin1String("text_too_long") || code == QLatin1String("control_chars"))
        return QCoreApplication::translate(
            "TNetSession", "Poruka je prazna, preduga ili ima nedozvoljene znake.");
    return QCoreApplication::translate("TNetSession", "Server je odbio zahtev (%1).").arg(code);
}

} // namespace zaviko::net
