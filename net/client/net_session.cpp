#include "net/client/net_session.h"

#include "game/rules/match_rules.h"
#include "net/protocol/protocol_limits.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace zaviko::net {

namespace {

SeatKind KindOfName(const QString& name)
{
    for (SeatKind kind : { SeatKind::Free, SeatKind::Person, SeatKind::Away, SeatKind::Computer })
        if (SeatKindName(kind) == name) return kind;
    return SeatKind::Free;
}

bool NobodyThere(QAbstractSocket::SocketError error)
{
    using E = QAbstractSocket::SocketError;
    return error == E::ConnectionRefusedError || error == E::HostNotFoundError
        || error == E::SocketTimeoutError || error == E::NetworkError;
}

} // namespace

TNetSession::TNetSession(QObject* parent)
    : QObject(parent)
{
    FAnswer.setSingleShot(true);
    connect(&FAnswer, &QTimer::timeout, this,
        [this] { SocketError(QAbstractSocket::SocketTimeoutError); });
    connect(&FCountdown, &QTimer::timeout, this, &TNetSession::Tick);
}

TNetSession::~TNetSession()
{
    Discard();
}

void TNetSession::Open(const QUrl& server, const QString& name, const TTableOptions& options)
{
    FName = name;
    FJoining = false;
    FFirstRequest = OpenRequest(name, options);
    Connect(server);
}

void TNetSession::Join(const TInvitation& invitation, const QString& name)
{
    FName = name;
    FJoining = true;
    FTriedTls = false;
    FTable = invitation.table;
    FCode = invitation.code;
    FFirstRequest = JoinRequest(name, invitation.table, invitation.code);
    Connect(ServerUrl(invitation, false));
}

void TNetSession::Connect(const QUrl& url)
{
    Discard();
    FUrl = url;
    FGreeted = false;
    FTlsTrouble.clear();
    if (FPhase != SessionPhase::Reconnecting) FPhase = SessionPhase::Connecting;
    FClient = std::make_unique<TTableClient>();
    QWebSocket& socket = FClient->Socket();
    connect(&socket, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
        &TNetSession::SocketError);
    connect(&socket, &QWebSocket::sslErrors, this, [this](const QList<QSslError>& errors) {
        // Never ignored: a certificate the system does not trust is refused.
        if (!errors.isEmpty()) FTlsTrouble = errors.first().errorString();
    });
    FClient->message = [this](const QJsonObject& m) { Received(m); };
    FClient->disconnected = [this] { Closed(); };
    FAnswer.start(answerTimeoutMs);
    FClient->Connect(url);
}

// The old connection is forgotten at once and freed once its own signal is done.
void TNetSession::Discard()
{
    FAnswer.stop();
    if (!FClient) return;
    FClient->Socket().disconnect(this);
    FClient->message = nullptr;
    FClient->disconnected = nullptr;
    FClient.release()->deleteLater();
}

void TNetSession::Leave()
{
    FCountdown.stop();
    if (FClient) FClient->Socket().close(QWebSocketProtocol::CloseCodeNormal);
    Discard();
    FPhase = SessionPhase::Ended;
}

void TNetSession::Cut()
{
    if (FClient) FClient->Socket().abort();
}

void TNetSession::Start()
{
    if (FClient && FGreeted) FClient->Send(StartRequest());
}

void TNetSession::SetSeat(int seat, SeatUse use, int strength)
{
    if (FClient && FGreeted) FClient->Send(SeatRequest(seat, use, strength));
}

void TNetSession::Move(const TMove& move)
{
    if (FClient && FGreeted) FClient->Send(MoveRequest(move));
}

void TNetSession::Chat(const QString& text)
{
    if (FClient && FGreeted) FClient->Send(ChatRequest(text));
}

