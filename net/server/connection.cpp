#include "net/server/connection.h"

#include "net/protocol/protocol_limits.h"
#include "net/protocol/server_message.h"
#include "net/server/table.h"

namespace zaviko::net {

TConnection::TConnection(QWebSocket* socket, const TServerOptions& options)
    : FSocket(socket)
    , FOptions(options)
    , FAddress(socket->peerAddress())
    , FMessages(options.messagesPerSecond, options.messageBurst)
    , FChat(options.chatPerSecond, options.chatBurst)
{
    FSocket->setParent(this);
    FHeard.start();
    FAge.start();
    // Past the protocol's own bound the frame is still read and refused with a
    // code; past this one Qt closes the connection without reading it.
    FSocket->setMaxAllowedIncomingFrameSize(kHardFrameBytes);
    FSocket->setMaxAllowedIncomingMessageSize(kHardFrameBytes);
    connect(FSocket, &QWebSocket::textMessageReceived, this, &TConnection::Text);
    connect(FSocket, &QWebSocket::binaryMessageReceived, this, &TConnection::Binary);
    connect(FSocket, &QWebSocket::pong, this, [this] { FHeard.restart(); });
    connect(FSocket, &QWebSocket::disconnected, this, &TConnection::Gone);
}

TConnection::~TConnection()
{
    FSocket->disconnect(this);
}

void TConnection::Text(const QString& text)
{
    if (FGone) return;
    FHeard.restart();
    // Counted in UTF-8 bytes, as the frame came.
    const QByteArray utf8 = text.toUtf8();
    if (utf8.size() > kMaxMessageBytes) return Refuse(ErrorCode::TooBig);
    if (received) received(*this, utf8);
}

void TConnection::Binary(const QByteArray&)
{
    if (FGone) return;
    FHeard.restart();
    Refuse(ErrorCode::Binary);
}

void TConnection::Send(const QByteArray& message)
{
    if (FGone) return;
    if (FOptions.sentToSeat && table && seat >= 0) FOptions.sentToSeat(*table, seat, message);
    FSocket->sendTextMessage(QString::fromUtf8(message));
    if (FSocket->bytesToWrite() > FOptions.maxPendingBytes) {
        // A client this far behind is treated as gone: its output is dropped.
        if (FOptions.log)
            FOptions.log(QStringLiteral("%1 dropped: output backlog").arg(FAddress.toString()));
        FSocket->abort();
        Gone();
    }
}

void TConnection::Refuse(ErrorCode code)
{
    if (FGone) return;
    Send(ErrorMessage(code));
    if (++refusals > FOptions.maxRefusals) Close();
}

bool TConnection::KeepAlive()
{
    if (FHeard.elapsed() > FOptions.silenceMs) {
        if (FOptions.log)
            FOptions.log(QStringLiteral("%1 dropped: silent").arg(FAddress.toString()));
        FSocket->abort();
        Gone();
        return false;
    }
    FSocket->ping();
    return true;
}

void TConnection::Close()
{
    if (FGone) return;
    FSocket->close(QWebSocketProtocol::CloseCodePolicyViolated);
    Gone();
}

void TConnection::End(int closeCode)
{
    if (FGone) return;
    FSocket->close(QWebSocketProtocol::CloseCode(closeCode));
    // The process may end right after: the close frame leaves now.
    FSocket->flush();
    Gone();
}

// Once only, however the end came; the owner deletes this later.
void TConnection::Gone()
{
    if (FGone) return;
    FGone = true;
    if (closed) closed(*this);
}

} // namespace zaviko::net
