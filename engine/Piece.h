#pragma once

#include <array>
#include <cstdint>

namespace torvane::engine {

// The two sides; Sente moves first and starts at the bottom (row 8).
enum Color : int { Sente = 0, Gote = 1 };

inline constexpr Color Opponent(Color c) {
    return c == Sente ? Gote : Sente;
}

// Kinds by strength, weakest first: the index is the rank used for captures.
enum Kind : int { Rat, Dog, Wolf, Leopard, Crocodile, Bear, Tiger, Lion, Elephant };
inline constexpr int kKindCount = 9;

// A board square's content: 0 empty, otherwise 1 + kind + 9 * color.
using Piece = std::uint8_t;
inline constexpr Piece kEmpty = 0;
inline constexpr int kPieceCodes = 1 + 2 * kKindCount;

inline constexpr Piece MakePiece(Color c, int kind) {
    return static_cast<Piece>(1 + kind + kKindCount * c);
}
inline constexpr int KindOf(Piece p) {
    return (p - 1) % kKindCount;
}
inline constexpr Color ColorOf(Piece p) {
    return static_cast<Color>((p - 1) / kKindCount);
}

// Strength decides, except that the Elephant never takes a Rat and the Rat takes the Elephant.
// Equal kinds take each other.
inline constexpr bool CanCapture(int moverKind, int targetKind) {
    if (moverKind == Elephant && targetKind == Rat) return false;
    if (moverKind == Rat && targetKind == Elephant) return true;
    return moverKind >= targetKind;
}

// Whether what stands on a cell (a piece code, or kEmpty: never) may take `c`'s piece of kind
// `kind`: the evaluation and the threat search ask this of every cell around the vital pieces.
inline constexpr auto kTakes = [] {
    std::array<std::array<std::array<bool, kPieceCodes>, kKindCount>, 2> t{};
    for (Color c : {Sente, Gote})
        for (int kind = 0; kind < kKindCount; ++kind)
            for (int p = 1; p < kPieceCodes; ++p)
                t[c][kind][p] = ColorOf(static_cast<Piece>(p)) != c &&
                                CanCapture(KindOf(static_cast<Piece>(p)), kind);
    return t;
}();

inline bool Takes(Piece p, Color c, int kind) {
    return kTakes[c][kind][p];
}

// The letter of a kind in position strings and drops, lowercase. The engine is a program of
// its own on standard C++ alone and links none of the core's libraries, so it keeps its own
// copy of the letters (rules/PieceLetters) at its edge; the engine's tests read and write
// position strings with both and check that they agree.
inline constexpr char kKindLetters[] = "rdwpcbtle";

// The kind written by `letter` (either case), or -1.
int KindOfLetter(char letter);

}  // namespace torvane::engine
