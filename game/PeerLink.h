#pragma once

namespace torvane {

// The other player of a network game, as the game sees it: what the local player's moves,
// resignation and loss on time tell the peer. The network session implements it; while there
// is no session, nothing is told to anyone.
class PeerLink {
public:
    virtual ~PeerLink() = default;

    // A local board move, in the local player's view of the board.
    virtual void SendMove(int fromCell, int toCell) = 0;
    virtual void SendResign() = 0;
    virtual void SendTimeLoss() = 0;
};

}  // namespace torvane
