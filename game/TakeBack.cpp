#include "game/Game.h"

namespace torvane {

// The peer has no message for taking a move back, so a network game's moves stay. Against
// the computer the player takes back while it is his turn or the game is over, and only when
// he has made a move.
bool Game::MayTakeBack() const {
    const auto& entries = history_.entries();
    if (NetworkGame == 1 || entries.empty() || entries.back().before.networkGame == 1) return false;
    if (entries.back().before.computerGame == 0) return true;
    if (ComputerGame == 1 && Turn != LocalIsGote) return false;
    Side player = LocalIsGote == 1 ? Side::Gote : Side::Sente;
    for (const auto& entry : entries)
        if (entry.move.mover == player) return true;
    return false;
}

void Game::TakeBack() {
    if (!MayTakeBack()) return;
    Side player = LocalIsGote == 1 ? Side::Gote : Side::Sente;
    bool againstComputer = history_.entries().back().before.computerGame == 1;
    MoveHistory::Entry undone = history_.TakeBackLast();
    while (againstComputer && undone.move.mover != player) undone = history_.TakeBackLast();
    Restore(undone.before);
}

}  // namespace torvane
