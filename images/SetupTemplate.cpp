#include "images/SetupTemplate.h"

#include "images/PieceImageTable.h"
#include "rules/PieceKind.h"

namespace torvane {

namespace {

Cell Piece(PieceKind kind, const char* tag) {
    // Sente starts at the bottom of the screen (black ink), Gote at the top (red ink).
    ImageInk ink = std::string(tag) == "1" ? ImageInk::Black : ImageInk::Red;
    return PieceCell(kind, tag, ink);
}

BoardCells BuildTemplate() {
    BoardCells cells{};
    const PieceKind backRank[9] = {Crocodile, Wolf,    Leopard, Rat, Elephant,
                                   Rat,       Leopard, Wolf,    Bear};
    for (int c = 0; c < 9; ++c) {
        cells[c] = Piece(backRank[c], "2");
        // The position is symmetric under a half-turn: Sente's cell 80 - i mirrors Gote's i.
        cells[80 - c] = Piece(backRank[c], "1");
    }
    cells[13] = Piece(Lion, "2");
    cells[19] = Piece(Tiger, "2");
    cells[25] = Piece(Tiger, "2");
    for (int c = 0; c < 9; c += 2) cells[27 + c] = Piece(Dog, "2");
    for (int i = 13; i <= 35; ++i)
        if (cells[i].Tag == "2") cells[80 - i] = Piece(static_cast<PieceKind>(cells[i].Kind), "1");
    return cells;
}

}  // namespace

const BoardCells& SetupTemplate() {
    static const BoardCells cells = BuildTemplate();
    return cells;
}

}  // namespace torvane
