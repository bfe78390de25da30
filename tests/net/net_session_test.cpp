// A person's session at a table as the window uses it: hosting inside the
// process, joining by the link, seats and chat, every way joining fails,
// a drop and the return by the seat key, and the host closing the table.
#include "net_fixture.h"

#include "game/computer/seat_choice.h"
#include "game/rules/computer_move.h"
#include "net/client/net_session.h"
#include "net/client/seat_turn.h"
#include "net/host/local_server.h"

#include <QFile>
#include <QSslKey>
#include <QWebSocketServer>

#include <gtest/gtest.h>

using namespace zaviko::net;
using namespace zaviko::net::test;

namespace {

// A session that records what it reports.
struct TWatched {
    TWatched()
    {
        s.returnDelaySeconds = 0;
        s.failed = [this](JoinFailure f, const QString& text) {
            failure = f;
            message = text;
        };
        s.refused = [this](const QString& reason) { refusals << reason; };
        s.returning = [this](int left) { countdown.push_back(left); };
        s.returned = [this] { ++returns; };
    }
    bool Seated() const
    {
        return s.Phase() == SessionPhase::Waiting || s.Phase() == SessionPhase::Playing;
    }
    QStringList Notes() const
    {
        QStringList notes;
        for (const TChatLine& line : s.ChatLines())
            if (line.seat == kNoSeat) notes << line.text;
        return notes;
    }
    // Plays its own turns as "Pametno" from what the seat is sent.
    void Play()
    {
        s.stateChanged = [this](const TSeatView& v) {
            if (v.state.GameOver || v.state.CurrentPlayer != v.viewer) return;
            const TComputerChoice c = ChooseSeatMove(v.state, v.viewer, csPametno, 0);
            if (c.handSlot >= 0) s.Move(MoveOfChoice(v.state, v.viewer, c));
        };
    }
    TNetSession s;
    std::optional<JoinFailure> failure;
    QString message;
    QStringList refusals;
    std::vector<int> countdown;
    int returns = 0;
};

TInvitation InvitationOf(const TWatched& host)
{
    return ParseInvitation(host.s.Link()).value_or(TInvitation {});
}

// A host at a table opened in a server inside the test, and a guest by its link.
struct TTableOfTwo {
    explicit TTableOfTwo(int mode = kTwoPlayers, bool hints = true)
    {
        server->Start(0);
        host.s.Open(
            server->OwnUrl(), QStringLiteral("Domacin"), { mode, 0, true, csPametno, 0, hints });
        RunUntil([&] { return !host.s.Link().isEmpty() || host.failure; });
        guest.s.Join(InvitationOf(host), QStringLiteral("Gost"));
        RunUntil([&] { return guest.Seated() || guest.failure; });
    }
    std::unique_ptr<TLocalServer> server = std::make_unique<TLocalServer>();
    TWatched host, guest;
};

TEST(NetSession, AHostAndAGuestByTheLinkSeeTheSeatsChatAndPlayAWholeMatch)
{
    TTableOfTwo t;
    ASSERT_TRUE(t.guest.Seated()) << t.guest.message.toStdString();
    EXPECT_TRUE(t.host.s.Host());
    EXPECT_FALSE(t.guest.s.Host());
    EXPECT_EQ(t.guest.s.Seat(), SeatN);
    ASSERT_TRUE(RunUntil([&] { return t.host.s.Seats()[SeatN].Connected(); }));
    EXPECT_EQ(t.host.s.Seats()[SeatN].name, "Gost");
    EXPECT_EQ(t.guest.s.Seats()[SeatS].name, "Domacin");
    EXPECT_TRUE(t.guest.s.HintsAllowed());
    EXPECT_EQ(t.host.Notes(), QStringList { "Igrac Gost je seo za sto." });

    t.guest.s.Chat(QStringLiteral("Zdravo!"));
    ASSERT_TRUE(RunUntil([&] {
        return !t.host.s.ChatLines().empty() && t.host.s.ChatLines().back().seat == SeatN;
    }));
    EXPECT_EQ(t.host.s.ChatLines().back().name, "Gost");
    EXPECT_EQ(t.host.s.ChatLines().back().text, "Zdravo!");

    // Only the host starts; a move before the start or off turn is refused
    // with the server's reason in the player's words.
    t.guest.s.Start();
    ASSERT_TRUE(RunUntil([&] { return !t.guest.refusals.isEmpty(); }));
    EXPECT_EQ(t.guest.refusals.back(), "To moze samo domacin stola.");
    t.host.Play();
    t.guest.Play();
    t.host.s.Start();
    ASSERT_TRUE(RunUntil([&] { return t.host.s.View() && t.guest.s.View(); }));
    const TSeatView& v = *t.guest.s.View();
    const int off = v.state.CurrentPlayer == SeatN ? SeatS : SeatN;
    if (off == SeatS) {
        t.host.refusals.clear();
        t.host.s.Move({ SeatS, 0, {} });
        ASSERT_TRUE(RunUntil([&] { return !t.host.refusals.isEmpty(); }));
        EXPECT_EQ(t.host.refusals.back(), "Nisi na potezu.");
    }
    ASSERT_TRUE(RunUntil(
        [&] { return t.guest.s.View()->state.GameOver && t.host.s.View()->state.GameOver; }));
    EXPECT_EQ(t.host.s.Phase(), SessionPhase::Playing);
    EXPECT_EQ(t.guest.s.View()->state.Score, t.host.s.View()->state.Score);
    EXPECT_EQ(t.guest.s.View()->viewer, SeatN);
}

// Joins by the invitation and waits for the session's end.
std::pair<std::optional<JoinFailure>, QString> JoinFails(const TInvitation& invitation)
{
    TWatched w;
    w.s.Join(invitation, QStringLiteral("Gost"));
    RunUntil([&] { return w.failure || w.Seated(); });
    return { w.failure, w.message };
}

TEST(NetSession, EveryWayJoiningFailsEndsTheSessionWithItsOwnMessage)
{
    TTableOfTwo t;
    ASSERT_TRUE(t.guest.Seated());
    TInvitation wrong = InvitationOf(t.host);
    wrong.code = QString(32, QLatin1Char('0'));
    TInvitation loopback = InvitationOf(t.host);
    loopback.host = QStringLiteral("127.0.0.1");

    // A port nobody listens on: taken and given back.
    QTcpServer gone;
    gone.listen(QHostAddress::LocalHost, 0);
    TInvitation silent = loopback;
    silent.port = gone.serverPort();
    gone.close();

    // A server of a later protocol version greets and says so.
    QWebSocketServer later(QStringLiteral("later"), QWebSocketServer::NonSecureMode);
    later.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&later, &QWebSocketServer::newConnection, [&later] {
        later.nextPendingConnection()->sendTextMessage(R"({"type":"hello","protocol":2})");
    });
    TInvitation newer = loopback;
    newer.port = later.serverPort();

