#pragma once

#include "net/client/join_failure.h"
#include "net/client/table_client.h"
#include "net/protocol/invitation.h"

#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// One person's place at a network table, as the window sees it: it opens or
// joins the table, keeps the seats, the chat and the latest state, sends the
// person's moves and lines, and after a dropped connection comes back with
// the seat key on its own, counting down between tries so the window can show
// it and the person can give up. It decides nothing about the match.

namespace zaviko::net {

struct TNetSeat {
    SeatKind kind = SeatKind::Free;
    QString name;
    int strength = 3;
    bool Person() const { return kind == SeatKind::Person || kind == SeatKind::Away; }
    bool Connected() const { return kind == SeatKind::Person; }
};

// A chat line, or a note of the session's own (someone came, left, dropped).
struct TChatLine {
    int seat = kNoSeat; // kNoSeat for a note
    QString name;
    QString text;
};

enum class SessionPhase { Idle, Connecting, Waiting, Playing, Reconnecting, Ended };

class TNetSession : public QObject {
public:
    explicit TNetSession(QObject* parent = nullptr);
    ~TNetSession() override;

    // Opens a new table on the server at `server` (ws:// or wss://).
    void Open(const QUrl& server, const QString& name, const TTableOptions& options);
    // Takes a free seat by the invitation: plain first, then TLS.
    void Join(const TInvitation& invitation, const QString& name);
    // Leaves the table for good: no retry follows.
    void Leave();

    void Start();
    void SetSeat(int seat, SeatUse use, int strength = 3);
    void Move(const TMove& move);
    void Chat(const QString& text);
    // Stops coming back after a drop; the session ends.
    void CancelReturn();
    // Drops the connection at once, as a broken network does (no close
    // frame): how the checks make a drop.
    void Cut();

    SessionPhase Phase() const { return FPhase; }
    int Seat() const { return FSeat; }
    bool Host() const { return FHost; }
    const QString& Link() const { return FLink; }
    const std::array<TNetSeat, kSeatCount>& Seats() const { return FSeats; }
    bool Started() const { return FStarted; }
    // The host's choice: whether this table offers "Savet".
    bool HintsAllowed() const { return FHints; }
    // The table's mode, and whether a seat plays in it.
    int Mode() const { return FMode; }
    bool SeatPlays(int seat) const;
    // Every seat that plays is held by a person or a computer.
    bool SeatsFilled() const;
    const std::vector<TChatLine>& ChatLines() const { return FChat; }
    const std::optional<TSeatView>& View() const { return FView; }
    // Whole seconds until the next try to come back; tries made so far.
    int ReturnSecondsLeft() const { return FSecondsLeft; }
    int ReturnTries() const { return FTries; }

    // A drop is retried after this many seconds, at most this many times.
    int returnDelaySeconds = 5;
    int maxReturnTries = 120;
    // A server that has not greeted within this is no answer.
    int answerTimeoutMs = 10000;
    // The length of one second of the countdown (tests shorten it to nothing).
    int secondMs = 1000;

    std::function<void()> seatsChanged;
    std::function<void(const TSeatView&)> stateChanged;
    std::function<void(const TChatLine&)> chatAdded;
    // The server refused a request of the person (a move, mostly): its words.
    std::function<void(const QString& reason)> refused;
    // Opening or joining failed, or the table is gone: the session is over.
    std::function<void(JoinFailure failure, const QString& message)> failed;
    // The connection dropped; a try to come back follows the countdown.
    std::function<void(int secondsLeft)> returning;
    // Back at the table after a drop.
    std::function<void()> returned;

private:
    void Connect(const QUrl& url);
    void Discard();
    void Greeted(const QJsonObject& hello);
    void Received(const QJsonObject& m);
    void SocketError(QAbstractSocket::SocketError error);
    void Closed();
    void SeatsMessage(const QJsonObject& m);
    void ErrorMessage(const QString& code);
    void Fail(JoinFailure failure, const QString& detail = {});
    void Retry();
    void Tick();
    void TryReturn();
    void Note(const QString& text);
    void NoteSeatChange(const TNetSeat& before, const TNetSeat& now);

    std::unique_ptr<TTableClient> FClient;
    SessionPhase FPhase = SessionPhase::Idle;
    // What to send once greeted: open, join or join with the key.
    QByteArray FFirstRequest;
    QUrl FUrl;
    bool FJoining = false;
    bool FTriedTls = false;
    bool FGreeted = false;
    bool FHost = false;
    bool FStarted = false;
    bool FHints = true;
    int FMode = kEachForHimself;
    int FSeat = kNoSeat;
    QString FName, FLink, FKey, FTable, FCode;
    std::optional<TSeatView> FView;
    std::array<TNetSeat, kSeatCount> FSeats {};
    bool FSeatsKnown = false;
    std::vector<TChatLine> FChat;
    QTimer FAnswer, FCountdown;
    int FSecondsLeft = 0;
    int FTries = 0;
    // The certificate's trouble, kept for the failure's message.
    QString FTlsTrouble;
};

} // namespace zaviko::net
