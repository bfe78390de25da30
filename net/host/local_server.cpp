#include "net/host/local_server.h"

#include <QNetworkInterface>

namespace zaviko::net {

TLocalServer::TLocalServer() = default;

TLocalServer::~TLocalServer()
{
    if (FServer) FServer->EndAllTables();
}

bool TLocalServer::Start(quint16 port)
{
    TServerOptions options;
    options.publicHost = MachineAddresses().value(0, QStringLiteral("127.0.0.1"));
    // One table of friends: a few tables more than that never hurt.
    options.maxTables = 4;
    auto server = std::make_unique<TTableServer>(options);
    if (!server->Listen(QHostAddress::Any, port)) {
        FError = server->ErrorString();
        return false;
    }
    FServer = std::move(server);
    FError.clear();
    return true;
}

quint16 TLocalServer::Port() const
{
    return FServer ? FServer->Port() : 0;
}

QUrl TLocalServer::OwnUrl() const
{
    return QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(Port()));
}

QStringList TLocalServer::MachineAddresses()
{
    QStringList v4, v6;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto flags = i.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp)
            || flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& e : i.addressEntries()) {
            const QHostAddress a = e.ip();
            // A link-local IPv6 address needs its interface named: no use in a link.
            if (a.isLinkLocal() || a.isLoopback()) continue;
            (a.protocol() == QAbstractSocket::IPv4Protocol ? v4 : v6) << a.toString();
        }
    }
    // A literal IPv6 address in a link needs brackets.
    for (QString& a : v6)
        a = QLatin1Char('[') + a + QLatin1Char(']');
    const QStringList all = v4 + v6;
    return all.isEmpty() ? QStringList { QStringLiteral("127.0.0.1") } : all;
}

} // namespace zaviko::net
