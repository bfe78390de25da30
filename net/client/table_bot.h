#pragma once

#include "net/client/table_client.h"

#include <random>

// A seat played through the protocol by a computer strength: on each state
// that puts its seat on turn it chooses as a computer seat of the game would,
// from that state alone (all the seat may know), and sends the move.

namespace zaviko::net {

class TTableBot : public QObject {
public:
    TTableBot(int strength, std::uint64_t seed, QObject* parent = nullptr);

    TTableClient& Client() { return FClient; }
    int MovesSent() const { return FMovesSent; }
    // Off: the bot only listens (a test's client that moves by hand).
    bool playing = true;
    // A pause before each move, as a person takes (the load program's paced runs).
    int thinkMs = 0;
    // After each move sent, with the moves made before it.
    std::function<void(int movesBefore)> moved;

private:
    void Consider(const TSeatView& view);

    TTableClient FClient;
    int FStrength;
    // The weak strength's own Random(10) draw; the server's stays its own.
    std::mt19937_64 FGenerator;
    int FLastMoveCount = -1;
    int FMovesSent = 0;
};

} // namespace zaviko::net
