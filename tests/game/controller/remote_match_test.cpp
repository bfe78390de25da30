// A match at a network table shown by the controller: the server (inside
// the test, as in the window) decides every move, the human's clicks go to
// it, and the card groups show exactly the server's table turned to the
// player's seat, through the same display code as a local match.
#include "match_fixture.h"
#include "tests/support/run_until.h"

#include "game/computer/seat_choice.h"
#include "game/controller/remote_feed.h"
#include "net/client/net_session.h"
#include "net/client/seat_turn.h"
#include "net/host/local_server.h"

#include <QRegularExpression>

using namespace zaviko::net;

namespace {

class RemoteMatchTest : public MatchTest {
protected:
    bool Open(int mode, int you)
    {
        settings.Log = true;
        // The window has started its own match before a table is opened,
        // one a computer opens, which waits for "Pocni igru".
        controller->Start();
        for (std::uint64_t seed = 1; !controller->WaitingToStart() && seed < 50; ++seed) {
            FixRandomSeed(seed);
            controller->NewGame(false);
        }
        if (!controller->WaitingToStart()) return false;
        if (!server.Start(0)) return false;
        host.Open(server.OwnUrl(), QStringLiteral("Ana"), { mode, 0, true, csPametno, 0, false });
        if (!Until([&] { return !host.Link().isEmpty(); })) return false;
        TInvitation invitation = *ParseInvitation(host.Link());
        invitation.host = QStringLiteral("127.0.0.1");
        TNetSession& me = you == SeatS ? host : guest;
        if (you != SeatS) {
            // The host plays its own seat as "Pametno" from what it is sent.
            host.stateChanged = [this](const TSeatView& v) {
                if (hostHolds || v.state.GameOver || v.state.CurrentPlayer != v.viewer) return;
                const TComputerChoice c = ChooseSeatMove(v.state, v.viewer, csPametno, 0);
                if (c.handSlot >= 0) host.Move(MoveOfChoice(v.state, v.viewer, c));
            };
            guest.Join(invitation, QStringLiteral("Ja"));
            if (!Until([&] { return guest.Seat() >= 0; })) return false;
        }
        for (int seat : { SeatW, SeatN, SeatE })
            if (seat != me.Seat() && SeatPlays(mode, seat))
                host.SetSeat(seat, SeatUse::Computer, csPametno);
        if (!Until([&] { return host.SeatsFilled(); })) return false;
        session = &me;
        me.stateChanged = [this](const TSeatView& v) { controller->ShowRemoteStep(feed.Step(v)); };
        controller->BeginRemoteMatch(
            [this](const TMove& m) {
                session->Move({ session->Seat(), m.handSlot, m.take });
            },
            { QStringLiteral("Ja"), QStringLiteral("W"), QStringLiteral("N"), QStringLiteral("E") },
            false);
        host.Start();
        return Until([&] { return session->View().has_value(); });
    }

    bool Until(const std::function<bool()>& done)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < 60000)
            ServeEventsOnce();
        return done();
    }

    // Everything the server sent is shown and nothing runs.
    bool Settled() const { return !controller->Busy() && controller->RemoteStepsWaiting() == 0; }

    TLocalServer server;
    TNetSession host, guest;
    bool hostHolds = false; // the host, on turn, does not move
    TNetSession* session = nullptr;
    TRemoteFeed feed;
    // Plays the match by clicks to its end, checking at each rest.
    void PlayWholeMatch(int you)
    {
        ASSERT_TRUE(Open(kEachForHimself, you));
        int myMoves = 0, checks = 0, lastMoved = -1;
        ASSERT_TRUE(Until([&] {
            if (!Settled()) return false;
            const TSeatView& v = *session->View();
            const TMatchState turned = TurnedState(v.state, you);
            // The table and the player's hand are the server's, on the groups too.
            EXPECT_EQ(controller->State().table, turned.table);
            EXPECT_EQ(controller->State().hands[SeatS], turned.hands[SeatS]);
            EXPECT_EQ(controller->State().Score, turned.Score);
            ExpectGroupsShowState();
            ++checks;
            if (v.state.GameOver) return true;
            if (turned.CurrentPlayer == SeatS && controller->State().CurrentPlayer == SeatS
                && !HandEmpty(controller->State(), SeatS) && v.state.MovesMade != lastMoved) {
                // No undo and, as the host chose, no hint at this table.
                EXPECT_FALSE(controller->UndoAvailable());
                EXPECT_FALSE(controller->HintAvailable());
                lastMoved = v.state.MovesMade;
                HumanMove();
                ++myMoves;
            }
            return false;
        }));
        EXPECT_GT(myMoves, 5);
        EXPECT_GT(checks, myMoves);
        EXPECT_GT(view.handEnds, 0);
        // The game-over message names the winner, as after a local match.
        ASSERT_FALSE(sink.shown.information.empty());
        EXPECT_NE(sink.shown.information.back().find("Partija je gotova"), std::string::npos);
        // The log tells the match as it tells a local one, the player's own
        // moves included, and names none of the cards the others were dealt.
        const QString text = LogText();
        const QString match = text.mid(text.lastIndexOf(QStringLiteral("****** Nova igra ******")));
        EXPECT_TRUE(match.contains(QStringLiteral("Ja dobio karte: ")));
        EXPECT_GE(match.count(QStringLiteral("Ja stavlja na talon kartu "))
                + match.count(QStringLiteral(">> Ja kupi sa ")),
            myMoves);
        EXPECT_TRUE(match.contains(QStringLiteral("Kraj partije. Pobednik je ")));
        static const QRegularExpression othersCards(
            QStringLiteral("^[WNE] dobio karte: \\S"), QRegularExpression::MultilineOption);
        EXPECT_FALSE(match.contains(othersCards)) << match.toStdString();
    }
};

