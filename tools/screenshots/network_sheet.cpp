// Renders the network dialogs: opening a table, joining one (empty, from a
// link, with a bad link), the waiting room as the host and as a guest sees it
// with a chat under way, and a joining failure's message.
#include "net/client/join_failure.h"
#include "net/host/local_server.h"
#include "ui/network/join_table_dialog.h"
#include "ui/network/open_table_dialog.h"
#include "ui/network/waiting_room.h"

#include "tools/screenshots/sheet_language.h"
#include "tools/screenshots/sheet_program.h"
#include "tools/screenshots/sheets.h"

#include <QElapsedTimer>
#include <QMessageBox>

using namespace zaviko::net;

namespace {

// Turns the event loop until the condition holds or five seconds pass.
bool Await(const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}

// The same sample addresses in every run, so the sheets compare.
const QStringList kAddresses { QStringLiteral("192.168.1.20"), QStringLiteral("[fd00::20]") };

bool SaveRooms(const QDir& folder)
{
    TLocalServer server;
    if (!server.Start(0)) return false;
    TNetSession host, guest;
    host.Open(server.OwnUrl(), QStringLiteral("Lazor"), { kEachForHimself, 0, true, 3, 0, true });
    if (!Await([&] { return !host.Link().isEmpty(); })) return false;
    host.SetSeat(SeatE, SeatUse::Computer, 0);
    TInvitation invitation = *ParseInvitation(host.Link());
    invitation.host = QStringLiteral("127.0.0.1");
    guest.Join(invitation, QStringLiteral("Mika"));
    if (!Await([&] { return host.Seats()[SeatW].Connected(); })) return false;
    guest.Chat(QStringLiteral("Zdravo svima!"));
    host.Chat(QStringLiteral("Jos jedan i pocinjemo."));
    Await([&] { return guest.ChatLines().size() >= 2 && host.ChatLines().size() >= 3; });
    bool ok = true;
    TFWaitingRoom hostRoom(host, kAddresses);
    ok &= SaveSheet(hostRoom, folder, "waiting-room-host");
    // Every seat filled: the host may start.
    host.SetSeat(SeatN, SeatUse::Computer, 1);
    Await([&] { return host.SeatsFilled() && guest.SeatsFilled(); });
    hostRoom.Refresh();
    ok &= SaveSheet(hostRoom, folder, "waiting-room-host-filled");
    TFWaitingRoom guestRoom(guest, kAddresses);
    ok &= SaveSheet(guestRoom, folder, "waiting-room-guest");
    return ok;
}

} // namespace

bool SaveNetworkWindows(const QDir& folder);

int RunNetworkSheet(int argc, char** argv)
{
    TSheetProgram program(argc, argv, snSettingsFolder | snCardPictures);
    if (!program.Ready() || !InstallSheetLanguage()) return 1;
    const QDir folder = program.Dir();
    bool ok = true;

    TOpenTableChoice choice;
    choice.name = QStringLiteral("Lazor");
    choice.seats = { -1, 3, -1, 0 };
    TFOpenTable open(choice, kAddresses);
    ok &= SaveSheet(open, folder, "open-table");

    TFJoinTable join(QStringLiteral("Mika"));
    ok &= SaveSheet(join, folder, "join-table");
    join.SetLink(QStringLiteral(
        "zaviko://192.168.1.20:7461/5f0c1a2b3c4d5e6f/c07d0123456789abcdef0123456789ab"));
    ok &= SaveSheet(join, folder, "join-table-link");
    join.SetLink(QStringLiteral("zaviko://192.168.1.20/sto"));
    ok &= SaveSheet(join, folder, "join-table-bad");

    ok &= SaveRooms(folder);
    ok &= SaveNetworkWindows(folder);

    QMessageBox failure(QMessageBox::Critical, QStringLiteral("Zaviko"),
        JoinFailureText(JoinFailure::NoAnswer, QStringLiteral("192.168.1.20:7461")));
    ok &= SaveSheet(failure, folder, "join-failure");
    return ok ? 0 : 1;
}
