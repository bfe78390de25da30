#pragma once

#include "net/protocol/client_message.h"
#include "net/protocol/server_message.h"
#include "net/server/server_options.h"
#include "net/server/table_match.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

// A table: four seats, the people holding them by their keys, the match,
// and the computers that play every seat no person holds at the moment (a
// free seat, a dropped player's, a person's whose turn timer ran out).

namespace zaviko::net {

class TConnection;

struct TTableSeat {
    SeatKind kind = SeatKind::Free;
    QString name;
    QString key;
    int strength = 3;
    QPointer<TConnection> connection;
    QTimer away; // a dropped seat's key expires when it fires
};

class TTable : public QObject {
public:
    TTable(const QString& id, const QString& link, const TTableOptions& options, std::uint64_t seed,
        const TServerOptions& server);

    const QString& Id() const { return FId; }
    const QString& Code() const { return FCode; }
    const TMatchState* Match() const { return FMatch ? &FMatch->State() : nullptr; }
    // No person holds or may take back a seat: the table can go.
    bool Deserted() const;
    std::function<void(TTable&)> deserted;

    // The opener sits at S as the host.
    void Open(TConnection& host, const QString& name);
    void Join(TConnection& c, const QString& name);
    void Return(TConnection& c, const QString& key);
    void Dropped(TConnection& c);
    // A message for the table from a seated connection.
    void Handle(TConnection& c, const TClientMessage& m);

private:
    void Sit(TConnection& c, int seat, const QString& name, bool fresh);
    void SetSeat(TConnection& host, const TClientMessage& m);
    void Start(TConnection& c);
    void Move(TConnection& c, const TClientMessage& m);
    void Chat(TConnection& c, const QString& text);
    void MatchChanged(const TMatchState& state, const TMatchEvent& event);
    void SendSeats();
    void SendState(int seat, const TMatchEvent& event);
    bool ComputerPlays(int seat) const;
    int ComputerStrength(int seat) const;
    void ScheduleStep();
    void Step();
    void TurnTimedOut();
    // A computer move for the seat on turn, chosen on a worker thread so that
    // a long search never holds up the other tables' clients.
    void Think(int strength);
    void Expire(int seat);
    void Log(const QString& line) const;

    QString FId, FCode, FLink;
    TTableOptions FOptions;
    std::uint64_t FSeed;
    int FMatches = 0;
    const TServerOptions& FServer;
    std::array<TTableSeat, kSeatCount> FSeats;
    std::unique_ptr<TTableMatch> FMatch;
    QTimer FTurnTimer;
    int FTimedMove = -1; // the move count the turn timer was set for
    bool FStepQueued = false;
    bool FThinking = false;
};

} // namespace zaviko::net
