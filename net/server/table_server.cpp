#include "net/server/table_server.h"

#include "net/protocol/protocol_limits.h"
#include "net/protocol/server_message.h"
#include "net/server/connection.h"
#include "net/server/secret.h"
#include "net/server/table.h"

#include <QRandomGenerator>
#include <QSslSocket>

#include <memory>

namespace zaviko::net {

// Takes each TCP connection itself so that TLS, the socket's buffer and the
// hand-over to the WebSocket handshake stay in one place.
class TTableServer::TListener : public QTcpServer {
public:
    explicit TListener(TTableServer& server)
        : FServer(server)
    {
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        const auto& options = FServer.FOptions;
        QTcpSocket* socket = options.tls ? new QSslSocket : new QTcpSocket;
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        // Moves are small frames that must leave at once, not wait for more.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        if (options.sendBufferBytes > 0)
            socket->setSocketOption(
                QAbstractSocket::SendBufferSizeSocketOption, options.sendBufferBytes);
        if (!options.tls) return FServer.Accept(socket);
        auto* tls = static_cast<QSslSocket*>(socket);
        tls->setSslConfiguration(*options.tls);
        // A handshake that fails or is left hanging frees its socket; one that
        // succeeds hands the socket on and forgets these connections.
        auto failed = std::make_shared<QMetaObject::Connection>();
        *failed = connect(tls, &QAbstractSocket::disconnected, tls, &QObject::deleteLater);
        connect(tls, &QSslSocket::encrypted, &FServer, [this, tls, failed] {
            QObject::disconnect(*failed);
            tls->disconnect(&FServer);
            FServer.Accept(tls);
        });
        tls->startServerEncryption();
    }

private:
    TTableServer& FServer;
};

TTableServer::TTableServer(TServerOptions options, QObject* parent)
    : QObject(parent)
    , FOptions(std::move(options))
    , FListener(std::make_unique<TListener>(*this))
    , FSockets(QStringLiteral("zaviko-server"), QWebSocketServer::NonSecureMode)
    , FThrottle(FOptions.freeWrongCodes, FOptions.wrongCodeWaitMs)
{
    FSockets.setHandshakeTimeout(std::chrono::milliseconds(10000));
    connect(&FSockets, &QWebSocketServer::newConnection, this, &TTableServer::Connected);
    connect(&FPing, &QTimer::timeout, this, &TTableServer::Ping);
    FPing.start(FOptions.pingIntervalMs);
}

TTableServer::~TTableServer()
{
    for (TConnection* c : FConnections)
        delete c;
    qDeleteAll(FTables);
}

bool TTableServer::Listen(const QHostAddress& address, quint16 port)
{
    return FListener->listen(address, port);
}

quint16 TTableServer::Port() const
{
    return FListener->serverPort();
}

QString TTableServer::ErrorString() const
{
    return FListener->errorString();
}

void TTableServer::Accept(QTcpSocket* socket)
{
    FSockets.handleConnection(socket);
}

void TTableServer::Connected()
{
    const int most
        = FOptions.maxConnections > 0 ? FOptions.maxConnections : 4 * FOptions.maxTables + 64;
    while (QWebSocket* socket = FSockets.nextPendingConnection()) {
        if (FConnections.size() >= most) {
            // 1013, "try again later" (RFC 6455 registry), which Qt does not name.
            socket->close(QWebSocketProtocol::CloseCode(1013));
            socket->deleteLater();
            continue;
        }
        auto* c = new TConnection(socket, FOptions);
        c->setParent(this);
        c->received = [this](TConnection& from, const QByteArray& frame) { Received(from, frame); };
        c->closed = [this](TConnection& from) { Closed(from); };
        FConnections.insert(c, c);
        c->Send(HelloMessage());
    }
}

void TTableServer::Received(TConnection& c, const QByteArray& frame)
{
    if (!c.WithinRate()) return c.Refuse(ErrorCode::Flood);
    const TDecoded decoded = DecodeClientMessage(frame);
    if (!decoded.message) return c.Refuse(decoded.error);
    const TClientMessage& m = *decoded.message;
    const bool hello = m.type == ClientType::Open || m.type == ClientType::Join;
    if (hello && c.table) return c.Refuse(ErrorCode::AlreadySeated);
    if (m.type == ClientType::Open) return Open(c, m);
    if (m.type == ClientType::Join) return Join(c, m);
    if (!c.table) return c.Refuse(ErrorCode::NotSeated);
    c.table->Handle(c, m);
}

QString TTableServer::LinkBase(const QString& table) const
{
    const QString host = !FOptions.publicHost.isEmpty() ? FOptions.publicHost
                                                        : FListener->serverAddress().toString();
    return QStringLiteral("zaviko://%1:%2/%3").arg(host).arg(Port()).arg(table);
}

void TTableServer::Open(TConnection& c, const TClientMessage& m)
{
    if (FTables.size() >= FOptions.maxTables) return c.Refuse(ErrorCode::TooManyTables);
    const QString id = RandomSecret(64);
    const std::uint64_t seed
        = FOptions.seed ? *FOptions.seed + FTablesOpened : QRandomGenerator::system()->generate64();
    ++FTablesOpened;
    auto* table = new TTable(id, LinkBase(id), m.options, seed, FOptions);
    table->setParent(this);
    table->deserted = [this](TTable& t) { CloseTable(t); };
    FTables.insert(id, table);
    table->Open(c, m.name);
}

void TTableServer::Join(TConnection& c, const TClientMessage& m)
{
    // Checked before the table is looked up, so a waiting address learns nothing.
    if (FThrottle.MustWait(c.Address())) return c.Refuse(ErrorCode::SlowDown);
    TTable* table = FTables.value(m.table);
    if (!table || !SecretsEqual(table->Code(), m.code)) {
        FThrottle.Wrong(c.Address());
        if (FOptions.log)
            FOptions.log(QStringLiteral("wrong invitation from %1").arg(c.Address().toString()));
        return c.Refuse(table ? ErrorCode::WrongCode : ErrorCode::NoTable);
    }
    if (m.key.isEmpty())
        table->Join(c, m.name);
    else
        table->Return(c, m.key);
}

void TTableServer::Closed(TConnection& c)
{
    FConnections.remove(&c);
    if (TTable* table = c.table) {
        table->Dropped(c);
        if (table->Deserted()) CloseTable(*table);
    }
    c.deleteLater();
}

void TTableServer::CloseTable(TTable& table)
{
    if (!FTables.remove(table.Id())) return;
    if (FOptions.log) FOptions.log(QStringLiteral("table %1: closed").arg(table.Id()));
    table.deleteLater();
}

void TTableServer::EndAllTables()
{
    const QList<TConnection*> connections = FConnections.values();
    for (TConnection* c : connections)
        c->End(kTableClosedCloseCode);
    const QList<TTable*> tables = FTables.values();
    for (TTable* table : tables)
        CloseTable(*table);
}

void TTableServer::Ping()
{
    // A copy: a dead connection leaves the set while it is walked.
    const QList<TConnection*> connections = FConnections.values();
    for (TConnection* c : connections)
        // A connection that never sits down holds a place for nothing.
        if (!c->table && c->seat < 0 && c->AgeMs() > FOptions.unseatedMs)
            c->Close();
        else
            c->KeepAlive();
}

} // namespace zaviko::net
