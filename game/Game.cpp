#include "game/Game.h"

namespace torvane {

// The design of the main window: the board shows the start position, both hands are empty,
// and nothing can be picked up until a game starts.
Game::Game(Shell& shell) : Image1(SetupTemplate()), shell_(shell) {}

void Game::Form_Load(const std::string& localAddress) {
    ui.setudann = false;
    ui.Label14 = localAddress;
    CapturedPiecesOff = 1;
    GoteTag = "2";
    SenteTag = "1";
    EmptyTag = "0";
    MoveSoundId = 101;
    MessageSoundId = 102;
}

}  // namespace torvane
