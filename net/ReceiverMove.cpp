#include "net/NetSession.h"

namespace torvane {

// The peer moved one of his pieces; the cells come in his view and are turned by half a turn.
// A move is taken only while the local board waits for it, and only when it is one the peer
// could have made: anything else (a peer out of step, or bytes that are no move) is ignored
// and leaves the game as it was.
void NetSession::ReceiveMove(const MoveMsg& move) {
    if (!move.valid() || !game_.PeerMayMove()) return;
    int from = kCellCount - 1 - move.FromCell;
    int to = kCellCount - 1 - move.ToCell;
    if (!game_.IsPeerStep(from, to)) return;
    game_.ApplyPeerMove(from, to);
}

}  // namespace torvane
