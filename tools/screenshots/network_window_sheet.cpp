// The window at a network table: a guest's window with the chat beside the
// table once the match runs, and the same with a dropped connection's notice.
#include "game/controller/match_controller.h"
#include "net/client/net_session.h"
#include "settings/ini.h"
#include "ui/network/join_table_dialog.h"
#include "ui/network/net_table.h"
#include "ui/network/open_table_dialog.h"
#include "ui/network/waiting_room.h"
#include "ui/window/main_window.h"

#include "tools/screenshots/sheet_program.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

using namespace zaviko::net;

namespace {

bool Until(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

std::unique_ptr<TForm1> Window(const QTemporaryDir& dir, const QString& name)
{
    TIni ini(dir.filePath("Zaviko.ini"));
    ini.SetPlayerNames(name, ini.W, ini.N, ini.E);
    ini.SetGameOptions(0, 0, 0, 0, 0, true, false, true, true, true, false);
    auto form = std::make_unique<TForm1>(dir.path());
    form->show();
    return form;
}

bool Settled(TForm1& w)
{
    return w.Controller().RemoteMatch() && !w.Controller().Busy()
        && w.Controller().RemoteStepsWaiting() == 0;
}

} // namespace

bool SaveNetworkWindows(const QDir& folder)
{
    QTemporaryDir hostDir, guestDir;
    auto host = Window(hostDir, QStringLiteral("Lazor"));
    auto guest = Window(guestDir, QStringLiteral("Mika"));
    QTcpServer probe;
    probe.listen(QHostAddress::Any, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    TFWaitingRoom* room = nullptr;
    guest->NetTable().runDialog = [&](QDialog& d) {
        d.show();
        if (qobject_cast<TFJoinTable*>(&d)) {
            d.findChild<QPushButton*>("ButtonJoin")->click();
            return d.result();
        }
        Until([&] {
            if (room->StartButton()->isEnabled()) room->StartButton()->click();
            return d.isHidden();
        });
        return d.result();
    };
    host->NetTable().runDialog = [&](QDialog& d) {
        d.show();
        if (qobject_cast<TFOpenTable*>(&d)) {
            d.findChild<QSpinBox*>("SpinPort")->setValue(port);
            d.findChild<QPushButton*>("ButtonOpen")->click();
            return d.result();
        }
        room = static_cast<TFWaitingRoom*>(&d);
        Until([&] { return !room->LinkEdit()->text().isEmpty(); });
        const auto invitation = ParseInvitation(room->LinkEdit()->text());
        TNetSession& s = *host->NetTable().Session();
        s.SetSeat(SeatN, SeatUse::Computer, 0);
        s.SetSeat(SeatE, SeatUse::Computer, 3);
        const QString link = QStringLiteral("zaviko://127.0.0.1:%1/%2/%3")
                                 .arg(invitation->port)
                                 .arg(invitation->table, invitation->code);
        QTimer::singleShot(0, &d, [&guest, link] { guest->JoinByLink(link); });
        Until([&] { return d.isHidden(); });
        return d.result();
    };
    host->Otvoristo1Click();
    if (!Until([&] { return Settled(*guest) && Settled(*host); })) return false;
    TNetSession& mine = *guest->NetTable().Session();
    mine.Chat(QStringLiteral("Srecno svima!"));
    Until([&] { return mine.ChatLines().size() >= 2; });
    bool ok = SaveSheet(*guest, folder, "network-match");
    guest->show();
    mine.returnDelaySeconds = 600;
    mine.Cut();
    Until([&] { return mine.Phase() == SessionPhase::Reconnecting; });
    ok &= SaveSheet(*guest, folder, "network-drop");
    mine.CancelReturn();
    return ok;
}