void TNetSession::Received(const QJsonObject& m)
{
    const QString type = m.value("type").toString();
    if (type == QLatin1String("hello")) return Greeted(m);
    if (type == QLatin1String("welcome")) {
        FSeat = m.value("seat").toInt(kNoSeat);
        FKey = m.value("key").toString();
        if (m.value("host").toBool()) {
            FHost = true;
            FTable = m.value("table").toString();
            FCode = m.value("code").toString();
            FLink = m.value("link").toString();
        }
        const bool back = FPhase == SessionPhase::Reconnecting;
        FPhase = FStarted ? SessionPhase::Playing : SessionPhase::Waiting;
        if (back) {
            Note(QCoreApplication::translate("TNetSession", "Veza je obnovljena."));
            if (returned) returned();
        }
    } else if (type == QLatin1String("seats")) {
        SeatsMessage(m);
    } else if (type == QLatin1String("state")) {
        FView = FClient->View();
        FPhase = SessionPhase::Playing;
        if (FView && stateChanged) stateChanged(*FView);
    } else if (type == QLatin1String("chat")) {
        FChat.push_back(
            { m.value("seat").toInt(), m.value("name").toString(), m.value("text").toString() });
        if (chatAdded) chatAdded(FChat.back());
    } else if (type == QLatin1String("error")) {
        ErrorMessage(m.value("code").toString());
    }
}

void TNetSession::Greeted(const QJsonObject& hello)
{
    FAnswer.stop();
    const int version = hello.value("protocol").toInt(-1);
    if (version != kProtocolVersion)
        return Fail(JoinFailure::Version,
            QCoreApplication::translate("TNetSession", "server %1, igra %2")
                .arg(version)
                .arg(kProtocolVersion));
    FGreeted = true;
    FClient->Send(FFirstRequest);
}

void TNetSession::ErrorMessage(const QString& code)
{
    const bool seated = FPhase == SessionPhase::Waiting || FPhase == SessionPhase::Playing;
    if (seated) {
        if (refused) refused(RefusalText(code));
        return;
    }
    if (FPhase == SessionPhase::Reconnecting) {
        // The server may not yet know the old connection is gone: try again.
        if (code == QLatin1String("seat_in_use")) return Retry();
        return Fail(JoinFailure::Lost);
    }
    if (code == QLatin1String("wrong_code") || code == QLatin1String("no_table"))
        return Fail(JoinFailure::WrongCode);
    if (code == QLatin1String("table_full")) return Fail(JoinFailure::TableFull);
    if (code == QLatin1String("version"))
        return Fail(JoinFailure::Version,
            QCoreApplication::translate("TNetSession", "igra %1").arg(kProtocolVersion));
    if (code == QLatin1String("slow_down")) return Fail(JoinFailure::SlowDown);
    if (code == QLatin1String("too_many_tables")) return Fail(JoinFailure::TooManyTables);
    if (refused) refused(RefusalText(code));
}

void TNetSession::SeatsMessage(const QJsonObject& m)
{
    const QJsonArray seats = m.value("seats").toArray();
    for (int seat = 0; seat < kSeatCount && seat < seats.size(); ++seat) {
        const QJsonObject s = seats.at(seat).toObject();
        const TNetSeat now { KindOfName(s.value("kind").toString()), s.value("name").toString(),
            s.value("strength").toInt(3) };
        if (FSeatsKnown && seat != FSeat) NoteSeatChange(FSeats[seat], now);
        FSeats[seat] = now;
    }
    FSeatsKnown = true;
    FStarted = m.value("started").toBool();
    FHints = m.value("hints").toBool(true);
    FMode = m.value("mode").toInt(kEachForHimself);
    if (FStarted && FPhase == SessionPhase::Waiting) FPhase = SessionPhase::Playing;
    if (seatsChanged) seatsChanged();
}

bool TNetSession::SeatPlays(int seat) const
{
    return ::SeatPlays(FMode, seat);
}

bool TNetSession::SeatsFilled() const
{
    for (int seat = SeatS; seat <= SeatE; ++seat)
        if (SeatPlays(seat) && FSeats[seat].kind == SeatKind::Free) return false;
    return true;
}

