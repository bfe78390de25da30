#include "net/client/table_bot.h"

#include "game/computer/hidden_sampler.h"
#include "game/computer/seat_choice.h"
#include "net/protocol/wire_card.h"

#include <QTimer>

namespace zaviko::net {

static_assert(kViewHiddenCard == kHiddenCard, "A view's hidden card is the search's");

TTableBot::TTableBot(int strength, std::uint64_t seed, QObject* parent)
    : QObject(parent)
    , FClient(this)
    , FStrength(strength)
    , FGenerator(seed)
{
    // Only the seat on turn decodes the whole state: a table's other three
    // seats just read who is on turn.
    FClient.stateMessage = [this](const QJsonObject& m) {
        if (playing && m.value("turn") == m.value("you") && !m.value("over").toBool())
            if (const auto& view = FClient.View()) Consider(*view);
    };
}

void TTableBot::Consider(const TSeatView& view)
{
    const TMatchState& s = view.state;
    const int seat = view.viewer;
    // One move per turn: a turn is named by the moves made before it.
    if (!playing || s.GameOver || s.CurrentPlayer != seat || HandEmpty(s, seat)
        || s.MovesMade == FLastMoveCount)
        return;
    const int r = std::uniform_int_distribution<int>(0, 9)(FGenerator);
    const TComputerChoice choice = ChooseSeatMove(s, seat, FStrength, r);
    if (choice.handSlot < 0) return;
    FLastMoveCount = s.MovesMade;
    ++FMovesSent;
    const QByteArray request = MoveRequest(MoveOfChoice(s, seat, choice));
    const int before = s.MovesMade;
    const auto send = [this, request, before] {
        FClient.Send(request);
        if (moved) moved(before);
    };
    if (thinkMs > 0)
        QTimer::singleShot(thinkMs, this, send);
    else
        send();
}

} // namespace zaviko::net
