#include "net/server/table.h"

#include "net/protocol/protocol_limits.h"
#include "net/server/connection.h"
#include "net/server/secret.h"

#include <QFuture>
#include <QPromise>
#include <QRandomGenerator>
#include <QThreadPool>

#include <memory>

namespace zaviko::net {

TTable::TTable(const QString& id, const QString& link, const TTableOptions& options,
    std::uint64_t seed, const TServerOptions& server)
    : FId(id)
    , FCode(RandomSecret(kSecretBits))
    , FLink(link + QLatin1Char('/') + FCode)
    , FOptions(options)
    , FSeed(seed)
    , FServer(server)
{
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        TTableSeat& s = FSeats[seat];
        s.strength = options.strength;
        s.away.setSingleShot(true);
        connect(&s.away, &QTimer::timeout, this, [this, seat] { Expire(seat); });
    }
    FTurnTimer.setSingleShot(true);
    connect(&FTurnTimer, &QTimer::timeout, this, &TTable::TurnTimedOut);
}

bool TTable::Deserted() const
{
    for (const TTableSeat& s : FSeats)
        if (s.kind == SeatKind::Person || s.kind == SeatKind::Away) return false;
    return true;
}

void TTable::Log(const QString& line) const
{
    if (FServer.log) FServer.log(QStringLiteral("table %1: %2").arg(FId, line));
}

void TTable::Open(TConnection& host, const QString& name)
{
    Log(QStringLiteral("opened by %1 (mode %2, decks %3)")
            .arg(host.Address().toString())
            .arg(FOptions.mode)
            .arg(FOptions.decks + 1));
    Sit(host, SeatS, name, true);
}

void TTable::Join(TConnection& c, const QString& name)
{
    for (int seat : { SeatS, SeatW, SeatN, SeatE })
        if (SeatPlays(FOptions.mode, seat) && FSeats[seat].kind == SeatKind::Free)
            return Sit(c, seat, name, true);
    c.Refuse(ErrorCode::TableFull);
}

void TTable::Return(TConnection& c, const QString& key)
{
    for (int seat = SeatS; seat <= SeatE; ++seat) {
        TTableSeat& s = FSeats[seat];
        if (s.key.isEmpty() || !SecretsEqual(s.key, key)) continue;
        if (s.kind == SeatKind::Person) return c.Refuse(ErrorCode::SeatInUse);
        s.away.stop();
        return Sit(c, seat, s.name, false);
    }
    c.Refuse(ErrorCode::BadKey);
}

void TTable::Sit(TConnection& c, int seat, const QString& name, bool fresh)
{
    TTableSeat& s = FSeats[seat];
    s.kind = SeatKind::Person;
    s.connection = &c;
    if (fresh) {
        s.name = name;
        s.key = RandomSecret(kSecretBits);
    }
    c.table = this;
    c.seat = seat;
    Log(QStringLiteral("seat %1 %2 by %3")
            .arg(seat)
            .arg(fresh ? "taken" : "taken back", c.Address().toString()));
    c.Send(WelcomeMessage(FId, seat, s.key, seat == SeatS, FCode, FLink));
    SendSeats();
    // A seat taken back mid-match gets the whole table anew.
    if (FMatch) SendState(seat, { EventKind::Resume });
    ScheduleStep();
}

void TTable::Dropped(TConnection& c)
{
    const int seat = c.seat;
    if (seat < 0 || FSeats[seat].connection != &c) return;
    TTableSeat& s = FSeats[seat];
    s.kind = SeatKind::Away;
    s.connection = nullptr;
    s.away.start(FServer.awayMs);
    Log(QStringLiteral("seat %1 dropped; a computer plays it").arg(seat));
    SendSeats();
    ScheduleStep();
}

void TTable::Expire(int seat)
{
    TTableSeat& s = FSeats[seat];
    if (s.kind != SeatKind::Away) return;
    s.kind = SeatKind::Computer;
    s.key.clear();
    s.strength = FOptions.strength;
    Log(QStringLiteral("seat %1's key expired").arg(seat));
    SendSeats();
    if (Deserted() && deserted) deserted(*this);
}

void TTable::Handle(TConnection& c, const TClientMessage& m)
{
    switch (m.type) {
    case ClientType::Start:
        return Start(c);
    case ClientType::Seat:
        return SetSeat(c, m);
    case ClientType::Move:
        return Move(c, m);
    case ClientType::Chat:
        return Chat(c, m.text);
    default:
        return c.Refuse(ErrorCode::AlreadySeated);
    }
}

void TTable::SetSeat(TConnection& host, const TClientMessage& m)
{
    if (host.seat != SeatS) return host.Refuse(ErrorCode::NotHost);
    if (m.seat == SeatS || !SeatPlays(FOptions.mode, m.seat))
        return host.Refuse(ErrorCode::BadSeat);
    TTableSeat& s = FSeats[m.seat];
    if (TConnection* held = s.connection) {
        held->table = nullptr;
        held->seat = -1;
        held->Close();
    }
    s.away.stop();
    s.connection = nullptr;
    s.key.clear();
    s.name.clear();
    s.kind = m.use == SeatUse::Free ? SeatKind::Free : SeatKind::Computer;
    s.strength = m.strength;
    Log(QStringLiteral("seat %1 given to %2").arg(m.seat).arg(SeatKindName(s.kind)));
    SendSeats();
    ScheduleStep();
}

