#include "game/Game.h"
#include "images/PieceImageTable.h"
#include "rules/MovementRules.h"

namespace torvane {

void Game::BoardPickUp(int cell, MouseButton button) {
    if (!boardOpen_) return;  // a locked board passes no presses to its cells
    if (button == MouseButton::Right) return;
    if (cell < 0 || cell >= kCellCount) return;
    const Cell& piece = Image1[cell];
    if (piece.Picture == BlankCell.Picture) return;
    if ((Turn == 0 && piece.Tag == GoteTag) || (Turn != 0 && piece.Tag == SenteTag)) return;

    inProgress_.StartBoardPick(cell);
    if (settings_.rangeDisplay) ShowMoveRange();
    shell_.BeginDrag(DragArea::Board, piece.DragIcon);
}

// The range is drawn around `FromCell` of the move in progress.
void Game::ShowMoveRange() {
    rangeOnDisplay_ = true;
    for (StepDirection d : kAllDirections)
        if (NeighbourCell(inProgress_.FromCell, d)) MarkNeighbour(d);
}

// Empty reachable cells and enemies that may be taken show the held piece's ghost; own pieces
// and enemies that may not be taken keep their pictures. The ghost replaces only the picture:
// tag, kind and drag icon stay, so the rules still see the real board.
void Game::MarkNeighbour(StepDirection direction) {
    const int from = inProgress_.FromCell;
    int n = *NeighbourCell(from, direction);
    int slot = SlotOf(direction);
    switch (StepVerdict(Image1, from, n)) {
        case Verdict::Blocked:
            return;
        case Verdict::Forbidden:
            UnmarkedEnemy[slot] = 1;
            return;
        case Verdict::Free:
        case Verdict::Capture:
            break;
    }
    const Cell& held = Image1[from];
    Image3[slot] = Image1[n].Picture;
    GhostImageId = GhostImageFor(held.Tag, held.Kind, LocalIsGote, GhostImageId);
    Image1[n].Picture = GhostImageId;
}

void Game::CancelDrag() {
    if (!rangeOnDisplay_) return;
    rangeOnDisplay_ = false;
    for (StepDirection d : kAllDirections)
        if (NeighbourCell(inProgress_.FromCell, d)) RestoreNeighbour(d);
}

void Game::RestoreNeighbour(StepDirection direction) {
    const int from = inProgress_.FromCell;
    Cell& n = Image1[*NeighbourCell(from, direction)];
    int slot = SlotOf(direction);
    if (n.Tag != SenteTag && n.Tag != GoteTag) {
        n.Picture = BlankCell.Picture;
    } else if (AreEnemies(n.Tag, Image1[from].Tag) && UnmarkedEnemy[slot] == 0) {
        n.Picture = Image3[slot];
    } else {
        UnmarkedEnemy[slot] = 0;
    }
}

}  // namespace torvane
