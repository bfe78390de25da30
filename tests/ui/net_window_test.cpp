// Two windows at one network table, as two players have them: the host opens
// the table through its dialogs, the guest joins by the link; each window
// shows the match from its own seat with the players' names, a drop shows
// its countdown over the table and the guest comes back, and the host
// closing its window ends the table for the guest, who is told why.
#include "main_window_fixture.h"

#include "net/client/net_session.h"
#include "tests/support/run_until.h"
#include "ui/access/game_speech.h"
#include "ui/access/speaker.h"
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

// Records what a window would say.
class TSaidLines : public TSpeaker {
public:
    explicit TSaidLines(QStringList& said)
        : FSaid(said)
    {
    }
    void Say(const QString& text, TWhen) override { FSaid << text; }
    void Stop() override { }

private:
    QStringList& FSaid;
};

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
        // The guest was playing the computers when the invitation came.
        TMatchController& local = guest->Controller();
        if (local.WaitingToStart()) {
            local.StartMatch();
        } else {
            bool playIt = false, faceDown = false;
            TZuTablePos pos = tpAuto;
            local.PlayerSCardClick(guest->PlayerS, guest->PlayerS->CardAt(0), 0, playIt, pos,
                faceDown, Qt::LeftButton);
        }
        if (!RunUntil([&] { return Settled(*guest) && local.MatchUnderway(); })) return false;
        localBefore = local.State();
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
    TMatchState localBefore; // the guest's match against the computers
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
    // The keys play the match; the chat's line has them while the player
    // writes there, and Escape gives them back.
    guest->show();
    QApplication::setActiveWindow(guest.get());
    auto* edit = guest->ChatPanel()->findChild<QLineEdit*>("ChatEdit");
    edit->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), edit);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), guest.get());

    // The player on turn lays a card down; the other window shows the move
    // when the server reports it and says it as it says a local move.
    QStringList said;
    guest->Speech().SetSpeaker(std::make_unique<TSaidLines>(said));
    guest->Speech().SetOn(true);
    const bool hostMoves = mine.View()->state.CurrentPlayer == SeatS;
    TForm1& mover = hostMoves ? *form : *guest;
    const int movesBefore = mine.View()->state.MovesMade;
    bool playIt = false, faceDown = false;
    TZuTablePos pos = tpAuto;
    int slot = 0;
    while (mover.Controller().State().hands[SeatS][slot] == kNoCard)
        ++slot;
    const int card = mover.Controller().State().hands[SeatS][slot];
    mover.Controller().PlayerSCardClick(
        mover.PlayerS, mover.PlayerS->CardAt(slot), slot, playIt, pos, faceDown, Qt::LeftButton);
    // Nothing moves until the server confirms it.
    EXPECT_EQ(mover.Controller().State().hands[SeatS][slot], card);
    ASSERT_TRUE(RunUntil([&] {
        return mine.View()->state.MovesMade > movesBefore && Settled(*guest) && Settled(*form);
    }));
    EXPECT_EQ(mover.Controller().State().hands[SeatS][slot], kNoCard);
    const QString who = hostMoves ? QStringLiteral("Lazor") : QStringLiteral("Mika");
    EXPECT_TRUE(said.filter(who + " stavlja").size() == 1) << said.join(" | ").toStdString();

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
    // The match against the computers the guest left is the guest's again.
    const TMatchState& back = guest->Controller().State();
    EXPECT_GT(localBefore.MovesMade, 0);
    EXPECT_EQ(back.hands[SeatS], localBefore.hands[SeatS]);
    EXPECT_EQ(back.HandsPlayed, localBefore.HandsPlayed);
    EXPECT_GE(back.MovesMade, localBefore.MovesMade);
    ASSERT_FALSE(sink.shown.confirmations.empty());
    EXPECT_NE(sink.shown.confirmations.back().find("Ti si domacin"), std::string::npos);
}

} // namespace
