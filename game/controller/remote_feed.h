#pragma once

#include "game/controller/remote_step.h"
#include "net/protocol/server_message.h"

#include <optional>

// Turns what a network seat is sent into the controller's steps: the view
// turned so the seat is at S, a move read back as the rules' move from the
// state before it. A view whose move cannot be read so (a step missed) is
// shown whole, as a seat coming back is.
class TRemoteFeed {
public:
    TRemoteStep Step(const zaviko::net::TSeatView& view);

private:
    std::optional<TMatchState> FBefore; // in the server's seats
};
