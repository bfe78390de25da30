// Two windows at one network table, as two players have them: the host opens
// the table through its dialogs, the guest joins by the link; each window
// shows the match from its own seat with the players' names, a drop shows
// its countdown over the table and the guest comes back, and the host
// closing its window ends the table for the guest, who is told why.
#include "main_window_fixture.h"

#include "net/client/net_session.h"
#include "ui/network/chat_panel.h"
#include "ui/network/drop_notice.h"
#include "ui/network/join_table_dialog.h"
#include "ui/network/net_table.h"
#include "ui/network/open_table_dialog.h"
#include "ui/network/waiting_room.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTest>

using namespace zaviko::net;

namespace {

bool RunUntil(const std::function<bool()>& done)
{
    QElapsedTimer guard;
    guard.start();
    while (!done()) {
        if (guard.elapsed() > 60000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

class NetWindowTest : public MainWindowTest {
protected:
    NetWindowTest()
    {
        TIni guestSettings(guestDir.filePath("Zaviko.ini"));
        guestSettings.SetGameOptions(0, 0, 0, 0, 0, true, false, true, true, true, false);
        guestSettings.SetPlayerNames(
            QStringLiteral("Mika"), guestSettings.W, guestSettings.N, guestSettings.E);
        TIni& hostSettings = Settings();
        hostSettings.SetPlayerNames(
            QStringLiteral("Lazor"), hostSettings.W, hostSettings.N, hostSettings.E);
    }

    // The host opens a two-player table; the guest joins by its link; the
    // host starts. Both windows then show the match.
    bool SitDown()
    {
        TForm1& host = Make();
        guest = std::make_unique<TForm1>(guestDir.path());
        QTcpServer probe;
        probe.listen(QHostAddress::Any, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        TFWaitingRoom* hostRoom = nullptr;
        bool clicked = false;
        guest->NetTable().runDialog = [&](QDialog& d) {
            d.show();
            if (qobject_cast<TFJoinTable*>(&d)) {
                QTest::mouseClick(d.findChild<QPushButton*>("ButtonJoin"), Qt::LeftButton);
                return d.result();
            }
            RunUntil([&] {
                if (!clicked && hostRoom->StartButton()->isEnabled()) {
                    QTest::mouseClick(hostRoom->StartButton(), Qt::LeftButton);
                    clicked = true;
                }
                return d.isHidden();
            });
            return d.result();
        };
        host.NetTable().runDialog = [&](QDialog& d) {
            d.show();
            if (qobject_cast<TFOpenTable*>(&d)) {
                d.findChild<QSpinBox*>("SpinPort")->setValue(port);
                QRadioButton* two = d.findChildren<QRadioButton*>().at(2);
                QTest::mouseClick(two, Qt::LeftButton, {}, QPoint(6, two->height() / 2));
                QTest::mouseClick(d.findChild<QPushButton*>("ButtonOpen"), Qt::LeftButton);
                return d.result();
            }
            hostRoom = static_cast<TFWaitingRoom*>(&d);
            RunUntil([&] { return !hostRoom->LinkEdit()->text().isEmpty(); });
            const auto invitation = ParseInvitation(hostRoom->LinkEdit()->text());
            const QString link = QStringLiteral("zaviko://127.0.0.1:%1/%2/%3")
                                     .arg(invitation->port)
                                     .arg(invitation->table, invitation->code);
            QTimer::singleShot(0, &d, [this, link] { guest->JoinByLink(link); });
            RunUntil([&] { return d.isHidden(); });
            return d.result();
        };
        host.Otvoristo1Click();
        return RunUntil([&] {
            return guest->Controller().RemoteMatch() && form->Controller().RemoteMatch()
                && Settled(*guest) && Settled(*form);
        });
    }

    static bool Settled(TForm1& w)
    {
        return !w.Controller().Busy() && w.Controller().RemoteStepsWaiting() == 0;
    }

    QTemporaryDir guestDir;
    std::unique_ptr<TForm1> guest;
};

TEST_F(NetWindowTest, TwoWindowsPlayOneTableTheGuestComesBackAndTheHostsCloseEndsIt)
{
    ASSERT_TRUE(SitDown());
    TNetSession& mine = *guest->NetTable().Session();
    // Each sits at the bottom of its own window, the other across, by name.
    EXPECT_EQ(mine.Seat(), SeatN);
    EXPECT_EQ(guest->PlayerS->PlayerName(), "Mika");
    EXPECT_EQ(guest->PlayerN->PlayerName(), "Lazor");
    EXPECT_EQ(form->PlayerN->PlayerName(), "Mika");
    EXPECT_EQ(guest->Controller().State().hands[SeatS], mine.View()->state.hands[SeatN]);
    EXPECT_FALSE(guest->Controller().UndoAvailable());
    ASSERT_NE(guest->ChatPanel(), nullptr);

    // The guest's connection drops: the notice counts down over the table,
    // and the seat comes back by its key.
    mine.returnDelaySeconds = 1;
    mine.secondMs = 0;
    bool noticed = false;
    mine.Cut();
    ASSERT_TRUE(RunUntil([&] {
        noticed |= !guest->DropNotice()->isHidden()
            && guest->DropNotice()->Text().startsWith("Veza sa stolom je prekinuta");
        return noticed && mine.Phase() == SessionPhase::Playing;
    }));
    ASSERT_TRUE(RunUntil([&] { return guest->DropNotice()->isHidden() && Settled(*guest); }));
    EXPECT_EQ(
        guest->ChatPanel()->LineText(guest->ChatPanel()->LineCount() - 1), "Veza je obnovljena.");
    EXPECT_EQ(guest->Controller().State().hands[SeatS], mine.View()->state.hands[SeatN]);

    // The host closes its window mid-hand, saying yes to leaving the table.
    sink.shown.confirmReply = true;
    form->close();
    ASSERT_TRUE(RunUntil([&] { return !sink.shown.errors.empty(); }));
    EXPECT_EQ(sink.shown.errors.back(), "Domacin je zatvorio sto. Partija je zavrsena.");
    EXPECT_FALSE(guest->Controller().RemoteMatch());
    ASSERT_FALSE(sink.shown.confirmations.empty());
    EXPECT_NE(sink.shown.confirmations.back().find("Ti si domacin"), std::string::npos);
}

} // namespace
