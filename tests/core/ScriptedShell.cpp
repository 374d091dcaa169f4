#include "ScriptedShell.h"

#include "images/PieceImageTable.h"

namespace torvane {

void LocalGame::Put(int cell, PieceKind kind, const char* tag) {
    ImageInk ink = std::string(tag) == "1" ? ImageInk::Black : ImageInk::Red;
    Place(game, cell,
          Cell{PieceImageId(kind, ink, ImageVariant::Normal), tag, kind,
               PieceImageId(kind, ink, ImageVariant::Held)});
}

void LocalGame::ClearBoard() {
    PlayState state = game.Snapshot();
    for (Cell& c : state.board) Clear(c);
    game.Restore(state);
}

void Place(Game& game, int cell, const Cell& piece) {
    PlayState state = game.Snapshot();
    state.board.at(cell) = piece;
    game.Restore(state);
}

void PlaceInHand(Game& game, Hand hand, int slot, const Cell& piece) {
    PlayState state = game.Snapshot();
    (hand == Hand::Image4 ? state.bottomHand : state.topHand).at(slot) = piece;
    game.Restore(state);
}

void SetToMove(Game& game, Side side) {
    PlayState state = game.Snapshot();
    state.turn = side == Side::Sente ? 0 : 1;
    game.Restore(state);
}

}  // namespace torvane
