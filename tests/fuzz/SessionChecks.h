#pragma once

#include "game/Game.h"
#include "net/NetSession.h"
#include "protocol/WireBytes.h"

namespace torvane {

// What must hold between any two events of a game with a network session, whatever the peer
// sent and the player did; a violation aborts the run. Pieces are only moved or taken: the
// board and both hands never hold a piece the start position did not have, and a piece leaves
// the game only when the hand it would go to is full.
class SessionChecks {
public:
    explicit SessionChecks(const Game& game);
    void AfterStep(const Game& game, const NetSession& session);
    // Every message the session sent: a move names two board cells.
    static void CheckSent(const WireBytes& bytes);

private:
    void CheckPieces(const Game& game);
    int total_ = 0;  // pieces on the board and in the hands after the previous step
};

}  // namespace torvane
