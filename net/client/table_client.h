#pragma once

#include "net/protocol/client_request.h"
#include "net/protocol/server_message.h"

#include <QJsonObject>
#include <QObject>
#include <QUrl>
#include <QWebSocket>

#include <functional>

// A client of the table server over one WebSocket: it sends requests and
// reports what the server says. It decides nothing about the match; a state
// message is the whole truth the seat may know.

namespace zaviko::net {

class TTableClient : public QObject {
public:
    explicit TTableClient(QObject* parent = nullptr);

    void Connect(const QUrl& url);
    void Close();
    // Any frame, valid or not: how tests speak as a broken client.
    void SendRaw(const QByteArray& frame);
    void Send(const QByteArray& request) { SendRaw(request); }
    QWebSocket& Socket() { return FSocket; }

    // The last of each kind the server sent.
    int Seat() const { return FSeat; }
    const QString& Key() const { return FKey; }
    const QString& Link() const { return FLink; }
    // Read from the last state message when first asked for.
    const std::optional<TSeatView>& View() const;
    const QJsonObject& Seats() const { return FSeats; }

    std::function<void()> connected;
    std::function<void()> disconnected;
    // Every message, after the client's own record of it is updated.
    std::function<void(const QJsonObject&)> message;
    std::function<void(const TSeatView&)> state;
    // The same undecoded, for a reader that looks at a field or two first.
    std::function<void(const QJsonObject&)> stateMessage;
    std::function<void(const QString& code)> refused;

private:
    void Text(const QString& text);

    QWebSocket FSocket;
    int FSeat = -1;
    QString FKey, FLink;
    QJsonObject FLastState;
    mutable std::optional<TSeatView> FView;
    mutable bool FViewStale = false;
    QJsonObject FSeats;
};

} // namespace zaviko::net