void TNetSession::NoteSeatChange(const TNetSeat& before, const TNetSeat& now)
{
    const QString& name = now.name.isEmpty() ? before.name : now.name;
    if (!before.Person() && now.kind == SeatKind::Person)
        Note(QCoreApplication::translate("TNetSession", "Igrac %1 je seo za sto.").arg(name));
    else if (before.kind == SeatKind::Person && now.kind == SeatKind::Away)
        Note(QCoreApplication::translate(
            "TNetSession", "Igrac %1 je izgubio vezu; racunar igra umesto njega.")
                 .arg(name));
    else if (before.kind == SeatKind::Away && now.kind == SeatKind::Person)
        Note(QCoreApplication::translate("TNetSession", "Igrac %1 se vratio za sto.").arg(name));
    else if (before.Person() && !now.Person())
        Note(QCoreApplication::translate("TNetSession", "Igrac %1 je napustio sto.")
                 .arg(before.name));
}

void TNetSession::Note(const QString& text)
{
    FChat.push_back({ kNoSeat, QString(), text });
    if (chatAdded) chatAdded(FChat.back());
}

void TNetSession::SocketError(QAbstractSocket::SocketError error)
{
    if (FGreeted) return; // a seated connection's end comes as Closed
    // Nothing listens where the table was: its server has gone and the
    // table with it (a table lives only in its server's memory), as when the
    // host's window went away without its goodbye reaching this player.
    if (FPhase == SessionPhase::Reconnecting && error == QAbstractSocket::ConnectionRefusedError)
        return Fail(
            JoinFailure::NoAnswer, QStringLiteral("%1:%2").arg(FUrl.host()).arg(FUrl.port()));
    if (FPhase == SessionPhase::Reconnecting) return Retry();
    if (FPhase != SessionPhase::Connecting) return;
    if (!FTlsTrouble.isEmpty()) return Fail(JoinFailure::Certificate, FTlsTrouble);
    // Something answered but spoke no plain WebSocket: it may want TLS.
    if (FJoining && !FTriedTls && !NobodyThere(error)) {
        FTriedTls = true;
        QUrl secure = FUrl;
        secure.setScheme(QStringLiteral("wss"));
        return Connect(secure);
    }
    Fail(JoinFailure::NoAnswer, QStringLiteral("%1:%2").arg(FUrl.host()).arg(FUrl.port()));
}

void TNetSession::Closed()
{
    if (!FClient) return;
    const int code = FClient->Socket().closeCode();
    if (!FGreeted) return SocketError(FClient->Socket().error());
    if (code == kTableClosedCloseCode) return Fail(JoinFailure::HostClosed);
    if (code == QWebSocketProtocol::CloseCodePolicyViolated) return Fail(JoinFailure::SeatGone);
    if (FKey.isEmpty()) return Fail(JoinFailure::NoAnswer, FUrl.host());
    // A try that reached the server but lost it again waits its turn anew.
    if (FPhase == SessionPhase::Reconnecting) return Retry();
    Discard();
    FPhase = SessionPhase::Reconnecting;
    FTries = 0;
    Note(QCoreApplication::translate(
        "TNetSession", "Veza sa stolom je prekinuta; igra pokusava da je obnovi."));
    Retry();
}

void TNetSession::Retry()
{
    Discard();
    if (FTries >= maxReturnTries) return Fail(JoinFailure::Lost);
    FSecondsLeft = returnDelaySeconds;
    if (returning) returning(FSecondsLeft);
    if (FSecondsLeft <= 0)
        QTimer::singleShot(0, this, &TNetSession::TryReturn);
    else
        FCountdown.start(secondMs);
}

void TNetSession::Tick()
{
    if (--FSecondsLeft > 0) {
        if (returning) returning(FSecondsLeft);
        return;
    }
    FCountdown.stop();
    TryReturn();
}

void TNetSession::TryReturn()
{
    if (FPhase != SessionPhase::Reconnecting) return;
    ++FTries;
    FFirstRequest = JoinRequest(FName, FTable, FCode, FKey);
    Connect(FUrl);
}

void TNetSession::CancelReturn()
{
    if (FPhase != SessionPhase::Reconnecting) return;
    FCountdown.stop();
    Discard();
    FPhase = SessionPhase::Ended;
}

void TNetSession::Fail(JoinFailure failure, const QString& detail)
{
    FCountdown.stop();
    Discard();
    FPhase = SessionPhase::Ended;
    if (failed) failed(failure, JoinFailureText(failure, detail));
}

} // namespace zaviko::net
