#include "game/Game.h"

namespace torvane {

// Label2 (bottom) and Label4 (top) mark the side to move in green; the marker that loses the
// green takes the other one's colour, which is the neutral one.
void Game::PassTurnToTop() {
    ui.Label2Back = ui.Label4Back;
    ui.Label4Back = kGreen;
    ui.Label1 = kZeroClock;
}

void Game::PassTurnToBottom() {
    ui.Label4Back = ui.Label2Back;
    ui.Label2Back = kGreen;
    ui.Label3 = kZeroClock;
}

void Game::RunTimer1() {
    ui.Timer2 = false;
    ui.Timer1 = true;
}

void Game::RunTimer2() {
    ui.Timer1 = false;
    ui.Timer2 = true;
}

}  // namespace torvane