    // A TLS server whose certificate no authority signed.
    TServerOptions tlsOptions;
    tlsOptions.tls = UntrustedTls();
    TTableServer secure(tlsOptions);
    secure.Listen(QHostAddress::LocalHost, 0);
    TInvitation untrusted = loopback;
    untrusted.host = QStringLiteral("localhost");
    untrusted.port = secure.Port();

    const struct {
        TInvitation invitation;
        JoinFailure failure;
        QString words;
    } cases[] = {
        { wrong, JoinFailure::WrongCode, "Pogresan kod stola" },
        { loopback, JoinFailure::TableFull, "Sto je pun" },
        { silent, JoinFailure::NoAnswer, QStringLiteral("127.0.0.1:%1").arg(silent.port) },
        { newer, JoinFailure::Version, "server 2, igra 1" },
        { untrusted, JoinFailure::Certificate, "Sertifikat servera nije prihvacen" },
    };
    for (const auto& c : cases) {
        const auto [failure, message] = JoinFails(c.invitation);
        EXPECT_EQ(failure, c.failure) << message.toStdString();
        EXPECT_TRUE(message.contains(c.words)) << message.toStdString();
    }
}

TEST(NetSession, ADroppedGuestComesBackByItsKeyAndMayGiveUpTheNextTime)
{
    // A table where the host turned the hint off: every seat is told.
    TTableOfTwo t(kEachForHimself, false);
    ASSERT_TRUE(t.guest.Seated());
    EXPECT_FALSE(t.guest.s.HintsAllowed());
    t.host.s.SetSeat(SeatN, SeatUse::Computer, csPametno);
    t.host.s.SetSeat(SeatE, SeatUse::Computer, csPametno);
    t.host.Play();
    t.host.s.Start();
    ASSERT_TRUE(RunUntil([&] { return t.guest.s.View().has_value(); }));
    // The others play on, so the resume need not be the latest state when
    // the host sees the seat back: it is counted as it comes.
    int resumes = 0;
    t.guest.s.stateChanged
        = [&](const TSeatView& v) { resumes += v.event.kind == EventKind::Resume; };
    t.guest.s.Cut();
    ASSERT_TRUE(RunUntil([&] { return t.guest.returns == 1; }));
    EXPECT_EQ(t.guest.countdown, std::vector<int> { 0 });
    EXPECT_EQ(t.guest.s.Seat(), SeatW);
    // Back with the whole table, the seat its own again.
    ASSERT_TRUE(RunUntil([&] { return resumes == 1 && t.host.s.Seats()[SeatW].Connected(); }));
    EXPECT_EQ(t.guest.Notes().back(), "Veza je obnovljena.");
    ASSERT_TRUE(RunUntil([&] { return t.host.Notes().size() >= 3; }));
    EXPECT_EQ(t.host.Notes().mid(1, 2),
        QStringList({ "Igrac Gost je izgubio vezu; racunar igra umesto njega.",
            "Igrac Gost se vratio za sto." }));

    // The next drop counts down whole seconds; the player gives up.
    t.guest.s.returnDelaySeconds = 600;
    t.guest.s.Cut();
    ASSERT_TRUE(RunUntil([&] { return t.guest.s.Phase() == SessionPhase::Reconnecting; }));
    EXPECT_EQ(t.guest.s.ReturnSecondsLeft(), 600);
    t.guest.s.CancelReturn();
    EXPECT_EQ(t.guest.s.Phase(), SessionPhase::Ended);
    EXPECT_EQ(t.guest.returns, 1);
    ASSERT_TRUE(RunUntil([&] { return t.host.s.Seats()[SeatW].kind == SeatKind::Away; }));
}

