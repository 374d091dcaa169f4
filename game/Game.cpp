#include "game/Game.h"

namespace torvane {

// The design of the main window: the board shows the start position, both hands are empty,
// and nothing can be picked up until a game starts.
Game::Game(Shell& shell, const std::string& localAddress) : Board(SetupTemplate()), shell_(shell) {
    Form_Load(localAddress);
}

void Game::Form_Load(const std::string& localAddress) {
    ui.Label14 = localAddress;
}

void Game::SetBoardOpen(bool open) {
    boardOpen_ = open;
    ui.Picture1 = open;
}

void Game::Unseat(const PlayerAcross& player) {
    if (across_ == &player) across_ = nullptr;
}

}  // namespace torvane
