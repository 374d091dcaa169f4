#include "images/SetupTemplate.h"

#include "images/PieceImageTable.h"
#include "rules/StartBoard.h"

namespace torvane {

namespace {

// The rules' start board with each piece's pictures: Sente starts at the bottom of the screen
// (black ink), Gote at the top (red ink).
BoardCells BuildTemplate() {
    BoardCells cells = StartBoard();
    for (Cell& cell : cells) {
        if (cell.Tag == "0") continue;
        ImageInk ink = cell.Tag == "1" ? ImageInk::Black : ImageInk::Red;
        cell = PieceCell(cell.Kind, cell.Tag, ink);
    }
    return cells;
}

}  // namespace

const BoardCells& SetupTemplate() {
    static const BoardCells cells = BuildTemplate();
    return cells;
}

}  // namespace torvane
