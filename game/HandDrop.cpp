#include "game/Game.h"

namespace torvane {

// A hand piece of the side to move can be put on any empty cell as a move, while the settings
// allow the use of captured pieces (the hand boxes are enabled just then) and the board is open.
void Game::HandPickUp(Hand hand, int slot, MouseButton button) {
    if (!settings_.capturedPieces || !boardOpen_) return;
    if (button == MouseButton::Right) return;
    if (slot < 0 || slot >= kHandSlots) return;
    const Cell& piece = Cells(hand)[slot];
    if (piece.Picture == BlankCell.Picture) return;
    if ((Turn == 0 && piece.Tag == GoteTag) || (Turn != 0 && piece.Tag == SenteTag)) return;

    inProgress_.StartHandPick(hand, slot);
    shell_.BeginDrag(DragArea::Window, piece.DragIcon);
}

}  // namespace torvane
