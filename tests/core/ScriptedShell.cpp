#include "ScriptedShell.h"

#include "images/PieceImageTable.h"

namespace torvane {

void LocalGame::Put(int cell, PieceKind kind, const char* tag) {
    ImageInk ink = std::string(tag) == "1" ? ImageInk::Black : ImageInk::Red;
    game.Image1[cell] = Cell{PieceImageId(kind, ink, ImageVariant::Normal), tag, kind,
                             PieceImageId(kind, ink, ImageVariant::Held)};
}

void LocalGame::ClearBoard() {
    for (Cell& c : game.Image1) Clear(c);
}

}  // namespace torvane
