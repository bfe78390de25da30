#include "net/client/table_client.h"

#include <QJsonDocument>

namespace zaviko::net {

TTableClient::TTableClient(QObject* parent)
    : QObject(parent)
{
    connect(&FSocket, &QWebSocket::connected, this, [this] {
        if (connected) connected();
    });
    connect(&FSocket, &QWebSocket::disconnected, this, [this] {
        if (disconnected) disconnected();
    });
    connect(&FSocket, &QWebSocket::textMessageReceived, this, &TTableClient::Text);
}

void TTableClient::Connect(const QUrl& url)
{
    FSocket.open(url);
}

void TTableClient::Close()
{
    FSocket.close();
}

void TTableClient::SendRaw(const QByteArray& frame)
{
    FSocket.sendTextMessage(QString::fromUtf8(frame));
}

const std::optional<TSeatView>& TTableClient::View() const
{
    if (FViewStale) {
        FView = DecodeStateMessage(FLastState);
        FViewStale = false;
    }
    return FView;
}

void TTableClient::Text(const QString& text)
{
    const QJsonObject m = QJsonDocument::fromJson(text.toUtf8()).object();
    const QString type = m.value("type").toString();
    if (type == QLatin1String("welcome")) {
        FSeat = m.value("seat").toInt(-1);
        FKey = m.value("key").toString();
        if (m.contains("link")) FLink = m.value("link").toString();
    } else if (type == QLatin1String("seats")) {
        FSeats = m;
    } else if (type == QLatin1String("state")) {
        FLastState = m;
        FViewStale = true;
    }
    if (message) message(m);
    if (type == QLatin1String("state") && stateMessage) stateMessage(m);
    if (type == QLatin1String("state") && state && View()) state(*View());
    if (type == QLatin1String("error") && refused) refused(m.value("code").toString());
}

} // namespace zaviko::net