void TTable::Start(TConnection& c)
{
    if (c.seat != SeatS) return c.Refuse(ErrorCode::NotHost);
    if (FMatch && !FMatch->Over()) return c.Refuse(ErrorCode::Started);
    const TTableMatchSetup setup { FSeed + 1000 * std::uint64_t(FMatches++), FOptions.mode,
        FOptions.decks, FOptions.clockwise };
    FMatch = std::make_unique<TTableMatch>(
        setup, [this](const TMatchState& s, const TMatchEvent& e) { MatchChanged(s, e); });
    FTimedMove = -1;
    Log(QStringLiteral("match %1 started").arg(FMatches));
    SendSeats();
    FMatch->Start();
    ScheduleStep();
}

void TTable::Move(TConnection& c, const TClientMessage& m)
{
    if (!FMatch) return c.Refuse(ErrorCode::NotStarted);
    const TMove move { c.seat, m.card, m.take };
    if (const auto refusal = FMatch->Refusal(move)) return c.Refuse(*refusal);
    // A move the rules accept is no flood: the turns themselves bound them.
    c.RefundRate();
    FMatch->Play(move);
    ScheduleStep();
}

void TTable::Chat(TConnection& c, const QString& text)
{
    if (!c.ChatWithinRate()) return c.Refuse(ErrorCode::Flood);
    const QByteArray line = ChatMessage(c.seat, FSeats[c.seat].name, text);
    for (TTableSeat& s : FSeats)
        if (s.connection) s.connection->Send(line);
}

void TTable::MatchChanged(const TMatchState&, const TMatchEvent& event)
{
    for (int seat = SeatS; seat <= SeatE; ++seat)
        SendState(seat, event);
    if (event.kind == EventKind::GameOver)
        Log(QStringLiteral("match %1 over after %2 moves, winner seat %3")
                .arg(FMatches)
                .arg(FMatch->State().MovesMade)
                .arg(event.winner));
}

void TTable::SendState(int seat, const TMatchEvent& event)
{
    if (TConnection* c = FSeats[seat].connection)
        c->Send(StateMessage(FMatch->State(), seat, event));
}

void TTable::SendSeats()
{
    std::vector<TSeatInfo> seats;
    for (const TTableSeat& s : FSeats)
        seats.push_back({ s.kind, s.name, s.strength });
    const QByteArray message
        = SeatsMessage(seats, SeatS, FMatch && !FMatch->Over(), FOptions.hints, FOptions.mode);
    for (TTableSeat& s : FSeats)
        if (s.connection) s.connection->Send(message);
}

bool TTable::ComputerPlays(int seat) const
{
    return FSeats[seat].kind != SeatKind::Person;
}

int TTable::ComputerStrength(int seat) const
{
    return FSeats[seat].kind == SeatKind::Computer ? FSeats[seat].strength : FOptions.strength;
}

// One computer move per pass of the event loop, so a table of computers
// never keeps the other tables' clients waiting for more than a move.
void TTable::ScheduleStep()
{
    if (FStepQueued) return;
    FStepQueued = true;
    QTimer::singleShot(0, this, &TTable::Step);
}

void TTable::Step()
{
    FStepQueued = false;
    if (!FMatch || FMatch->Over()) return;
    const int seat = FMatch->Turn();
    if (ComputerPlays(seat)) return Think(ComputerStrength(seat));
    if (FOptions.turnSeconds > 0 && FTimedMove != FMatch->State().MovesMade) {
        FTimedMove = FMatch->State().MovesMade;
        FTurnTimer.start(FOptions.turnSeconds * FServer.turnUnitMs);
    }
}

void TTable::TurnTimedOut()
{
    if (!FMatch || FMatch->Over() || FTimedMove != FMatch->State().MovesMade) return;
    Think(FOptions.strength);
}

void TTable::Think(int strength)
{
    if (FThinking) return;
    FThinking = true;
    const TTableMatch* match = FMatch.get();
    const int made = match->State().MovesMade, generation = FMatches;
    auto promise = std::make_shared<QPromise<TMove>>();
    QFuture<TMove> future = promise->future();
    promise->start();
    QThreadPool::globalInstance()->start([promise, task = match->ComputerMoveTask(strength)] {
        promise->addResult(task());
        promise->finish();
    });
    // Back on the table's thread; dropped with the table. A move made
    // meanwhile (a player back in time for the turn) makes the choice stale.
    future.then(this, [this, match, made, generation](const TMove& move) {
        FThinking = false;
        if (FMatches == generation && FMatch.get() == match && !match->Over()
            && match->State().MovesMade == made)
            FMatch->Play(move);
        ScheduleStep();
    });
}

} // namespace zaviko::net
