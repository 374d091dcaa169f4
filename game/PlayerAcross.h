#pragma once

#include "game/Move.h"

namespace torvane {

// The player across the board from the local player, as the game sees it: the peer of a network
// game (the network session) or the computer (the engine's process). The game tells it what
// the local player does; its own moves, its resignation and its disappearance come back as calls
// of the game (`ApplyPeerMove`, `ApplyComputerMove`, `PeerResigned`, `ComputerResigns`,
// `ConnectionBroke`…). The game has one seat for it, empty at one computer.
class PlayerAcross {
public:
    virtual ~PlayerAcross() = default;

    // The local player's move, in the local player's view of the board, told as it is made
    // (before its record entry and any box it brings).
    virtual void LocalMoved(const Move& move) = 0;
    // The move is complete, every box it brought is closed, and this player is to move.
    virtual void YourTurn() = 0;
    virtual void LocalResigned() = 0;
    virtual void LocalOutOfTime() = 0;
};

}  // namespace torvane
