#include "game/Game.h"

namespace torvane {

// The hand on a side's side of the screen: the bottom hand is the local player's in a network
// game (Gote's when the board is turned for Gote), Sente's at one computer.
Hand Game::HandOf(Side side) const {
    Side bottom = LocalIsGote == 1 ? Side::Gote : Side::Sente;
    return side == bottom ? Hand::Image4 : Hand::Image5;
}

// Called before the moving piece is copied onto the move's target. A full hand has no slot to
// spare: the taken piece leaves the game instead of overwriting a piece already in the hand.
void Game::CaptureToHand(const Move& move, Side capturer) {
    TakeIntoHand(move.to, capturer, HandOf(capturer));
}

}  // namespace torvane