TEST_F(RemoteMatchTest, TheHostsClicksPlayAWholeMatchThatTheGroupsShowAsTheServerHasIt)
{
    PlayWholeMatch(SeatS);
}

// The guest sits at W: its table is turned so that it plays from the bottom.
TEST_F(RemoteMatchTest, AGuestAtWestPlaysFromTheBottomOfATurnedTable)
{
    PlayWholeMatch(SeatW);
}

// The connection drops on the player's turn: the table's computer plays for
// the seat, and back at the table the player is told which of its cards went.
TEST_F(RemoteMatchTest, ASeatBackFromADropIsToldWhatTheComputerPlayedForIt)
{
    ASSERT_TRUE(Open(kEachForHimself, SeatW));
    guest.returnDelaySeconds = 2;
    ASSERT_TRUE(Until([&] { return Settled() && controller->State().CurrentPlayer == SeatS; }));
    const THand before = controller->State().hands[SeatS];
    guest.Cut();
    ASSERT_TRUE(Until([&] { return !view.playedAway.empty(); }));
    for (int id : view.playedAway)
        EXPECT_NE(std::find(before.begin(), before.end(), id), before.end()) << id;
    // The log reads on from the position as it now stands: the seat's hand
    // after what was played for it, and the table.
    const QString text = LogText();
    const QString back = text.mid(text.lastIndexOf(QStringLiteral("Dok te nije bilo, ")));
    ASSERT_TRUE(back.startsWith(QStringLiteral("Dok te nije bilo, racunar je za tebe odigrao: ")));
    const QString hand = back.mid(back.indexOf(QStringLiteral("Ja dobio karte: ")) + 16)
                             .section('\n', 0, 0)
                             .trimmed();
    const THand& now = controller->State().hands[SeatS];
    EXPECT_EQ(hand.split(' ', Qt::SkipEmptyParts).size(),
        std::count_if(now.begin(), now.end(), [](int id) { return id != kNoCard; }))
        << hand.toStdString();
    EXPECT_TRUE(back.contains(QStringLiteral("Karte na talonu: ")));
}

// The host holds on its turn: a click on the table says who is on turn, not
// that the match has not begun.
TEST_F(RemoteMatchTest, AClickWhileAnotherPlayerIsOnTurnSaysWhoIs)
{
    hostHolds = true;
    ASSERT_TRUE(Open(kEachForHimself, SeatW));
    ASSERT_TRUE(Until([&] {
        if (!Settled()) return false;
        const TMatchState& shown = controller->State();
        if (shown.CurrentPlayer == SeatS && !HandEmpty(shown, SeatS)) HumanMove();
        return host.View() && host.View()->state.CurrentPlayer == SeatS && Settled()
            && controller->State().CurrentPlayer != SeatS;
    }));
    // The table's first slot, which the human's capture may just have
    // emptied: the click is answered the same wherever it lands.
    ClickTable({ 0, 0 });
    ASSERT_FALSE(sink.shown.information.empty());
    EXPECT_EQ(sink.shown.information.back(), "Na potezu je E"); // the host, shown at E
}

} // namespace
