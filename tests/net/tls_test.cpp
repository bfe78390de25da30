// The same table over TLS (wss://), with a certificate made for the tests.
#include "net_fixture.h"

#include "game/rules/computer_move.h"

#include <QFile>
#include <QSslCipher>
#include <QSslKey>

#include <gtest/gtest.h>

using namespace zaviko::net;
using namespace zaviko::net::test;

namespace {

TEST(NetTls, ABotPlaysAWholeMatchOverTls)
{
    TServerOptions options = TNetFixture::TestOptions();
    options.tls = UntrustedTls();
    TNetFixture fx(options);
    TTableBot bot(csPametno, 5);
    TTableClient& client = bot.Client();
    // The test's certificate is its own; a real client checks the chain.
    QObject::connect(&client.Socket(), &QWebSocket::sslErrors, &client.Socket(),
        [&client](const QList<QSslError>&) { client.Socket().ignoreSslErrors(); });
    client.connected = [&client] {
        client.Send(OpenRequest("Host", { kTwoPlayers, 0, true, csPametno, 0 }));
        client.Send(SeatRequest(SeatN, SeatUse::Computer, csPametno));
        client.Send(StartRequest());
    };
    bool plain = false;
    client.message = [&plain, &client](const QJsonObject&) {
        plain = client.Socket().sslConfiguration().sessionCipher().isNull();
    };
    client.Connect(QUrl(QStringLiteral("wss://localhost:%1/").arg(fx.Port())));
    ASSERT_TRUE(RunUntil([&] { return client.View() && client.View()->state.GameOver; }));
    EXPECT_FALSE(plain);
    EXPECT_GT(bot.MovesSent(), 20);
}

} // namespace
