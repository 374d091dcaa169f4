#include "game/Game.h"

namespace torvane {

// The message comes while the previous position is still on the board, as "スタート(&S)" shows
// it; the record that starts from `start` is shown once it is confirmed.
void Game::StartFromPosition(const BoardPosition& start, bool playerIsGote, PlayerAcross* computer,
                             bool timeLimit) {
    GameRecord record{NewRecordHeader(), {}, std::nullopt};
    record.header.start = start;
    record.header.start.moveNumber = 1;
    if (!computer)
        shell_.ShowMessage(start.toMove == Side::Sente ? "先手の番です" : "後手の番です");
    LoadRecord(record, playerIsGote, computer, timeLimit);
}

}  // namespace torvane
