// What a network does to seats: wrong codes, a stolen key, a drop and a
// return, a flood, a client that never reads and one that never answers.
#include "net_fixture.h"

#include "game/rules/computer_move.h"

#include <QJsonArray>
#include <QTcpSocket>

#include <gtest/gtest.h>

using namespace zaviko::net;
using namespace zaviko::net::test;

namespace {

QString SeatKindAt(const TRecorder& r, int seat)
{
    return r.client.Seats().value("seats").toArray().at(seat).toObject().value("kind").toString();
}

TEST(NetSeats, WrongCodesAreRefusedAndThenSlowedDownForTheAddress)
{
    TServerOptions options = TNetFixture::TestOptions();
    options.freeWrongCodes = 2;
    options.wrongCodeWaitMs = 600000; // far longer than the test
    TNetFixture fx(options);
    TRecorder host, guesser;
    const QString table = fx.Open(host, {});
    ASSERT_TRUE(guesser.Connect(fx.Port()));
    const QString wrong(32, QLatin1Char('0'));
    EXPECT_EQ(guesser.Refusal(JoinRequest("G", table, wrong)), "wrong_code");
    EXPECT_EQ(guesser.Refusal(JoinRequest("G", "nema", wrong)), "no_table");
    // Past the free tries even the right code must wait.
    const QString code = TableAndCode(host).second;
    EXPECT_EQ(guesser.Refusal(JoinRequest("G", table, code)), "slow_down");
    EXPECT_EQ(guesser.client.Seat(), -1);
    EXPECT_EQ(code.size(), 32); // 128 bits in hex
}

TEST(NetSeats, ASeatKeyActsOnlyForItsOwnerAndOnlyOnce)
{
    TNetFixture fx(TNetFixture::TestOptions());
    TRecorder host, guest, thief;
    fx.Open(host, { kTwoPlayers, 0, true, csPametno, 0 });
    ASSERT_TRUE(fx.Join(guest, host));
    EXPECT_NE(guest.client.Key(), host.client.Key());
    const auto [table, code] = TableAndCode(host);
    ASSERT_TRUE(thief.Connect(fx.Port()));
    // The invitation alone is not enough to take a held seat by its key.
    EXPECT_EQ(thief.Refusal(JoinRequest("T", table, code, guest.client.Key())), "seat_in_use");
    EXPECT_EQ(thief.Refusal(JoinRequest("T", table, code, QString(32, 'f'))), "bad_key");
    EXPECT_EQ(thief.Refusal(MoveRequest({ SeatN, 0, {} })), "not_seated");
    EXPECT_EQ(guest.Refusal(JoinRequest("G", table, code, host.client.Key())), "already_seated");
    EXPECT_EQ(thief.Refusal(JoinRequest("T", table, code)), "table_full");
}

TEST(NetSeats, ADroppedPlayerIsPlayedByAComputerAndTakesTheSeatBackWithTheWholeTable)
{
    TServerOptions options = TNetFixture::TestOptions();
    TNetFixture fx(options);
    TRecorder host, guest, back;
    fx.Open(host, { kEachForHimself, 0, true, csPametno, 0 });
    host.client.Send(SeatRequest(SeatN, SeatUse::Computer, csPametno));
    host.client.Send(SeatRequest(SeatE, SeatUse::Computer, csPametno));
    ASSERT_TRUE(fx.Join(guest, host));
    host.bot.playing = true;
    host.client.Send(StartRequest());
    const QString key = guest.client.Key();
    guest.client.Close();
    ASSERT_TRUE(RunUntil([&] { return SeatKindAt(host, SeatW) == "away"; }));
    // The computer moves for W while the player is away.
    ASSERT_TRUE(host.Await([](const QJsonObject& m) {
        const QJsonObject e = m.value("event").toObject();
        return e.value("kind") == "move" && e.value("seat") == SeatW;
    }));
    ASSERT_TRUE(fx.Join(back, host, key));
    EXPECT_EQ(back.client.Seat(), SeatW);
    EXPECT_EQ(back.client.Key(), key);
    ASSERT_TRUE(back.Await([](const QJsonObject& m) {
        return m.value("event").toObject().value("kind") == "resume";
    }));
    EXPECT_EQ(back.client.View()->state.hands[SeatW], fx.MatchOf(host).hands[SeatW]);
    EXPECT_TRUE(RunUntil([&] { return SeatKindAt(host, SeatW) == "person"; }));
}

TEST(NetSeats, AnAwaySeatsKeyExpiresAndAComputerKeepsTheSeat)
{
    TServerOptions options = TNetFixture::TestOptions();
    options.awayMs = 20;
    TNetFixture fx(options);
    TRecorder host, guest, late;
    fx.Open(host, { kTwoPlayers, 0, true, csPametno, 0 });
    ASSERT_TRUE(fx.Join(guest, host));
    const QString key = guest.client.Key();
    guest.client.Close();
    ASSERT_TRUE(RunUntil([&] { return SeatKindAt(host, SeatN) == "computer"; }));
    EXPECT_FALSE(fx.Join(late, host, key));
    EXPECT_EQ(late.Errors(), QStringList { "bad_key" });
}

TEST(NetSeats, AFloodIsRefusedReachesNoOneAndEndsTheConnection)
{
    TNetFixture fx(TNetFixture::TestOptions());
    TRecorder host, guest;
    fx.Open(host, { kTwoPlayers, 0, true, csPametno, 0 });
    ASSERT_TRUE(fx.Join(guest, host));
    for (int i = 0; i < 200; ++i)
        host.client.Send(ChatRequest(QStringLiteral("linija %1").arg(i)));
    ASSERT_TRUE(RunUntil([&] { return host.closed; }));
    EXPECT_GT(host.Errors().count("flood"), 20);
    // The guest saw at most the chat bucket's burst, nothing past the bound.
    ASSERT_EQ(guest.Refusal(R"({"type":"x"})"), "unknown_type");
    const auto chats = std::count_if(guest.messages.begin(), guest.messages.end(),
        [](const QJsonObject& m) { return m.value("type") == "chat"; });
    EXPECT_GE(chats, 1);
    EXPECT_LE(chats, 6);
}

// A raw client: a WebSocket handshake, one masked text frame, then nothing read.
bool RawJoin(QTcpSocket& socket, quint16 port, const QByteArray& frame)
{
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
    if (!RunUntil([&] { return socket.state() == QAbstractSocket::ConnectedState; })) return false;
    socket.write("GET / HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\n"
                 "Connection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                 "Sec-WebSocket-Version: 13\r\n\r\n");
    if (!RunUntil([&] { return socket.bytesAvailable() > 0; })) return false;
    socket.readAll();
    // Qt reads ahead into its own buffer; bounded, it leaves the rest unread.
    socket.setReadBufferSize(16);
    QByteArray wire("\x81");
    // The shortest length form, as the protocol demands of every frame.
    if (frame.size() < 126) {
        wire += char(0x80 | frame.size());
    } else {
        wire += char(0x80 | 126);
        wire += char(frame.size() >> 8);
        wire += char(frame.size() & 0xff);
    }
    wire += QByteArray(4, '\0'); // a zero mask leaves the payload as it is
    socket.write(wire + frame);
    return true;
}

TEST(NetSeats, AClientThatNeverReadsIsDroppedOnceItsBacklogPassesTheBound)
{
    TServerOptions options = TNetFixture::TestOptions();
    options.sendBufferBytes = 4096;
    options.maxPendingBytes = 16384;
    options.turnUnitMs = 1; // the reader's turns pass to the computer at once
    TNetFixture fx(options);
    TRecorder host;
    fx.Open(host, { kTwoPlayers, 0, true, csPametno, 1 });
    // Both turns pass to the computer and the host starts each new match:
    // the output to the reader never stops.
    host.client.state = [&](const TSeatView& view) {
        if (view.state.GameOver) host.client.Send(StartRequest());
    };
    const auto [table, code] = TableAndCode(host);
    QTcpSocket reader;
    ASSERT_TRUE(RawJoin(reader, fx.Port(), JoinRequest("Spavac", table, code)));
    ASSERT_TRUE(RunUntil([&] { return SeatKindAt(host, SeatN) == "person"; }));
    host.client.Send(StartRequest());
    ASSERT_TRUE(RunUntil([&] { return SeatKindAt(host, SeatN) == "away"; }, 120000));
    EXPECT_TRUE(fx.Log().filter("dropped: output backlog").size() == 1)
        << qPrintable(fx.Log().join('\n'));
}

TEST(NetSeats, AConnectionThatAnswersNoPingIsFoundDeadAndALiveOneStays)
{
    TServerOptions options = TNetFixture::TestOptions();
    options.pingIntervalMs = 10;
    options.silenceMs = 100;
    TNetFixture fx(options);
    TRecorder host;
    fx.Open(host, { kTwoPlayers, 0, true, csPametno, 0 });
    const auto [table, code] = TableAndCode(host);
    QTcpSocket mute;
    ASSERT_TRUE(RawJoin(mute, fx.Port(), JoinRequest("Nemi", table, code)));
    ASSERT_TRUE(RunUntil([&] { return SeatKindAt(host, SeatN) == "person"; }));
    ASSERT_TRUE(RunUntil([&] { return SeatKindAt(host, SeatN) == "away"; }));
    EXPECT_EQ(fx.Log().filter("dropped: silent").size(), 1);
    EXPECT_FALSE(host.closed);
}

} // namespace

namespace {

TEST(NetSeats, ConnectionsPastTheBoundAndOnesThatNeverSitAreClosed)
{
    TServerOptions options = TNetFixture::TestOptions();
    options.maxConnections = 2;
    options.pingIntervalMs = 10;
    options.unseatedMs = 50;
    TNetFixture fx(options);
    TRecorder host, idle, third;
    fx.Open(host, {});
    ASSERT_TRUE(idle.Connect(fx.Port()));
    // The third is over the bound: closed before any greeting.
    third.client.Connect(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(fx.Port())));
    ASSERT_TRUE(RunUntil([&] { return third.closed; }));
    EXPECT_TRUE(third.messages.empty());
    // The idle one never sits down and is let go; the seated host stays.
    ASSERT_TRUE(RunUntil([&] { return idle.closed; }));
    EXPECT_FALSE(host.closed);
    EXPECT_EQ(fx.Server().ConnectionCount(), 1);
}

} // namespace
