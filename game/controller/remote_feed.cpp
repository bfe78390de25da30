#include "game/controller/remote_feed.h"

#include "net/client/seat_turn.h"

#include <algorithm>

using namespace zaviko::net;

namespace {

// The cards of hand `before` that hand `after` no longer holds.
std::vector<int> LeftTheHand(const THand& before, const THand& after)
{
    std::vector<int> gone;
    for (int id : before)
        if (id != kNoCard && id != kHiddenInView
            && std::find(after.begin(), after.end(), id) == after.end())
            gone.push_back(id);
    return gone;
}

} // namespace

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
        if (FBefore) step.playedAway = LeftTheHand(FBefore->hands[you], view.state.hands[you]);
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
