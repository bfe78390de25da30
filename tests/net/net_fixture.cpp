#include "net_fixture.h"

#include "net/protocol/invitation.h"
#include "net/server/table.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QSslCertificate>
#include <QSslKey>
#include <QTimer>

namespace zaviko::net::test {

QSslConfiguration UntrustedTls()
{
    const QString dir = QStringLiteral(ZAVIKO_NET_TEST_DATA);
    QFile key(dir + "/test-key.pem");
    key.open(QIODevice::ReadOnly);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificateChain(QSslCertificate::fromPath(dir + "/test-certificate.pem"));
    tls.setPrivateKey(QSslKey(&key, QSsl::Rsa));
    return tls;
}

TRecorder::TRecorder()
{
    bot.playing = false;
    client.message = [this](const QJsonObject& m) { messages.push_back(m); };
    client.disconnected = [this] { closed = true; };
}

QStringList TRecorder::Errors() const
{
    QStringList codes;
    for (const QJsonObject& m : messages)
        if (m.value("type").toString() == QLatin1String("error"))
            codes << m.value("code").toString();
    return codes;
}

bool TRecorder::Connect(quint16 port)
{
    client.Connect(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(port)));
    // The greeting comes first, with the protocol version.
    return RunUntil([this] { return !messages.empty() || closed; }) && !closed
        && messages.front().value("type").toString() == QLatin1String("hello");
}

bool TRecorder::Await(const std::function<bool(const QJsonObject&)>& match)
{
    std::size_t seen = 0;
    return RunUntil([&] {
        for (; seen < messages.size(); ++seen)
            if (match(messages[seen])) return true;
        return closed;
    });
}

QString TRecorder::Refusal(const QByteArray& frame)
{
    const std::size_t before = messages.size();
    client.SendRaw(frame);
    QString code;
    RunUntil([&] {
        for (std::size_t i = before; i < messages.size(); ++i)
            if (messages[i].value("type").toString() == QLatin1String("error")) {
                code = messages[i].value("code").toString();
                return true;
            }
        return closed;
    });
    return code;
}

TNetFixture::TNetFixture(TServerOptions options)
{
    options.log = [this](const QString& line) { FLog << line; };
    FServer = std::make_unique<TTableServer>(options);
    FServer->Listen(QHostAddress::LocalHost, 0);
}

TServerOptions TNetFixture::TestOptions()
{
    TServerOptions options;
    options.seed = 7;
    return options;
}

QString TNetFixture::Open(TRecorder& host, const TTableOptions& options)
{
    if (!host.Connect(Port())) return {};
    host.client.Send(OpenRequest(QStringLiteral("Host"), options));
    RunUntil([&] { return !host.client.Link().isEmpty() || host.closed; });
    return TableAndCode(host).first;
}

bool TNetFixture::Join(TRecorder& guest, const TRecorder& host, const QString& key)
{
    const auto [table, code] = TableAndCode(host);
    if (!guest.Connect(Port())) return false;
    guest.client.Send(JoinRequest(QStringLiteral("Guest"), table, code, key));
    return guest.Await([](const QJsonObject& m) {
        const QString type = m.value("type").toString();
        return type == QLatin1String("welcome") || type == QLatin1String("error");
    }) && guest.client.Seat() >= 0;
}

const TMatchState& TNetFixture::MatchOf(const TRecorder& host)
{
    return *FServer->Table(TableAndCode(host).first)->Match();
}

std::pair<QString, QString> TableAndCode(const TRecorder& host)
{
    const auto invitation = ParseInvitation(host.client.Link());
    if (!invitation) return {};
    return { invitation->table, invitation->code };
}

} // namespace zaviko::net::test
