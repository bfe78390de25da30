#include "game/controller/remote_feed.h"

#include "net/client/seat_turn.h"

#include <algorithm>

using namespace zaviko::net;

TRemoteStep TRemoteFeed::Step(const TSeatView& view)
{
    const int you = view.viewer;
    const TMatchEvent& e = view.event;
    TRemoteStep step;
    step.state = TurnedState(view.state, you);
    switch (e.kind) {
    case EventKind::Start:
        step.kind = TRemoteStep::rsStart;
        break;
    case EventKind::Resume:
        step.kind = TRemoteStep::rsResume;
        break;
    case EventKind::Deal:
        step.kind = TRemoteStep::rsDeal;
        step.newDeck = e.newDeck;
        break;
    case EventKind::HandEnd:
        step.kind = TRemoteStep::rsHandEnd;
        step.end.restTaker = ShownSeat(e.seat, you);
        step.end.restIds = e.ids;
        for (int seat : e.bonus)
            step.end.bonusSeats.push_back(ShownSeat(seat, you));
        std::sort(step.end.bonusSeats.begin(), step.end.bonusSeats.end());
        break;
    case EventKind::GameOver:
        step.kind = TRemoteStep::rsGameOver;
        break;
    case EventKind::Move: {
        const auto move = FBefore ? MoveOfEvent(*FBefore, view) : std::nullopt;
        if (!move) {
            step.kind = TRemoteStep::rsResume;
            break;
        }
        step.kind = TRemoteStep::rsMove;
        step.move = { ShownSeat(move->seat, you), move->handSlot, move->take };
        step.played = e.played;
        break;
    }
    }
    FBefore = view.state;
    return step;
}
