#include "net/NetSession.h"

namespace torvane {

// The peer's own clock ran out. Outside a running game the message means nothing and is
// ignored.
void NetSession::ReceiveTimeLoss() {
    if (game_.NetworkGameRunning != 1) return;
    game_.NetworkGameRunning = 0;
    game_.RecordResult(GameEnd::TimeUp, PeerSide());
    ui.PeerOverdue = false;
    ui.Timer2 = ui.Timer1 = false;
    game_.SetBoardOpen(false);  // a broken peer may report it on the local player's turn
    ui.kopyuuta = true;
    ui.touryou = false;
    shell_.ShowMessage("あなたの勝ちです");
}

// The peer resigned, perhaps while the local player was to move: the local clock stops too,
// or it would run out later and report a loss of a game that is already won.
void NetSession::ReceiveResign() {
    if (game_.NetworkGameRunning != 1) return;
    game_.NetworkGameRunning = 0;
    game_.RecordResult(GameEnd::Resignation, PeerSide());
    ui.PeerOverdue = false;
    ui.Label3 = kZeroClock;
    game_.ZeroClock2Counters();
    ui.Timer2 = ui.Timer1 = false;
    game_.SetBoardOpen(false);
    ui.kopyuuta = true;
    ui.touryou = false;
    shell_.ShowMessage("相手が投了しました");
}

Side NetSession::PeerSide() const {
    return game_.LocalIsGote == 1 ? Side::Sente : Side::Gote;
}

}  // namespace torvane
