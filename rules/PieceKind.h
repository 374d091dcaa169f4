#pragma once

namespace torvane {

// Kind code of the piece on a cell or hand slot. The code is also the piece's strength rank:
// a higher code is stronger. Codes 1, 2, 3 and 6 are never used.
enum PieceKind : int {
    NoPiece = 0,
    Rat = 4,
    Dog = 5,
    Wolf = 7,
    Leopard = 8,
    Crocodile = 9,
    Bear = 10,
    Tiger = 11,
    Lion = 12,
    Elephant = 13,
};

// The nine kinds that occur, weakest first.
inline constexpr PieceKind kAllKinds[] = {Rat,  Dog,   Wolf, Leopard, Crocodile,
                                          Bear, Tiger, Lion, Elephant};

inline constexpr bool IsPieceKind(int code) {
    for (PieceKind k : kAllKinds)
        if (k == code) return true;
    return false;
}

// The animal's kanji as written on the token.
const char* KanjiOf(PieceKind kind);

}  // namespace torvane