TEST(NetSession, TheHostClosingEndsTheTableAndEveryGuestIsToldWhy)
{
    TTableOfTwo t;
    ASSERT_TRUE(t.guest.Seated());
    // The window that hosts closes: its server goes with it.
    t.server.reset();
    ASSERT_TRUE(RunUntil([&] { return t.guest.failure.has_value(); }));
    EXPECT_EQ(*t.guest.failure, JoinFailure::HostClosed);
    EXPECT_EQ(t.guest.message, "Domacin je zatvorio sto. Partija je zavrsena.");
    // Told, not left counting down to a table that is gone.
    EXPECT_TRUE(t.guest.countdown.empty());

    // A guest that was away when the host left finds nothing listening
    // where the table was, and is told at its first try to come back.
    TTableOfTwo away;
    away.guest.s.returnDelaySeconds = 1;
    away.guest.s.secondMs = 10;
    away.guest.s.Cut();
    ASSERT_TRUE(RunUntil([&] { return away.guest.s.Phase() == SessionPhase::Reconnecting; }));
    away.server.reset();
    ASSERT_TRUE(RunUntil([&] { return away.guest.failure.has_value(); }));
    EXPECT_EQ(*away.guest.failure, JoinFailure::NoAnswer);
    EXPECT_EQ(away.guest.countdown.size(), 1u);
}

// Each mode with the guest where it sits: every move the server reports
// reads back as the rules' own move, and the table turned to the guest's
// seat keeps every score row equal to its seat's or pair's score.
TEST(NetSession, EveryReportedMoveReadsBackAsTheRulesMoveOnATableTurnedToTheSeat)
{
    for (int mode : { kEachForHimself, kPairs, kTwoPlayers }) {
        TTableOfTwo t(mode);
        ASSERT_TRUE(t.guest.Seated());
        const int you = t.guest.s.Seat();
        for (int seat : { SeatN, SeatE })
            if (seat != you && t.host.s.SeatPlays(seat))
                t.host.s.SetSeat(seat, SeatUse::Computer, csPametno);
        t.host.Play();
        int moves = 0, read = 0, checked = 0;
        std::optional<TMatchState> before;
        t.guest.Play();
        const auto guestPlays = t.guest.s.stateChanged;
        t.guest.s.stateChanged = [&](const TSeatView& v) {
            if (v.event.kind == EventKind::Move) {
                ++moves;
                if (before && MoveOfEvent(*before, v)) ++read;
            }
            const TMatchState turned = TurnedState(v.state, you);
            EXPECT_EQ(turned.hands[SeatS], v.state.hands[you]);
            for (int shown = SeatS; shown <= SeatE; ++shown)
                if (SeatPlays(mode, shown)) {
                    EXPECT_EQ(turned.cells[ScoreRow(mode, shown) - 1].Total(),
                        turned.Score[ScoringSeat(mode, shown)])
                        << "mode " << mode << " seat " << shown;
                    ++checked;
                }
            before = v.state;
            guestPlays(v);
        };
        t.host.s.Start();
        ASSERT_TRUE(RunUntil([&] { return t.guest.s.View() && t.guest.s.View()->state.GameOver; }));
        EXPECT_GT(moves, 40) << "mode " << mode;
        EXPECT_EQ(read, moves) << "mode " << mode;
        EXPECT_GT(checked, 0);
    }
}

} // namespace
