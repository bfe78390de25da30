#pragma once

#include "net/protocol/error_code.h"
#include "net/server/server_options.h"
#include "net/server/token_bucket.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QWebSocket>

#include <functional>

// One client's WebSocket: what it sends goes to `received` after the frame
// checks; what it is sent is bounded so that a client that stops reading is
// dropped rather than held in memory. Refusals go to this client alone, and
// too many close it.

namespace zaviko::net {

class TTable;

class TConnection : public QObject {
public:
    TConnection(QWebSocket* socket, const TServerOptions& options);
    ~TConnection() override;

    std::function<void(TConnection&, const QByteArray&)> received;
    std::function<void(TConnection&)> closed;

    void Send(const QByteArray& message);
    // A coded error to this client; past the bound of refusals, the end.
    void Refuse(ErrorCode code);
    // Whether a message that is not an accepted move may pass the rate bound.
    bool WithinRate() { return FMessages.Take(); }
    void RefundRate() { FMessages.Refund(); }
    bool ChatWithinRate() { return FChat.Take(); }
    // Pings a quiet client; false when it has been silent too long.
    bool KeepAlive();
    void Close();
    // A close the client is told the reason of by its code (the table's end).
    void End(int closeCode);

    QHostAddress Address() const { return FAddress; }
    qint64 AgeMs() const { return FAge.elapsed(); }
    QPointer<TTable> table;
    int seat = -1;
    int refusals = 0;

private:
    void Text(const QString& text);
    void Binary(const QByteArray& data);
    void Gone();

    QWebSocket* FSocket;
    const TServerOptions& FOptions;
    QHostAddress FAddress;
    TTokenBucket FMessages, FChat;
    QElapsedTimer FHeard, FAge;
    bool FGone = false;
};

} // namespace zaviko::net
