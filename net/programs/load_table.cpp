#include "net/programs/load_table.h"

#include "game/rules/computer_move.h"
#include "net/protocol/invitation.h"

#include <QJsonArray>

namespace zaviko::net {

TLoadTable::TLoadTable(const QUrl& server, int index, const QElapsedTimer& clock, int thinkMs)
    : FServer(server)
    , FClock(clock)
{
    for (int seat = 0; seat < kSeatCount; ++seat) {
        FBots[seat] = std::make_unique<TTableBot>(csPametno, std::uint64_t(index) * 4 + seat, this);
        TTableBot& bot = *FBots[seat];
        bot.thinkMs = thinkMs;
        bot.moved = [this](int before) {
            FInFlight.insert(before + 1, { FClock.nsecsElapsed() / 1000, 0 });
        };
        TTableClient& client = bot.Client();
        client.message = [this, seat](const QJsonObject& m) { Arrived(seat, m); };
        client.refused = [this](const QString&) { FFailed = true; };
        client.disconnected = [this] { FFailed = true; };
    }
    TTableClient& host = FBots[0]->Client();
    host.connected = [&host] { host.Send(OpenRequest(QStringLiteral("Host"), TTableOptions {})); };
    host.Connect(FServer);
}

void TLoadTable::Welcomed(const QJsonObject& message)
{
    if (!message.value("host").toBool()) return;
    const auto invitation = ParseInvitation(message.value("link").toString());
    if (!invitation) {
        FFailed = true;
        return;
    }
    for (int seat = 1; seat < kSeatCount; ++seat) {
        TTableClient& client = FBots[seat]->Client();
        client.connected = [&client, invitation, seat] {
            client.Send(JoinRequest(
                QStringLiteral("Bot %1").arg(seat), invitation->table, invitation->code));
        };
        client.Connect(FServer);
    }
}

void TLoadTable::Arrived(int seat, const QJsonObject& m)
{
    const QString type = m.value("type").toString();
    if (type == QLatin1String("welcome")) return Welcomed(m);
    TTableClient& host = FBots[0]->Client();
    if (type == QLatin1String("seats") && !m.value("started").toBool()) {
        int people = 0;
        for (const QJsonValue& seat : m.value("seats").toArray())
            people += seat.toObject().value("kind").toString() == QLatin1String("person");
        // Only the host's copy starts the match, once all four sit.
        if (people == kSeatCount && seat == SeatS) host.Send(StartRequest());
        return;
    }
    if (type != QLatin1String("state")) return;
    const QJsonObject event = m.value("event").toObject();
    const QString kind = event.value("kind").toString();
    if (kind == QLatin1String("start")) FPlaying = true;
    if (kind == QLatin1String("gameOver") && seat == SeatS) host.Send(StartRequest());
    if (kind != QLatin1String("move")) return;
    const auto it = FInFlight.find(m.value("moves").toInt());
    if (it == FInFlight.end()) return;
    if (++it->second < kSeatCount) return;
    const qint64 latency = FClock.nsecsElapsed() / 1000 - it->first;
    FInFlight.erase(it);
    if (delivered) delivered(latency);
}

} // namespace zaviko::net
